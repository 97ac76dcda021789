#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the calculator's page: one HTML file that carries everything it shows and runs (the
engine, its script and styles, the drawings, the icon, the labels' font), and beside it what a
browser needs to install it and open it offline (a web app manifest, a service worker, icons).

The form comes from the window description: the same labels, boxes, texts, lists, drawings and
places, so that the page cannot drift from the window.

usage: page.py --form FORM.ui --template PAGE.html --style PAGE.css --script PAGE.js
               --engine ENGINE.js --worker SW.js.in --pictures DIR --serif SERIF.otf
               --sans SANS.otf --messages SOURCE... --version M.mm --output DIR [--floor]

The page carries two faces, each cut to the characters it draws: the serif face for the labels,
as the window's, and the sans-serif face for the rest (title, buttons, the error dialog with
every message of the engine, read from the engine's sources named by --messages), so that a
browser without Chinese fonts shows all of it.

--floor writes the same page without the engine (its script is a stand-in that is ready at once),
to measure what the engine adds to loading.
"""
import argparse
import base64
import hashlib
import html
import io
import json
import pathlib
import re
import shutil
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTFont

PAGE = "spokelength.html"
PRINTABLE_ASCII = "".join(map(chr, range(0x20, 0x7F)))  # numbers and typed text in a message
MANIFEST = "manifest.webmanifest"
WORKER = "sw.js"
ICONS = ("calculator.svg", "calculator-128.png", "calculator-256.png")
# What stands in for the engine in the floor page: answers nothing, ready at once.
FLOOR_ENGINE = "function SpokeEngine() { return Promise.resolve({ cwrap: () => () => 0 }); }"


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

    def buddy_label(self, control):
        for name in self.widgets:
            if self.property(name, "buddy") == control:
                return name
        raise KeyError(f"no label names {control}")


def data_uri(mime, data):
    return f"data:{mime};base64,{base64.b64encode(data).decode()}"


def place(form, name):
    """The widget's place in the window, for the window-wide layout."""
    box = form.property(name, "geometry")
    return f'style="--x:{box["x"]};--y:{box["y"]};--w:{box["width"]};--h:{box["height"]}"'


def label(form, control):
    name = form.buddy_label(control)
    text = html.escape(form.property(name, "text"))
    return f'<label id="{name}" for="{control}" {place(form, name)}>{text}</label>'


def box(form, name, keyboard="decimal"):
    """A labelled box; a list becomes a box with suggestions, as the window's lists can be typed
    into. A box whose first text is a hint says so (data-hint)."""
    items = form.items(name)
    if items:
        index = form.property(name, "currentIndex")
        text = form.property(name, "currentText") or items[int(index or 0)]
        options = "".join(f'<option value="{html.escape(item)}">' for item in items)
        extra = f' list="{name}-list"'
        suggestions = f'<datalist id="{name}-list">{options}</datalist>'
    else:
        text = form.property(name, "text") or ""
        read_only = form.property(name, "readOnly") == "true"
        extra = " readonly" if read_only else (f' data-hint="{html.escape(text)}"' if text else "")
        suggestions = ""
    return (f'{label(form, name)}<input id="{name}" name="{name}" type="text"'
            f' inputmode="{keyboard}" value="{html.escape(text)}" autocomplete="off"'
            f' spellcheck="false"{extra} {place(form, name)}>{suggestions}')


def button(form, name, kind):
    text = html.escape(form.property(name, "text"))
    return f'<button id="{name}" type="{kind}" {place(form, name)}>{text}</button>'


def drawing(form, name, pictures):
    svg = (pictures / f"{form.property(name, 'drawing')}.svg").read_bytes()
    alt = f"{form.property(name, 'accessibleName')}：{form.property(name, 'accessibleDescription')}"
    return (f'<img id="{name}" class="drawing" src="{data_uri("image/svg+xml", svg)}"'
            f' alt="{html.escape(alt)}" {place(form, name)}>')


def form_markup(form, pictures):
    """The window's controls in reading order: the boxes top to bottom, the result, the two
    buttons, the formula, the drawings."""
    parts = [box(form, "Co1"), box(form, "Te1"), box(form, "Te2"), box(form, "Te3"),
             box(form, "Te4"), box(form, "Co2", keyboard="text"), box(form, "Te5"),
             button(form, "Command2", "button"), button(form, "Command1", "submit"),
             f'<p id="Label8" {place(form, "Label8")}>'
             f'{html.escape(form.property("Label8", "text"))}</p>']
    parts += [drawing(form, name, pictures) for name in ("Image1", "Image3", "Image2")]
    size = form.property("Form1", "geometry")
    return (f'<form id="Form1" novalidate style="--w:{size["width"]};--h:{size["height"]}">'
            + "\n".join(parts) + "</form>")


def label_texts(form):
    return [form.property(name, "text") for name in form.widgets
            if form.widgets[name].get("class") == "QLabel"]


def interface_texts(form, template, message_sources):
    """What the page draws in its interface face: the title, the buttons, the page's own texts
    and every string of the engine's messages."""
    buttons = [form.property(name, "text") for name in form.widgets
               if form.widgets[name].get("class") == "QPushButton"]
    literal = re.compile(r'"((?:[^"\\]|\\.)*)"')
    strings = [match.group(1) for source in message_sources
               for match in literal.finditer(source.read_text(encoding="utf-8"))]
    return [form.property("Form1", "windowTitle"), *buttons, template, *strings, PRINTABLE_ASCII]


def cut_font(font_path, texts):
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


def arguments(argv):
    parser = argparse.ArgumentParser(description="Writes the calculator's page.")
    for name in ("form", "template", "style", "script", "engine", "worker", "pictures", "serif",
                 "sans", "output"):
        parser.add_argument(f"--{name}", type=pathlib.Path, required=True)
    parser.add_argument("--messages", type=pathlib.Path, nargs="+", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--floor", action="store_true")
    return parser.parse_args(argv)


def main(argv):
    args = arguments(argv)
    floor, pictures, output = args.floor, args.pictures, args.output
    form = Form(args.form)
    output.mkdir(parents=True, exist_ok=True)
    title = form.property("Form1", "windowTitle")
    template = args.template.read_text(encoding="utf-8")
    interface_font = cut_font(args.sans, interface_texts(form, template, args.messages))
    page = (template
            .replace("@TITLE@", html.escape(title))
            .replace("@VERSION@", html.escape(args.version))
            .replace("@ICON@", data_uri("image/svg+xml", (pictures / "calculator.svg").read_bytes()))
            .replace("@LABEL_FONT@", data_uri("font/woff2", cut_font(args.serif, label_texts(form))))
            .replace("@INTERFACE_FAMILY@", family_of(args.sans))
            .replace("@INTERFACE_FONT@", data_uri("font/woff2", interface_font))
            .replace("@STYLE@", args.style.read_text(encoding="utf-8"))
            .replace("@FORM@", form_markup(form, pictures))
            .replace("@ENGINE@", FLOOR_ENGINE if floor else
                     args.engine.read_text(encoding="utf-8"))
            .replace("@SCRIPT@", args.script.read_text(encoding="utf-8")))
    name = "floor.html" if floor else PAGE
    (output / name).write_text(page, encoding="utf-8")
    if floor:
        return
    # The service worker keeps this page's files; a new page is a new set (its hash).
    files = [PAGE, MANIFEST, *ICONS]
    version_tag = hashlib.sha256(page.encode()).hexdigest()[:16]
    (output / WORKER).write_text(
        args.worker.read_text(encoding="utf-8")
        .replace("@CACHE@", f"spokelength-{version_tag}")
        .replace("@FILES@", json.dumps(files)), encoding="utf-8")
    manifest = {
        "name": title, "short_name": title, "lang": "zh-CN", "start_url": PAGE,
        "display": "standalone", "background_color": "#efefef", "theme_color": "#000080",
        "icons": [{"src": "calculator.svg", "sizes": "any", "type": "image/svg+xml"},
                  {"src": "calculator-128.png", "sizes": "128x128", "type": "image/png"},
                  {"src": "calculator-256.png", "sizes": "256x256", "type": "image/png"}],
    }
    (output / MANIFEST).write_text(json.dumps(manifest, ensure_ascii=False, indent=2) + "\n",
                                   encoding="utf-8")
    shutil.copyfile(pictures / "calculator.svg", output / "calculator.svg")
    for icon in ICONS[1:]:
        shutil.copyfile(pictures / "rendered" / icon, output / icon)


if __name__ == "__main__":
    main(sys.argv[1:])
