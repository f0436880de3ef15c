#!/usr/bin/env python3
"""Writes the page's catalogue: every finished translation of src/app/translations/*.ts as
one JSON object, {"de": {"Menu": {"&Général": "&Allgemein", ...}, ...}, ...}, which
inline_page.py puts inside vireflu.html. The .ts files stay the one source of every text;
French, in which the texts are written, needs no entry.

Usage: page_catalogue.py TRANSLATIONS_DIR OUTPUT_JSON
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def catalogue(ts: Path) -> dict:
    contexts = {}
    for context in ET.parse(ts).getroot().iter("context"):
        texts = contexts.setdefault(context.findtext("name"), {})
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("unfinished", "vanished", "obsolete") or not translation.text:
                continue
            texts[message.findtext("source")] = translation.text
    return {name: texts for name, texts in contexts.items() if texts}


def main() -> None:
    directory, output = Path(sys.argv[1]), Path(sys.argv[2])
    languages = {ts.stem.split("_", 1)[1]: catalogue(ts) for ts in sorted(directory.glob("vireflu_*.ts"))}
    output.write_text(json.dumps(languages, ensure_ascii=False, separators=(",", ":")), encoding="utf-8")


if __name__ == "__main__":
    main()
