#!/usr/bin/env python3
"""What the shipped lessons state (introduction, explanation, follow-up, why a choice tempts,
the teacher's notes) holds, in every language, no speed, frequency, slip or sense of its own:
only the French text's placeholders, which the simulator fills. Usage: lesson_texts_test.py LESSON_DIR TRANSLATIONS_DIR"""
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"\{[a-z0-9-]+\}")
UNITS = (r"tr/min|rpm|U/min|giri/min|Hz|tours par seconde|turns (?:a|per) second|"
         r"Umdrehungen pro Sekunde|vueltas por segundo|giri al secondo|voltas por segundo")
FIGURES = [
    ("a speed or frequency", re.compile(r"\d[\d.,]*\s*(?:" + UNITS + r")\b|\d[\d.,]*\s*(?:دورة/دقيقة|هرتز)")),
    ("a slip or decimal figure", re.compile(r"\d+[.,]\d+")),
    ("a slip", re.compile(r"\bg\s*=\s*[-+]?\d")),
    ("a speed", re.compile(r"(?<![\d×x])[-+]?\d{3,}(?![\d°])")),
]
SENSES = {
    "fr": r"horaire|trigonométrique", "en": r"clockwise", "de": r"uhrzeigersinn",
    "es": r"horario", "it": r"orario", "pt": r"horário", "ar": r"عقارب الساعة",
}


def catalogue(ts: Path) -> dict:
    for context in ET.parse(ts).getroot().iter("context"):
        if context.findtext("name") == "Lesson":
            return {m.findtext("source"): m.findtext("translation") or "" for m in context.iter("message")}
    return {}


def faults(where: str, language: str, text: str, source: str) -> list:
    found = []
    if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
        found.append(f"{where} [{language}]: placeholders differ from the French: «{text}»")
    stated = PLACEHOLDER.sub(" ", text)
    for what, pattern in FIGURES + [("a sense", re.compile(SENSES[language], re.IGNORECASE))]:
        if match := pattern.search(stated):
            found.append(f"{where} [{language}]: {what} of its own, «{match.group(0)}», in «{text}»")
    return found


def main() -> int:
    lessons, translations = Path(sys.argv[1]), Path(sys.argv[2])
    catalogues = {ts.stem.split("_", 1)[1]: catalogue(ts) for ts in sorted(translations.glob("vireflu_*.ts"))}
    found = []
    for path in sorted(lessons.glob("*.json")):
        lesson = json.loads(path.read_text(encoding="utf-8"))
        stated = [(key, lesson[key]) for key in ("introduction", "explanation", "follow-up", "teacher-notes") if key in lesson]
        stated += [(f"why {c['value']}", c["why"]) for c in lesson.get("choices", []) if "why" in c]
        for key, text in stated:
            french = text["fr"]
            where = f"{lesson['id']} {key}"
            found += faults(where, "fr", french, french)
            found += faults(where, "en", text["en"], french)
            for language, texts in catalogues.items():
                if french in texts:
                    found += faults(where, language, texts[french], french)
    print(*found, f"{len(found)} faults in the stated texts of {len(list(lessons.glob('*.json')))} lessons", sep="\n")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
