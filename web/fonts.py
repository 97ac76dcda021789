# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The two faces the page carries, each cut to the characters it draws: the serif face for the
labels and the boxes, as the window's, and the sans-serif face for the rest (title, buttons, the page's own
texts, every message of the engine), so that a browser without Chinese fonts shows all of it."""
import io

from fontTools import subset
from fontTools.ttLib import TTFont

PRINTABLE_ASCII = "".join(map(chr, range(0x20, 0x7F)))  # numbers and typed text in a message


def song_texts(form):
    """What the page draws in the Song face: the labels, the lists' entries (直拉), and the
    boxes' hints, numbers and whatever else is typed in ASCII. A text in a face that lacks some
    of its characters is laid out run by run between the face and a fallback, in the fallback's
    weight (拉 bold beside a regular 直 in WebKit), and a megabyte of words took seconds."""
    lists = [name for name, widget in form.widgets.items() if widget.get("class") == "QComboBox"]
    return [*form.texts_of("QLabel"), *(item for name in lists for item in form.items(name)),
            *(form.property(name, "placeholderText") or "" for name in lists),
            *(form.property(name, "title") for name in form.widgets
              if form.widgets[name].get("class") == "QGroupBox"),
            PRINTABLE_ASCII]


def interface_texts(title, form, templates, messages):
    """What the page draws in its interface face: the title, the buttons, the page's own texts
    (its templates) and the engine's messages."""
    return [title, *form.texts_of("QPushButton"), *templates,
            messages, PRINTABLE_ASCII]


def cut(font_path, texts):
    """The carried face cut to the characters of `texts`, as WOFF2."""
    font = TTFont(font_path, recalcTimestamp=False)  # the same page from the same sources
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]  # the renamed family and the licence entries stay
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(texts))
    subsetter.subset(font)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    return out.getvalue()


def family_of(font_path):
    return TTFont(font_path)["name"].getBestFamilyName()
