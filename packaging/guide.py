#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the user guide as one HTML page that any browser opens, the drawings and the screenshot
inside it, so that the guide installed beside the program needs no other file.

usage: guide.py guide.md guide.html
"""
import base64
import html
import pathlib
import re
import sys

import markdown

MEDIA_TYPES = {".svg": "image/svg+xml", ".png": "image/png"}

STYLE = """body { max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.6;
  font-family: "Microsoft YaHei", "Noto Sans CJK SC", sans-serif; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
code { font-size: 1.1em; }"""


def embedded(folder, match):
    picture = folder / match.group(1)
    data = base64.b64encode(picture.read_bytes()).decode("ascii")
    return f'src="data:{MEDIA_TYPES[picture.suffix]};base64,{data}"'


def main(source, output):
    source = pathlib.Path(source)
    text = source.read_text(encoding="utf-8")
    text = re.sub(r"<!--.*?-->\n*", "", text, flags=re.S)
    # A line break inside Chinese text is no space: browsers would show one.
    text = re.sub(r"(?<=[^\x00-\x7f])\n[ \t]*(?=[^\x00-\x7f])", "", text)
    body = markdown.markdown(text, extensions=["tables"], output_format="html")
    body = re.sub(r'src="([^"]+)"', lambda match: embedded(source.parent, match), body)
    title = html.escape(re.search(r"^# (.+)$", text, re.M).group(1))
    pathlib.Path(output).write_text(
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
        f"<title>{title}</title>\n<style>\n{STYLE}\n</style>\n</head>\n<body>\n{body}\n</body>\n"
        "</html>\n", encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
