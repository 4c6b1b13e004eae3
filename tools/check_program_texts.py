#!/usr/bin/env python3
"""Checks that every text the program adds (numbers 82 on) stands in both language
files under its number, the English one with the same wording as the code's fallback."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(__file__))


def numbers():
    enum = open(os.path.join(root, "i18n/program_texts.h"), encoding="utf-8").read()
    body = enum[enum.index("enum class ProgramText"):enum.index("Last =")]
    ids, number = {}, None
    for name, value in re.findall(r"^\s+([A-Za-z0-9]+)(?: = (\d+))?,", body, re.M):
        number = int(value) if value else number + 1
        ids[name] = number
    return ids


def fallbacks():
    texts = {}
    for path in glob.glob(os.path.join(root, "*/**/*.cpp"), recursive=True):
        if "/tests/" in path or "/build" in path:
            continue
        source = open(path, encoding="utf-8").read()
        for m in re.finditer(r'programText\(\s*ProgramText::(\w+),\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)', source):
            literal = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', m.group(2)))
            texts[m.group(1)] = literal.replace("\\n", "\n").replace('\\"', '"')
        for m in re.finditer(r'\{ProgramText::(\w+), "([^"]*)"\}', source):
            texts[m.group(1)] = m.group(2)
    return texts


def translations(language):
    tree = ET.parse(os.path.join(root, "i18n", language + ".ts"))
    return {int(m.get("id")): (m.findtext("source"), m.findtext("translation"))
            for m in tree.iter("message")}


problems = []
ids, texts = numbers(), fallbacks()
english, chinese = translations("english"), translations("chinese")
for name, number in ids.items():
    if name not in texts:
        problems.append(f"{name} ({number}) is used nowhere with its English text")
    elif english.get(number, (None, None))[1] != texts[name]:
        problems.append(f"english.ts {number} differs from the code's text of {name}")
    if not chinese.get(number, (None, ""))[1]:
        problems.append(f"chinese.ts has no text {number} ({name})")
for problem in problems:
    print(problem)
print(f"{len(ids) - len(problems)} passed, {len(problems)} failed")
sys.exit(1 if problems else 0)
