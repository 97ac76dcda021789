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


def _cell(form, widget, row, column, span, keyboard):
    """One cell of the whole-wheel window's grid, as the page lays it out."""
    place = {"row": row, "column": column, "span": span}
    name = widget.get("name")
    kind = widget.get("class")
    if kind == "QLabel":
        return {"kind": "label", "name": name, "text": form.property(name, "text"),
                "for": form.property(name, "buddy"), "place": place}
    label = {"name": form.buddy_label(name)} if kind in ("QLineEdit", "QComboBox") else None
    if kind == "QLineEdit":
        read_only = form.property(name, "readOnly") == "true"
        return {"kind": "box", "name": name, "keyboard": "text" if read_only else keyboard,
                "text": "", "choices": [], "read_only": read_only, "hint": "", "label": label,
                "place": place}
    if kind == "QComboBox":
        items = form.items(name)
        index = int(form.property(name, "currentIndex") or 0)
        editable = form.property(name, "editable") == "true"
        return {"kind": "list" if editable else "select", "name": name,
                "placeholder": form.property(name, "placeholderText") or "",
                "keyboard": "decimal" if all(item.isdigit() for item in items) else "text",
                "text": items[index] if items and index >= 0 else "", "choices": items,
                "index": index, "read_only": False, "hint": "", "label": label, "place": place}
    if kind == "QGroupBox":
        return {"kind": "group", "name": name, "title": form.property(name, "title"),
                "cells": _cells(form, widget.find("layout"), "text"), "place": place}
    raise KeyError(f"{name}: no page control for a {kind}")


def _cells(form, layout, keyboard):
    """A grid's cells; its boxes bring up `keyboard` (a group's boxes take names, not numbers)."""
    cells = []
    for item in layout.findall("item"):
        row, column = int(item.get("row")), int(item.get("column"))
        span = int(item.get("colspan", "1"))
        widget, inner = item.find("widget"), item.find("layout")
        if widget is not None:
            cells.append(_cell(form, widget, row, column, span, keyboard))
        elif inner is not None:  # a row of buttons
            cells.append({"kind": "buttons", "place": {"row": row, "column": column, "span": span},
                          "buttons": [{"name": w.get("name"),
                                       "text": form.property(w.get("name"), "text"),
                                       "type": "submit" if form.property(w.get("name"), "default")
                                       == "true" else "button"} for w in inner.iter("widget")]})
    return cells


def wheel_controls(form):
    """The whole-wheel window (ui/wheelform.ui) as the page's view lays it out: its grid's cells
    in the window's reading order, each with its row, column and span."""
    return {"cells": _cells(form, form.window.find("layout"), "decimal")}
