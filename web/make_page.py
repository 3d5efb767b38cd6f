#!/usr/bin/env python3
"""Makes one self-contained page of a program: the compiled program (its
script and its WebAssembly), the page script, the styles, the icon and
the embedded fonts, all in one HTML file under a Content-Security-Policy
that lets the page load and connect to nothing.

  make_page.py --template page.html --program X.js --wasm X.wasm --script window.js
      --style window.css --icon velk.svg --title T --version V
      --font FAMILY:WEIGHT:FILE ... --notice FILE ... --out X.html
      [--served DIR/X.html --offline offline.js]

--served writes the same page for a web server's folder besides: its
script registers the folder's service worker (--offline), it names its web
app manifest (X.webmanifest beside it), and its policy lets it have these
two, with the manifest's icons, from its own server and nothing more.
"""
import argparse
import base64
import hashlib
import json
import os
import re
import sys

MAX_BYTES = 1_500_000


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def css_color(style, name):
    """The colour the stylesheet gives its custom property `name`."""
    found = re.search(r"--" + re.escape(name) + r":\s*(#[0-9a-fA-F]{3,8})\s*;", style)
    if not found:
        sys.exit(f"make_page: the stylesheet gives no --{name}")
    return found.group(1)


def fill(template, values):
    """`template` with each @NAME@ replaced by values[NAME]."""
    return re.sub(r"@([A-Z]+)@", lambda m: values[m.group(1)], template)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def icon_markup(path):
    svg = read(path)
    svg = re.sub(r"<\?xml.*?\?>", "", svg, flags=re.S)
    svg = re.sub(r"<!--.*?-->", "", svg, flags=re.S)
    svg = re.sub(r"<title>.*?</title>", "", svg, flags=re.S)
    svg = svg.replace("<svg ", '<svg aria-hidden="true" ', 1)
    return re.sub(r">\s+<", "><", svg.strip())


def main():
    parser = argparse.ArgumentParser()
    for option in ("template", "program", "wasm", "script", "style", "icon", "title", "version", "out"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--font", action="append", default=[])
    parser.add_argument("--notice", action="append", default=[])
    parser.add_argument("--served")
    parser.add_argument("--offline")
    args = parser.parse_args()
    if bool(args.served) != bool(args.offline):
        parser.error("--served and --offline go together")

    fonts = []
    for spec in args.font:
        family, weight, path = spec.split(":", 2)
        with open(path, "rb") as f:
            fonts.append({"family": family, "weight": weight,
                          "data": base64.b64encode(f.read()).decode("ascii")})
    # The program's WebAssembly, handed over as bytes: the program's script
    # fetches nothing then.
    with open(args.wasm, "rb") as f:
        wasm = base64.b64encode(f.read()).decode("ascii")
    script = ("var VelkFonts = " + json.dumps(fonts) + ";\n" +
              "var Module = {wasmBinary: Uint8Array.from(atob('" + wasm + "'), " +
              "function (c) { return c.charCodeAt(0); })};\n" +
              read(args.script) + "\n" + read(args.program))
    style = read(args.style)
    notices = "\n\n".join(read(path).strip().replace("--", "- -") for path in args.notice)
    values = {"TITLE": args.title, "VERSION": args.version, "NOTICES": notices,
              "ICON": icon_markup(args.icon), "STYLE": style}
    template = read(args.template)
    write(args.out, template, values, script, [])
    if args.served:
        manifest = os.path.splitext(os.path.basename(args.served))[0] + ".webmanifest"
        served = dict(values, HEAD=f'\n<link rel="manifest" href="{manifest}">'
                                   f'\n<meta name="theme-color" content="{css_color(style, "velk-title")}">')
        write(args.served, template, served, read(args.offline) + "\n" + script,
              # The browser fetches the manifest's icons under the page's policy.
              ["worker-src 'self'", "manifest-src 'self'", "img-src 'self'"])


def write(path, template, values, script, allowed):
    """The page at `path`, its policy the single file's and `allowed`."""
    for name, text in (("script", script), ("style", values["STYLE"])):
        if re.search(r"</(script|style)", text, re.I):
            sys.exit(f"make_page: the {name} would end its element early")
    # No source of any kind but the page's own script (and the WebAssembly
    # it compiles) and style; no form, frame or base address.
    csp = "; ".join([
        "default-src 'none'",
        f"script-src {source_hash(script)} 'wasm-unsafe-eval'",
        f"style-src {source_hash(values['STYLE'])}",
        "base-uri 'none'",
        "form-action 'none'",
    ] + allowed)
    values = dict({"HEAD": ""}, **values, CSP=csp, SCRIPT=script)
    page = fill(template, values)
    data = page.encode("utf-8")
    if len(data) > MAX_BYTES:
        sys.exit(f"make_page: {path} would be {len(data)} bytes, over {MAX_BYTES}")
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
