#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the calculator's page: one HTML file that carries everything it shows and runs (the
engine, its script and styles, the drawings, the icon, two faces), and beside it what a browser
needs to install it and open it offline (a web app manifest, a service worker, icons).

The page is written from its template (page.html, with the form's in form.html and the
whole-wheel view's in wheel.html) by Jinja2, which escapes every text it inserts; the form and the
view come from the window descriptions (windowform.py), the
faces are cut to the page's texts (fonts.py), the error dialog's words and the engine's messages
as the engine words them (--messages, written by messagetexts).

usage: page.py --form FORM.ui --wheel-form WHEEL.ui --templates DIR --style PAGE.css
               --script SCRIPT.js... --engine ENGINE.js --worker SW.js.in --pictures DIR --serif SERIF.otf
               --sans SANS.otf --messages MESSAGES.txt --title TITLE --wheel-title TITLE
               --version M.mm --icon-sizes N...
               --output DIR [--floor]

--floor writes the same page without the engine (its script is a stand-in that is ready at once),
to measure what the engine adds to loading.
"""
import argparse
import base64
import pathlib
import re
import sys

import jinja2
from markupsafe import Markup

import fonts
import offline
import windowform

# What stands in for the engine in the floor page: answers nothing, ready at once.
FLOOR_ENGINE = "function SpokeEngine() { return Promise.resolve({ cwrap: () => () => 0 }); }"


def data_uri(mime, data):
    return f"data:{mime};base64,{base64.b64encode(data).decode()}"


def light_colours(style):
    """The colours the styles state (custom properties), as the light scheme sets them: first."""
    colours = {}
    for name, colour in re.findall(r"--([a-z-]+):\s*(#[0-9a-f]{6});", style):
        colours.setdefault(name, colour)
    return colours


def arguments(argv):
    parser = argparse.ArgumentParser(description="Writes the calculator's page.")
    for name in ("form", "wheel-form", "templates", "style", "engine", "worker", "pictures",
                 "serif", "sans", "messages", "output"):
        parser.add_argument(f"--{name}", type=pathlib.Path, required=True)
    parser.add_argument("--script", type=pathlib.Path, nargs="+", required=True)
    parser.add_argument("--title", required=True)
    parser.add_argument("--wheel-title", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--icon-sizes", type=int, nargs="+", required=True)
    parser.add_argument("--floor", action="store_true")
    return parser.parse_args(argv)


def environment(args):
    return jinja2.Environment(loader=jinja2.FileSystemLoader(args.templates), autoescape=True,
                              keep_trailing_newline=True, undefined=jinja2.StrictUndefined)


def views(args, form):
    """The title strip's links: the window's view by its result's label ("钢线长度"), the
    whole-wheel view by what its title adds ("整轮")."""
    result_label = form.property(form.buddy_label("Te5"), "text").rstrip("：")
    return {"window": result_label,
            "wheel": args.wheel_title.removeprefix(args.title).strip("（）")}


def render(args, form, wheel_form, templates, style):
    """The page's text, with `style` (its styles, written)."""
    template_texts = [(args.templates / name).read_text(encoding="utf-8")
                      for name in ("page.html", "form.html", "wheel.html")]
    messages = args.messages.read_text(encoding="utf-8")
    heading, close = messages.splitlines()[:2]  # the error dialog's words, then the messages
    pictures = args.pictures

    def drawing_uri(name):
        return data_uri("image/svg+xml", (pictures / f"{name}.svg").read_bytes())

    def text_of(*paths):  # inserted as they are: scripts are no HTML text
        return Markup("\n".join(path.read_text(encoding="utf-8") for path in paths))

    return templates.get_template("page.html").render(
        title=args.title, wheel_title=args.wheel_title, version=args.version,
        icon=data_uri("image/svg+xml", (pictures / "calculator.svg").read_bytes()),
        label_font=data_uri("font/woff2", fonts.cut(
            args.serif, fonts.song_texts(form) + fonts.song_texts(wheel_form))),
        interface_family=fonts.family_of(args.sans),
        interface_font=data_uri("font/woff2", fonts.cut(
            args.sans, fonts.interface_texts(args.title, form, template_texts, messages)
            + fonts.interface_texts(args.wheel_title, wheel_form, [], ""))),
        style=Markup(style), controls=windowform.controls(form),
        wheel_controls=windowform.wheel_controls(wheel_form), views=views(args, form),
        drawing_uri=drawing_uri,
        engine=Markup(FLOOR_ENGINE) if args.floor else text_of(args.engine),
        script=text_of(*args.script), dialog={"heading": heading, "close": close})


def main(argv):
    args = arguments(argv)
    form = windowform.Form(args.form)
    wheel_form = windowform.Form(args.wheel_form)
    args.output.mkdir(parents=True, exist_ok=True)
    templates = environment(args)
    style = templates.from_string(args.style.read_text(encoding="utf-8")).render()
    page = render(args, form, wheel_form, templates, style)
    (args.output / ("floor.html" if args.floor else offline.PAGE)).write_text(page,
                                                                             encoding="utf-8")
    if not args.floor:
        offline.write(args.output, page, args.title,
                      light_colours(style), args.worker.read_text(encoding="utf-8"),
                      args.pictures, args.icon_sizes)


if __name__ == "__main__":
    main(sys.argv[1:])
