# SPDX-FileCopyrightText: 2026 Spoke length calculator developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a browser needs beside the page to install it and open it offline: a web app manifest,
a service worker that keeps the page's files, and icons."""
import hashlib
import json
import shutil

PAGE = "spokelength.html"
MANIFEST = "manifest.webmanifest"
WORKER = "sw.js"
ICONS = ("calculator.svg", "calculator-128.png", "calculator-256.png")


def worker(template, page):
    """The service worker for `page` (its text): each page keeps its files in a cache named by
    the page's hash, so that a returning visitor gets a new page as soon as there is one."""
    tag = hashlib.sha256(page.encode()).hexdigest()[:16]
    return (template.replace("@CACHE@", f"spokelength-{tag}")
            .replace("@FILES@", json.dumps([PAGE, MANIFEST, *ICONS])))


def manifest(title):
    return json.dumps({
        "name": title, "short_name": title, "lang": "zh-CN", "start_url": PAGE,
        "display": "standalone", "background_color": "#efefef", "theme_color": "#000080",
        "icons": [{"src": "calculator.svg", "sizes": "any", "type": "image/svg+xml"},
                  {"src": "calculator-128.png", "sizes": "128x128", "type": "image/png"},
                  {"src": "calculator-256.png", "sizes": "256x256", "type": "image/png"}],
    }, ensure_ascii=False, indent=2) + "\n"


def write(output, page, title, worker_template, pictures):
    (output / WORKER).write_text(worker(worker_template, page), encoding="utf-8")
    (output / MANIFEST).write_text(manifest(title), encoding="utf-8")
    shutil.copyfile(pictures / "calculator.svg", output / "calculator.svg")
    for icon in ICONS[1:]:
        shutil.copyfile(pictures / "rendered" / icon, output / icon)
