#!/usr/bin/env python3
"""The catalogue: every text in every language, finished, with the source's placeholders
(%1, %n) and its one access key ("&") or none.

Usage: catalogue_test.py TRANSLATIONS_DIR
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:\d|n)")
ACCESS_KEY = re.compile(r"&(?!&)")


def messages(ts: Path) -> dict:
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            forms = [t.text or "" for t in message.iter("numerusform")] or [message.findtext("translation") or ""]
            found[(context.findtext("name"), message.findtext("source"))] = (message.find("translation").get("type"), forms)
    return found


def faults(language: str, catalogue: dict, keys: set) -> list:
    found = [f"{language}: missing {key}" for key in sorted(keys - catalogue.keys())]
    for (context, source), (state, forms) in sorted(catalogue.items()):
        where = f"{language} {context} «{source}»"
        if state is not None:
            found.append(f"{where}: {state}")
        for form in forms:
            if not form.strip():
                found.append(f"{where}: empty")
            elif sorted(PLACEHOLDER.findall(form)) != sorted(PLACEHOLDER.findall(source)):
                found.append(f"{where}: placeholders of «{form}»")
            elif len(ACCESS_KEY.findall(form)) != len(ACCESS_KEY.findall(source)):
                found.append(f"{where}: access keys of «{form}»")
    return found


def main() -> int:
    files = sorted(Path(sys.argv[1]).glob("vireflu_*.ts"))
    catalogues = {ts.stem.split("_", 1)[1]: messages(ts) for ts in files}
    keys = set().union(*(c.keys() for c in catalogues.values()))
    found = [fault for language, c in catalogues.items() for fault in faults(language, c, keys)]
    for fault in found:
        print(fault)
    print(", ".join(f"{language}: {len(c)} texts" for language, c in catalogues.items()))
    return 1 if found or len(catalogues) < 6 else 0


if __name__ == "__main__":
    sys.exit(main())
