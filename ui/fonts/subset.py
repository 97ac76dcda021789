#!/usr/bin/env python3
"""Makes the fonts the window embeds: subsets of Simplified Chinese faces holding only the
glyphs of the window description's texts and printable ASCII.

A subset is a Modified Version under the SIL Open Font License 1.1, so it gets a family name of
its own; its copyright, trademark and licence entries are kept.

usage: subset.py FORM.ui OUTPUT_DIR (SOURCE.ttc FAMILY STYLE OUTPUT_NAME)...
"""
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

DRAWN_PROPERTIES = {"text", "currentText"}  # what the window draws itself; not the caption
SIMPLIFIED_CHINESE = " SC"
# Family, style, full name, PostScript name, unique ID, typographic family and style.
RENAMED_IDS = (1, 2, 3, 4, 6, 16, 17)


def window_characters(form):
    characters = {chr(code) for code in range(0x20, 0x7F)}
    for prop in ElementTree.parse(form).iter("property"):
        text = prop.findtext("string")
        if prop.get("name") in DRAWN_PROPERTIES and text:
            characters.update(text)
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


def main(form, output_dir, *fonts):
    characters = window_characters(form)
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
        face.save(f"{output_dir}/{output}")


if __name__ == "__main__":
    main(*sys.argv[1:])
