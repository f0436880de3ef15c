#!/usr/bin/env python3
"""Builds the one-file page: web/index.html with its style sheet, the compiled core (whose
WebAssembly is already inlined) and the front-end's JavaScript modules put inside it, and
the program's icon as a data URL, and the catalogue of every language (page_catalogue.py).
Nothing is fetched when the page runs.

The modules are joined in dependency order into one inline module script: their import
lines are dropped and the `export` keywords removed, so their top-level names must differ.

Usage: inline_page.py WEB_DIR CORE_JS ICON_SVG CATALOGUE_JSON OUTPUT_HTML
"""
import base64
import re
import sys
from pathlib import Path

IMPORT = re.compile(r'^import\s+\{[^}]*\}\s+from\s+"\./([\w-]+\.js)";\s*$', re.M)


def joined_modules(web: Path, entry: str) -> str:
    order, seen = [], set()

    def visit(name: str) -> None:
        if name in seen:
            return
        seen.add(name)
        text = (web / name).read_text(encoding="utf-8")
        for dependency in IMPORT.findall(text):
            visit(dependency)
        order.append(f"// {name}\n" + re.sub(r"^export\s+", "", IMPORT.sub("", text), flags=re.M))

    visit(entry)
    return "\n".join(order)


def script(text: str) -> str:
    # A script element ends at the first "</script", wherever it stands.
    return text.replace("</script", "<\\/script")


def main() -> None:
    web, core_js, icon, catalogue, output = (Path(a) for a in sys.argv[1:6])
    page = (web / "index.html").read_text(encoding="utf-8")
    icon_url = "data:image/svg+xml;base64," + base64.b64encode(icon.read_bytes()).decode()
    pieces = {
        "vireflu.svg": icon_url,  # first, so no inlined script is searched for it
        '<link rel="stylesheet" href="style.css">':
            "<style>\n" + (web / "style.css").read_text(encoding="utf-8") + "</style>",
        '<script src="vireflu.js"></script>':
            "<script>\n" + script(core_js.read_text(encoding="utf-8")) + "</script>",
        '<script id="catalogue" type="application/json">{}</script>':
            '<script id="catalogue" type="application/json">' + script(catalogue.read_text(encoding="utf-8")) + "</script>",
        '<script type="module" src="main.js"></script>':
            '<script type="module">\n' + script(joined_modules(web, "main.js")) + "</script>",
    }
    for placeholder, content in pieces.items():
        if placeholder not in page:
            sys.exit(f"inline_page.py: {placeholder} not found in index.html")
        page = page.replace(placeholder, content)
    output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
