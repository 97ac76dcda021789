# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The two faces the page carries, each cut to the characters it draws: the serif face for the
labels, as the window's, and the sans-serif face for the rest (title, buttons, the page's own
texts, every message of the engine), so that a browser without Chinese fonts shows all of it."""
import io

from fontTools import subset
from fontTools.ttLib import TTFont

PRINTABLE_ASCII = "".join(map(chr, range(0x20, 0x7F)))  # numbers and typed text in a message


def label_texts(form):
    return form.texts_of("QLabel")


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
