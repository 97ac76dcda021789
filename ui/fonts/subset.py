#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the fonts the program carries: subsets of Simplified Chinese faces holding the glyphs of
every text the program itself draws (the window descriptions' texts, the string literals of its
sources, which hold every message it can show, and the toolkit's texts it shows), printable
ASCII, the full-width forms U+FF01 to U+FF5E, the ideographic full stop and the ideographic space.

A subset is a Modified Version under the SIL Open Font License 1.1, so it gets a family name of
its own; its copyright, trademark and licence entries are kept.

usage: subset.py FORMS_DIR SOURCE_DIR TOOLKIT_TEXTS OUTPUT_DIR (SOURCE.ttc FAMILY STYLE OUTPUT)...
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

DRAWN_PROPERTIES = {"text", "currentText", "title", "placeholderText"}  # what a window draws itself; not the caption
SIMPLIFIED_CHINESE = " SC"
# Family, style, full name, PostScript name, unique ID, typographic family and style.
RENAMED_IDS = (1, 2, 3, 4, 6, 16, 17)


STRING_LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')
SOURCE_FOLDERS = ("app", "engine", "host", "ui")
TYPED_FORMS = [chr(code) for code in range(0xFF01, 0xFF5F)] + ["\u3000", "\u3002"]


def window_characters(forms_dir):
    """The texts of every window description (*.ui) in `forms_dir`."""
    characters = set()
    for form in sorted(pathlib.Path(forms_dir).glob("*.ui")):
        for prop in ElementTree.parse(form).iter("property"):
            text = prop.findtext("string")
            if prop.get("name") in DRAWN_PROPERTIES and text:
                characters.update(text)
    return characters


def message_characters(source_dir):
    """The string literals of the program's sources, and of the build's definitions (the
    program's title)."""
    paths = [pathlib.Path(source_dir, "CMakeLists.txt")]
    for folder in SOURCE_FOLDERS:
        paths += [path for path in sorted(pathlib.Path(source_dir, folder).rglob("*"))
                  if path.suffix in (".cpp", ".h")]
    characters = set()
    for path in paths:
        for literal in STRING_LITERAL.findall(path.read_text(encoding="utf-8")):
            characters.update(c for c in literal if ord(c) > 0x7F)
    return characters


def toolkit_characters(texts):
    lines = pathlib.Path(texts).read_text(encoding="utf-8").splitlines()
    return {c for line in lines if not line.startswith("#") for c in line if not c.isspace()}


def drawn_characters(forms_dir, source_dir, toolkit_texts):
    characters = {chr(code) for code in range(0x20, 0x7F)} | set(TYPED_FORMS)
    characters |= window_characters(forms_dir) | message_characters(source_dir)
    characters |= toolkit_characters(toolkit_texts)
    return "".join(sorted(characters))


def simplified_chinese_face(source):
    for number, face in enumerate(TTCollection(source, lazy=True).fonts):
        if face["name"].getDebugName(1).endswith(SIMPLIFIED_CHINESE):
            return TTFont(source, fontNumber=number)
    sys.exit(f"{source} has no Simplified Chinese face")


def rename(face, family, style):
    postscript = (family + "-" + style).replace(" ", "")
    names = {1: family, 2: style, 3: postscript, 4: f"{family} {style}", 6: postscript,
             16: family, 17: style}
    table = face["name"]
    table.names = [record for record in table.names if record.nameID not in RENAMED_IDS]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)  # Windows, Unicode, English


def main(forms_dir, source_dir, toolkit_texts, output_dir, *fonts):
    characters = drawn_characters(forms_dir, source_dir, toolkit_texts)
    options = subset.Options()
    options.name_IDs = ["*"]  # keep copyright, trademark and licence
    options.name_languages = ["*"]
    options.notdef_outline = True
    for source, family, style, output in zip(*[iter(fonts)] * 4):
        face = simplified_chinese_face(source)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=characters)
        subsetter.subset(face)
        rename(face, family, style)
        face.recalcTimestamp = False  # the same sources give the same bytes
        face.save(f"{output_dir}/{output}")


if __name__ == "__main__":
    main(*sys.argv[1:])
