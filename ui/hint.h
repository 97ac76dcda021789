// Boxes that start with a hint ("ERD", "d", "S") let typing replace it.
#pragma once

class QLineEdit;

/// While `box` holds exactly the text it was built with, it selects that text whole whenever it
/// gets the focus, by mouse as by keyboard, so that typing replaces the hint. The hint stays real
/// text; once edited, the box behaves as any box.
void selectHintOnFocus(QLineEdit* box);
