#!/usr/bin/env python3
"""Writes the shipped lessons' French texts as marked texts of the "Lesson" context, one
per line, for lupdate alone: so the lessons' texts join the catalogue of every language
and translators find them beside the interface's. Nothing compiles the file.

Usage: lesson_texts.py LESSON_DIR OUTPUT_FILE
"""
import json
import sys
from pathlib import Path

TEXTS = ("theme", "title", "introduction", "question", "explanation", "follow-up", "teacher-notes")


def french_texts(lesson: dict) -> list:
    texts = [lesson[key]["fr"] for key in TEXTS if key in lesson]
    choices = lesson.get("choices", [])
    return texts + [choice["fr"] for choice in choices] + [c["why"]["fr"] for c in choices if "why" in c]


def main() -> None:
    directory, output = Path(sys.argv[1]), Path(sys.argv[2])
    seen, lines = set(), ["// Generated from data/lessons by scripts/lesson_texts.py, for lupdate."]
    for path in sorted(directory.glob("*.json")):
        for text in french_texts(json.loads(path.read_text(encoding="utf-8"))):
            if text not in seen:
                seen.add(text)
                lines.append(f"VIREFLU_UI_TEXT(\"Lesson\", {json.dumps(text, ensure_ascii=False)})")
    content = "\n".join(lines) + "\n"
    if not output.exists() or output.read_text(encoding="utf-8") != content:
        output.write_text(content, encoding="utf-8")


if __name__ == "__main__":
    main()
