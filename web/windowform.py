# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window description (ui/form1.ui) as the page reads it: the controls in the page's reading
order, each with its label, texts, list, keyboard and place, so that the page cannot drift from
the window."""
import xml.etree.ElementTree as ElementTree

# Reading order: the boxes top to bottom, the result, the two buttons, the formula, the drawings.
BOXES = (("Co1", "decimal"), ("Te1", "decimal"), ("Te2", "decimal"), ("Te3", "decimal"),
         ("Te4", "decimal"), ("Co2", "text"), ("Te5", "decimal"))
BUTTONS = (("Command2", "button"), ("Command1", "submit"))
DRAWINGS = ("Image1", "Image3", "Image2")


class Form:
    """The widgets of the window description, by name, with their properties."""

    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        self.window = root.find("widget")
        self.widgets = {w.get("name"): w for w in self.window.iter("widget")}

    def property(self, name, key):
        found = self.widgets[name].find(f"property[@name='{key}']")
        if found is None:
            return None
        value = found[0]
        if value.tag == "rect":
            return {part.tag: int(part.text) for part in value}
        return value.text or ""

    def items(self, name):
        return [item.find("property/string").text for item in self.widgets[name].findall("item")]

    def texts_of(self, widget_class):
        return [self.property(name, "text") for name, widget in self.widgets.items()
                if widget.get("class") == widget_class]

    def buddy_label(self, control):
        for name in self.widgets:
            if self.property(name, "buddy") == control:
                return name
        raise KeyError(f"no label names {control}")


def box(form, name, keyboard):
    """A labelled box. A list is a box with entries to pick, as the window's lists can be typed into;
    a box whose first text is a hint says so."""
    label = form.buddy_label(name)
    items = form.items(name)
    if items:
        index = form.property(name, "currentIndex")
        text = form.property(name, "currentText") or items[int(index or 0)]
    else:
        text = form.property(name, "text") or ""
    read_only = form.property(name, "readOnly") == "true"
    return {"name": name, "keyboard": keyboard, "text": text, "choices": items,
            "read_only": read_only, "hint": text if text and not items and not read_only else "",
            "place": form.property(name, "geometry"),
            "label": {"name": label, "text": form.property(label, "text"),
                      "place": form.property(label, "geometry")}}


def controls(form):
    """What the page's form template lays out, in reading order."""
    return {
        "size": form.property("Form1", "geometry"),
        "boxes": [box(form, name, keyboard) for name, keyboard in BOXES],
        "buttons": [{"name": name, "type": kind, "text": form.property(name, "text"),
                     "place": form.property(name, "geometry")} for name, kind in BUTTONS],
        "formula": {"name": "Label8", "text": form.property("Label8", "text"),
                    "place": form.property("Label8", "geometry")},
        "drawings": [{"name": name, "drawing": form.property(name, "drawing"),
                      "alt": f"{form.property(name, 'accessibleName')}："
                             f"{form.property(name, 'accessibleDescription')}",
                      "place": form.property(name, "geometry")} for name in DRAWINGS],
    }
