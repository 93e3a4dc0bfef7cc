#!/usr/bin/env python3
"""Writes the web page as one file: the template with its style, the core
(the compiled module, wasm included) and the page's script inlined, and the
icon as a data: address, so that the page opened from disk needs nothing else."""
import argparse
import base64
import pathlib


def inline_script(text):
    # A script element ends at the first "</script", wherever it stands.
    return text.replace("</script", "<\\/script")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("template", "style", "core", "script", "icon", "out"):
        parser.add_argument("--" + name, required=True, type=pathlib.Path)
    args = parser.parse_args()
    icon = "data:image/svg+xml;base64," + base64.b64encode(args.icon.read_bytes()).decode("ascii")
    page = args.template.read_text(encoding="utf-8")
    for placeholder, text in (
        ("@STYLE@", args.style.read_text(encoding="utf-8")),
        ("@ICON@", icon),
        ("@CORE@", inline_script(args.core.read_text(encoding="utf-8"))),
        ("@SCRIPT@", inline_script(args.script.read_text(encoding="utf-8"))),
    ):
        if placeholder not in page:
            raise SystemExit(f"{args.template}: no {placeholder}")
        page = page.replace(placeholder, text)
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
