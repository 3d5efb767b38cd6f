#!/usr/bin/env python3
"""Makes the folder for a static web server around the served pages (which
make_page.py --served writes into it): a web app manifest for each page
with the icons, an index page that leads to each, and the service worker
that keeps them all for when the network is gone.

  make_site.py --dir DIR --index index.html --worker service_worker.js
      --offline offline.js --style window.css --title T --version V
      --page X.html:X.desktop ... --icon FILE ...

A page's name and description are its desktop entry's Name and Comment.
"""
import argparse
import hashlib
import html
import json
import os
import re
import shutil
import struct
import sys

from make_page import css_color, fill, read, source_hash

WORKER = "service-worker.js"


def desktop_entry(path):
    entry = dict(re.findall(r"^(Name|Comment)=(.*)$", read(path), flags=re.M))
    if set(entry) != {"Name", "Comment"}:
        sys.exit(f"make_site: {path} lacks its Name or its Comment")
    return entry


def icon_entry(path, name):
    if path.endswith(".svg"):
        return {"src": name, "sizes": "any", "type": "image/svg+xml"}
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"make_site: {path} is neither PNG nor SVG")
    width, height = struct.unpack(">II", header[16:24])
    return {"src": name, "sizes": f"{width}x{height}", "type": "image/png"}


def main():
    parser = argparse.ArgumentParser()
    for option in ("dir", "index", "worker", "offline", "style", "title", "version"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--page", action="append", required=True)
    parser.add_argument("--icon", action="append", required=True)
    args = parser.parse_args()
    style = read(args.style)
    theme, background = css_color(style, "velk-title"), css_color(style, "velk-desktop")

    os.makedirs(os.path.join(args.dir, "icons"), exist_ok=True)
    icons = []
    for path in args.icon:
        name = "icons/" + os.path.basename(path)
        shutil.copyfile(path, os.path.join(args.dir, name))
        icons.append(icon_entry(path, name))

    links = []
    for spec in args.page:
        page, desktop = spec.split(":", 1)
        if not os.path.isfile(os.path.join(args.dir, page)):
            sys.exit(f"make_site: {page} is not in {args.dir}")
        entry = desktop_entry(desktop)
        # Each page an app of its own: its own id and scope, within the
        # worker's folder.
        manifest = {
            "id": page, "name": entry["Name"], "short_name": entry["Name"],
            "description": entry["Comment"], "start_url": page, "scope": page,
            "display": "standalone", "orientation": "any",
            "background_color": background, "theme_color": theme, "icons": icons,
        }
        with open(os.path.join(args.dir, os.path.splitext(page)[0] + ".webmanifest"), "w",
                  encoding="utf-8") as f:
            json.dump(manifest, f, indent=2, ensure_ascii=False)
            f.write("\n")
        links.append(f'<li><a href="{html.escape(page)}">{html.escape(entry["Name"])}</a>'
                     f'<span>{html.escape(entry["Comment"])}</span></li>')

    index_style = ("body { margin: 0; background: " + background + "; color: #fff;"
                   " font: 16px sans-serif; }\n"
                   "main { max-width: 36em; margin: 0 auto; padding: 1em; }\n"
                   "ul { list-style: none; padding: 0; }\n"
                   "li { margin: 0 0 1em; }\n"
                   "a { display: block; padding: .75em 1em; line-height: 1.5;"
                   " background: " + theme + "; color: #fff; font-weight: bold; }\n"
                   "span { display: block; margin: .25em 0 0; }")
    script = read(args.offline)
    csp = "; ".join(["default-src 'none'", f"script-src {source_hash(script)}",
                     f"style-src {source_hash(index_style)}", "worker-src 'self'",
                     "base-uri 'none'", "form-action 'none'"])
    index = fill(read(args.index), {"CSP": csp, "THEME": theme, "TITLE": html.escape(args.title),
                                    "VERSION": html.escape(args.version), "STYLE": index_style,
                                    "LINKS": "\n".join(links), "SCRIPT": script})
    with open(os.path.join(args.dir, "index.html"), "w", encoding="utf-8") as f:
        f.write(index)

    # Every file of the folder, and a digest of them all that changes with any.
    files = sorted(["index.html"] + [icon["src"] for icon in icons] +
                   [name for spec in args.page for page in [spec.split(":", 1)[0]]
                    for name in (page, os.path.splitext(page)[0] + ".webmanifest")])
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(args.dir, name), "rb") as f:
            digest.update(name.encode("utf-8") + b"\0" + hashlib.sha256(f.read()).digest())
    worker = read(args.worker)
    for marker, value in (("FILES", files), ("DIGEST", digest.hexdigest()[:16])):
        worker, count = re.subn(r"/\*@" + marker + r"@\*/ [^;]*;", json.dumps(value) + ";", worker)
        if count != 1:
            sys.exit(f"make_site: {args.worker} has no @{marker}@")
    with open(os.path.join(args.dir, WORKER), "w", encoding="utf-8") as f:
        f.write(worker)


if __name__ == "__main__":
    main()
