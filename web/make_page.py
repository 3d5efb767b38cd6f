#!/usr/bin/env python3
"""Makes one self-contained page of a program: the compiled program (its
script and its WebAssembly), the page script, the styles, the icon and
the embedded fonts, all in one HTML file under a Content-Security-Policy
that lets the page load and connect to nothing.

  make_page.py --template page.html --program X.js --wasm X.wasm --script window.js
      --style window.css --icon velk.svg --title T --version V
      --font FAMILY:WEIGHT:FILE ... --notice FILE ... --out X.html
"""
import argparse
import base64
import hashlib
import json
import re
import sys

MAX_BYTES = 1_500_000


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


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
    args = parser.parse_args()

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
    for name, text in (("script", script), ("style", style)):
        if re.search(r"</(script|style)", text, re.I):
            sys.exit(f"make_page: the {name} would end its element early")

    # No source of any kind but the page's own script (and the WebAssembly
    # it compiles) and style; no form, frame or base address.
    csp = "; ".join([
        "default-src 'none'",
        f"script-src {source_hash(script)} 'wasm-unsafe-eval'",
        f"style-src {source_hash(style)}",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    notices = "\n\n".join(read(path).strip().replace("--", "- -") for path in args.notice)
    values = {"CSP": csp, "TITLE": args.title, "VERSION": args.version, "NOTICES": notices,
              "ICON": icon_markup(args.icon), "STYLE": style, "SCRIPT": script}
    page = re.sub(r"@([A-Z]+)@", lambda m: values[m.group(1)], read(args.template))
    data = page.encode("utf-8")
    if len(data) > MAX_BYTES:
        sys.exit(f"make_page: {args.out} would be {len(data)} bytes, over {MAX_BYTES}")
    with open(args.out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
