#!/usr/bin/env python3
"""The manual's Markdown as a French reader and a command-line user read it.

Usage: manual_text_test.py MANUEL.md BRONTAXE-CLI

- French typography: a non-breaking space (fine before ; ? !) where a plain one would let the
  line break before « : ; ? ! » or inside « »; code, links and headings' marks left alone.
  Every space found missing is counted and shown.
- The command-line chapter names every option `brontaxe-cli --help` gives, and none it does
  not.
"""
import re
import subprocess
import sys

PROTECTED = re.compile(r"`[^`]*`|\]\([^)]*\)|https?://\S+")
MISSING = re.compile(r"(?<=[^\s|]) [:;?!»]|« ")


def prose_lines(text):
    """(number, line) outside fenced code, with code spans, link targets and the marks that
    open headings and list items taken out."""
    fence = False
    for number, line in enumerate(text.split("\n"), 1):
        if line.startswith("```"):
            fence = not fence
            continue
        if fence:
            continue
        line = re.sub(r"^(#+ |\s*(?:[-*]|\d+\.) )", "", line)
        yield number, PROTECTED.sub("x", line)


def missing_spaces(text):
    return [(n, line) for n, line in prose_lines(text) for _ in MISSING.finditer(line)]


def options(text):
    return set(re.findall(r"(?<![\w-])(--?[a-z][a-z0-9-]*)", text))


def command_line_chapter(text):
    start = text.index("\n# La ligne de commande")
    end = text.index("\n# ", start + 1)
    return text[start:end]


def main():
    manual, cli = sys.argv[1:3]
    text = open(manual, encoding="utf-8").read()
    failures = []

    # The check itself, on a line with every fault and one with none.
    planted = "Un mot : deux ; trois ? quatre ! « cinq » `code : ici` [lien](a:b)"
    if len(missing_spaces(planted)) != 6:
        failures.append(f"the typography check counts {len(missing_spaces(planted))} of 6")
    if missing_spaces("Un mot\u00a0: deux\u202f; «\u00a0cinq\u00a0» C:\\ `x : y`"):
        failures.append("the typography check finds faults in a right line")

    missing = missing_spaces(text)
    for n, line in missing[:20]:
        failures.append(f"line {n}: plain space: {line.strip()[:90]}")
    if missing:
        failures.append(f"{len(missing)} non-breaking spaces missing")

    help_text = subprocess.run([cli, "--help"], check=True, capture_output=True,
                               text=True).stdout
    given = set()
    for line in help_text.splitlines():
        m = re.match(r"^\s+(-[^ ]+)", line)
        if m:
            given |= set(m.group(1).split(","))
    documented = options(command_line_chapter(text))
    for option in sorted(given - documented):
        failures.append(f"the manual's command line lacks {option}")
    for option in sorted(documented - given):
        failures.append(f"the manual's command line names {option}, which --help does not")

    for f in failures:
        print("FAIL:", f)
    print(f"{len(given)} options of --help compared; {len(missing)} spaces missing")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
