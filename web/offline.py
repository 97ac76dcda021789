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
ICON = "calculator.svg"


def png(size):
    return f"calculator-{size}.png"


def worker(template, page, icon_sizes):
    """The service worker for `page` (its text): each page keeps its files in a cache named by
    the page's hash, so that a returning visitor gets a new page as soon as there is one."""
    tag = hashlib.sha256(page.encode()).hexdigest()[:16]
    files = [PAGE, MANIFEST, ICON, *map(png, icon_sizes)]
    return (template.replace("@CACHE@", f"spokelength-{tag}")
            .replace("@FILES@", json.dumps(files)))


def manifest(title, colours, icon_sizes):
    """The web app manifest: the page's title, its window's and title strip's colours (the
    styles' "window" and "title"), its icons."""
    return json.dumps({
        "name": title, "short_name": title, "lang": "zh-CN", "start_url": PAGE,
        "display": "standalone", "background_color": colours["window"],
        "theme_color": colours["title"],
        "icons": [{"src": ICON, "sizes": "any", "type": "image/svg+xml"},
                  *({"src": png(size), "sizes": f"{size}x{size}", "type": "image/png"}
                    for size in icon_sizes)],
    }, ensure_ascii=False, indent=2) + "\n"


def write(output, page, title, colours, worker_template, pictures, icon_sizes):
    """The manifest, the worker and the icons beside `page`: the drawing and the PNG renderings
    of `icon_sizes`."""
    (output / WORKER).write_text(worker(worker_template, page, icon_sizes), encoding="utf-8")
    (output / MANIFEST).write_text(manifest(title, colours, icon_sizes), encoding="utf-8")
    shutil.copyfile(pictures / ICON, output / ICON)
    for size in icon_sizes:
        shutil.copyfile(pictures / "rendered" / png(size), output / png(size))
