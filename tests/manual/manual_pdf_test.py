#!/usr/bin/env python3
"""The user manual's PDF as a reader sees it, through poppler (pdfinfo, pdftotext).

Usage: manual_pdf_test.py MANUAL.pdf BRONTAXE-MANUAL STRINGS.txt

- it has the pages of a manual, and its title, in a file light enough to send (under 3 MB);
- every line of its table of contents names a heading found on the page it gives;
- the chapters and tutorials a user looks for are in the contents;
- every menu command of the window, by its own caption in the string table, is explained;
- no line of text is written twice (a paragraph cut by a page foot would be: once on each
  page, the copy hidden by the clip but found by search and copy);
- the maker refuses a manual whose picture is missing, rather than leave a hole in it.
"""
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

# The contents must lead to these (the five tutorials, the menus, the command line).
CONTENTS = [
    "Installer et lancer", "La fenêtre principale", "Les menus", "Fichier", "Affichage",
    "Options", "Morceaux", "Passages-Machine", "Outils", "Les boîtes de dialogue",
    "Autres Dimensions", "Majorations", "Configuration", "Section", "Calcul RCV",
    "Palettisation", "Tutoriels", "La première caisse", "Une imposition",
    "Une caisse télescopique avec son couvercle", "L'éditeur de majorations",
    "Exporter pour la table de découpe", "La ligne de commande",
]
# String-table entries of the window's menu commands.
MENU_ENTRIES = [31, 32, 33, 34, 35, 36, 37, 41, 42, 43, 44, 46, 47, 51, 52, 53, 61, 62, 63,
                64, 65, 66, 67, 81, 82, 900, 1551, 1552, 1553, 1554, 1555]
# The pieces and passes menus, which have no entry in the string table.
MENU_CAPTIONS = ["Tous", "Couvercle / Extérieur", "Faces", "Fond / Intérieur",
                 "Caisse en 2 morceaux", "Caisse en 4 morceaux", "Sens Passage X",
                 "Sens Passage Y", "Passages-Machine...", "Vue pliée 3D", "Règles de la forme"]
PAGES = range(15, 80)
# Pictures at print resolution, not at their full size.
MAX_BYTES = 3_000_000


def normal(text):
    # poppler gives ligatures ("ﬁ") as single characters, and blanks as they fall.
    return re.sub(r"[ \t]+", " ", unicodedata.normalize("NFKC", text))


def pdftotext(pdf, *args):
    out = subprocess.run(["pdftotext", "-enc", "UTF-8", *args, pdf, "-"], check=True,
                         capture_output=True, text=True).stdout
    return normal(out)


def contents_lines(pdf):
    """(title, page) of each line of the contents: the text of the first pages, from the
    heading "Table des matières" to the first page that holds none."""
    entries = []
    started = False
    for page in range(1, 6):
        lines = pdftotext(pdf, "-layout", "-f", str(page), "-l", str(page)).splitlines()
        found = []
        for line in lines:
            if line.strip() == "Table des matières":
                started = True
                continue
            m = re.match(r"^\s*(\S.*?)\s{2,}(\d+)\s*$", line) or \
                re.match(r"^\s*(\S.*?) (\d+)\s*$", line)
            if started and m:
                found.append((m.group(1).strip(), int(m.group(2))))
        if started and not found and entries:
            break
        entries += found
    return entries


def menu_captions(strings):
    table = {}
    with open(strings, encoding="utf-8") as f:
        for line in f:
            number, _, text = line.rstrip("\n").partition("\t")
            if number.isdigit():
                table[int(number)] = text
    return [table[n] for n in MENU_ENTRIES] + MENU_CAPTIONS


def main():
    pdf, tool, strings = sys.argv[1:4]
    failures = []
    info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    if pages not in PAGES:
        failures.append(f"{pages} pages, expected {PAGES.start} to {PAGES.stop - 1}")
    size = os.path.getsize(pdf)
    if size > MAX_BYTES:
        failures.append(f"{size / 1e6:.1f} MB, more than {MAX_BYTES / 1e6:.0f} MB")
    if "Brontaxe — manuel de l'utilisateur" not in info:
        failures.append("no title in the PDF's information")

    entries = contents_lines(pdf)
    titles = [t for t, _ in entries]
    for wanted in CONTENTS:
        if wanted not in titles:
            failures.append(f"the contents lack \"{wanted}\"")
    for title, page in entries:
        if not 1 <= page <= pages:
            failures.append(f"\"{title}\" on page {page} of {pages}")
            continue
        lines = [l.strip() for l in pdftotext(pdf, "-f", str(page), "-l", str(page)).splitlines()]
        if title not in lines:
            failures.append(f"\"{title}\" is not a line of page {page}")

    body = pdftotext(pdf)
    seen = set()
    for line in body.splitlines():
        line = line.strip()
        if len(line) > 40 and line in seen and line not in titles:
            failures.append(f"written twice: \"{line}\"")
        seen.add(line)

    text = re.sub(r"\s+", " ", body)  # a caption may run over two lines
    for caption in menu_captions(strings):
        if normal(caption) not in text:
            failures.append(f"the menu command \"{caption}\" is not in the manual")

    with tempfile.TemporaryDirectory() as d:
        md = os.path.join(d, "m.md")
        with open(md, "w", encoding="utf-8") as f:
            f.write("# Titre\n\n![absente](nulle-part.png)\n")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        r = subprocess.run([tool, md, os.path.join(d, "m.pdf")], capture_output=True,
                           text=True, env=env)
        if r.returncode == 0 or "nulle-part.png" not in r.stderr:
            failures.append(f"a missing picture was not refused ({r.returncode}: {r.stderr})")

    for f in failures:
        print("FAIL:", f)
    print(f"{pages} pages, {len(entries)} lines of contents checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
