#!/usr/bin/env python3
"""Writes the web page as one file: the template with its style, the core
(the compiled module, wasm included) and the page's script inlined, and the
icon as a data: address, so that the page opened from disk needs nothing else.

Beside it go what a served page needs to be installed and used offline: its
manifest, with the colours of the style's light scheme, and its service
worker, whose cache is named after the page, the manifest and the icons."""
import argparse
import base64
import hashlib
import json
import pathlib
import re


def inline_script(text):
    # A script element ends at the first "</script", wherever it stands.
    return text.replace("</script", "<\\/script")


def fill(template, name, values):
    for placeholder, text in values:
        if placeholder not in template:
            raise SystemExit(f"{name}: no {placeholder}")
        template = template.replace(placeholder, text)
    return template


def light_colour(style, variable):
    """A colour of the style's first :root block: the light scheme."""
    root = re.search(r":root\s*\{([^}]*)\}", style)
    found = root and re.search(rf"{re.escape(variable)}\s*:\s*(#[0-9a-fA-F]{{3,8}})\s*;",
                               root.group(1))
    if not found:
        raise SystemExit(f"the style's :root has no {variable} colour")
    return found.group(1)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("template", "style", "core", "script", "icon", "manifest", "worker", "out"):
        parser.add_argument("--" + name, required=True, type=pathlib.Path)
    parser.add_argument("--app-icon", required=True, action="append", type=pathlib.Path,
                        help="an icon the manifest names, already in the page's folder")
    args = parser.parse_args()
    icon = "data:image/svg+xml;base64," + base64.b64encode(args.icon.read_bytes()).decode("ascii")
    style = args.style.read_text(encoding="utf-8")
    page = fill(args.template.read_text(encoding="utf-8"), args.template, (
        ("@STYLE@", style),
        ("@ICON@", icon),
        ("@CORE@", inline_script(args.core.read_text(encoding="utf-8"))),
        ("@SCRIPT@", inline_script(args.script.read_text(encoding="utf-8"))),
    ))
    manifest = fill(args.manifest.read_text(encoding="utf-8"), args.manifest, (
        ("@BACKGROUND@", light_colour(style, "--bg")),
        ("@THEME@", light_colour(style, "--accent")),
    ))
    folder = args.out.parent
    manifest_path = folder / args.manifest.name
    named = {icon["src"] for icon in json.loads(manifest)["icons"]}
    given = {path.name for path in args.app_icon}
    if named != given:
        raise SystemExit(f"the manifest names the icons {sorted(named)}, given {sorted(given)}")

    # The cache's name changes whenever any file it keeps does.
    files = [(args.out.name, page.encode("utf-8")), (manifest_path.name, manifest.encode("utf-8"))]
    files += [(path.name, path.read_bytes()) for path in sorted(args.app_icon)]
    digest = hashlib.sha256()
    for name, content in files:
        digest.update(name.encode("utf-8") + b"\0" + hashlib.sha256(content).digest())
    worker = fill(args.worker.read_text(encoding="utf-8"), args.worker, (
        ("@CACHE@", "tachoria-" + digest.hexdigest()[:16]),
        ("@FILES@", json.dumps([name for name, _ in files])),
    ))

    folder.mkdir(parents=True, exist_ok=True)
    args.out.write_text(page, encoding="utf-8")
    manifest_path.write_text(manifest, encoding="utf-8")
    (folder / args.worker.name).write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
