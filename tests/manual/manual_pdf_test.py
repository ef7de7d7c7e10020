#!/usr/bin/env python3
"""The user manual's PDF as a reader sees it, through poppler (pdfinfo, pdftotext).

Usage: manual_pdf_test.py MANUAL.pdf BRONTAXE-MANUAL STRINGS.txt MANUEL.md

- it has the pages of a manual, and its title, in a file light enough to send (under 3 MB);
- every line of its table of contents names a heading found on the page it gives;
- it opens on its bookmarks, one for each line of the contents, at its heading, in French;
  the bookmarks are the Markdown's chapters and sections, in order and at their level;
  each line of the contents is a link to that heading; qpdf and Ghostscript read it whole;
- the chapters and tutorials a user looks for are in the contents;
- every menu command of the window, by its own caption in the string table, is explained;
- the options' table keeps a column's text apart from the next one's, and no word runs past
  the right margin (a line of code is not broken);
- no line of text is written twice (a paragraph cut by a page foot would be: once on each
  page, the copy hidden by the clip but found by search and copy);
- the maker refuses a manual whose picture is missing, rather than leave a hole in it.
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

# pypdf, as Debian installs it, reads the navigation.
NAVIGATION_READER = ["/usr/bin/python3", os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "support", "pdf_navigation.py")]

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
                 "Sens Passage Y", "Passages-Machine...", "Vue pliée 3D", "Règles de la forme",
                 "Nouveau", "Annuler", "Rétablir", "Mode édition", "RCV (KorRCV)",
                 "Assistant de palettisation…", "Stapelix"]
PAGES = range(15, 80)
# Between two columns of a table, in points: wider than a space (3.2 points in the body's font).
MIN_COLUMN_GAP = 4.5
RIGHT_MARGIN = 595 - 56.7 + 1
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


def text_in(pdf, page, left, top, width, height):
    """The text of a page's rectangle, in points from its top left corner."""
    box = [str(round(v)) for v in (left, top, width, height)]
    return re.sub(r"\s+", " ", pdftotext(pdf, "-f", str(page), "-l", str(page), "-x", box[0],
                                         "-y", box[1], "-W", box[2], "-H", box[3]))


def contents_number_edges(pdf, pages):
    """The right edges of the page numbers in the contents (its first `pages` pages), in
    points; the page's own number at its foot left out."""
    edges = []
    for page in range(1, pages + 1):
        html = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), pdf, "-"],
                              check=True, capture_output=True, text=True).stdout
        for y_min, x_max, word in re.findall(
                r'<word xMin="[\d.]+" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>(\d+)</word>', html):
            if float(y_min) < 760:
                edges.append(float(x_max))
    return edges


def words_by_line(pdf, page):
    """The words of a page, as (left, right, text), on each line by its top."""
    out = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), pdf, "-"],
                         check=True, capture_output=True, text=True).stdout
    lines = {}
    for x0, y0, x1, word in re.findall(
            r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<', out):
        lines.setdefault(round(float(y0)), []).append((float(x0), float(x1), word))
    return [sorted(words) for _, words in sorted(lines.items())]


def crowded_options(pdf, first_page):
    """The rows of the command line's options (on its chapter's first two pages) whose
    option and text touch: no gap between two words wider than a space."""
    crowded = []
    for page in (first_page, first_page + 1):
        for words in words_by_line(pdf, page):
            if len(words) < 2 or not words[0][2].startswith("-"):
                continue
            widest = max(b[0] - a[1] for a, b in zip(words, words[1:]))
            if widest < MIN_COLUMN_GAP:
                crowded.append(" ".join(w for _, _, w in words)[:60])
    return crowded


def words_past_margin(pdf):
    """(page, word) of each word that ends right of the text (A4, margins of 20 mm)."""
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True,
                         text=True).stdout
    past = []
    for page, chunk in enumerate(out.split("<page ")[1:], 1):
        for right, word in re.findall(r'xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<', chunk):
            if float(right) > RIGHT_MARGIN:
                past.append((page, word))
    return past


def markdown_headings(markdown):
    """(level, title) of the chapters and sections after the contents' own heading."""
    headings, fence = [], False
    with open(markdown, encoding="utf-8") as f:
        for line in f:
            if line.startswith("```"):
                fence = not fence
            m = None if fence else re.match(r"(#{1,2}) (.+)", line)
            if m:
                headings.append((len(m.group(1)), m.group(2).strip()))
    titles = [t for _, t in headings]
    return headings[titles.index("Table des matières") + 1:]


def navigation_failures(pdf, entries, markdown):
    """The bookmarks and links against the contents' lines (title, page from 1) and the
    Markdown's headings."""
    failures = []
    read = json.loads(subprocess.run(NAVIGATION_READER + [pdf], check=True, capture_output=True,
                                     text=True).stdout)
    levels = [(level, normal(title).strip()) for level, title, _, _ in read["outline"]]
    wanted = [(level, normal(title)) for level, title in markdown_headings(markdown)]
    if levels != wanted:
        failures.append(f"the bookmarks are not the Markdown's headings: {levels} against "
                        f"{wanted}")
    if read["lang"] != "fr-FR" or read["pagemode"] != "/UseOutlines":
        failures.append(f"language {read['lang']}, page mode {read['pagemode']}")
    height = 841.89  # A4
    marks = [(normal(title).strip(), page + 1) for _, title, page, _ in read["outline"]]
    if marks != entries:
        failures.append(f"the bookmarks are not the contents: {marks} against {entries}")
    for level, title, page, top in read["outline"]:
        # The heading just under the place the bookmark shows.
        if normal(title).strip() not in text_in(pdf, page + 1, 0, height - top, 600, 40):
            failures.append(f"bookmark \"{title}\" is not at its heading")
    links = read["links"]
    if len(links) != len(entries):
        failures.append(f"{len(links)} links for {len(entries)} lines of contents")
    for (page, (x0, y0, x1, y1), to, top), (title, target) in zip(links, entries):
        line = text_in(pdf, page + 1, x0, height - y1, x1 - x0, y1 - y0).strip()
        if not line.startswith(title) or to + 1 != target:
            failures.append(f"the link over \"{line}\" goes to page {to + 1}, not to "
                            f"\"{title}\" on page {target}")
    for command in (["qpdf", "--check", pdf],
                    ["gs", "-q", "-dNODISPLAY", "-dNOPAUSE", "-dBATCH", "-dSAFER", pdf]):
        r = subprocess.run(command, capture_output=True, text=True)
        if r.returncode != 0 or "WARNING" in r.stdout or (command[0] == "gs" and r.stdout):
            failures.append(f"{command[0]}: {r.returncode} {r.stdout[-500:]} {r.stderr[-500:]}")
    return failures


def menu_captions(strings):
    table = {}
    with open(strings, encoding="utf-8") as f:
        for line in f:
            number, _, text = line.rstrip("\n").partition("\t")
            if number.isdigit():
                table[int(number)] = text
    return [table[n] for n in MENU_ENTRIES] + MENU_CAPTIONS


def main():
    pdf, tool, strings, markdown = sys.argv[1:5]
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

    failures += navigation_failures(pdf, entries, markdown)
    # Every number of the contents ends on the text's right edge (A4, margins of 20 mm).
    edges = contents_number_edges(pdf, max(page for _, page in entries[:1]) - 1)
    if not edges or max(edges) - min(edges) > 1 or min(edges) < 595 - 57 - 15:
        failures.append(f"the contents' page numbers end at {sorted(set(edges))}")

    command_line = dict(entries).get("La ligne de commande")
    for row in crowded_options(pdf, command_line) if command_line else []:
        failures.append(f"an option touches its text: \"{row}\"")

    for page, word in words_past_margin(pdf):
        failures.append(f"\"{word}\" runs past the right margin of page {page}")

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
