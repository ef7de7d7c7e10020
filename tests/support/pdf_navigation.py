#!/usr/bin/env python3
"""What pypdf reads of a PDF's navigation, printed as JSON: the catalog's /Lang and
/PageMode, the outline (level, title, page from 0, top) in reading order, and each link
annotation (page, rectangle, page it leads to and top, null for a link out of the file).

Usage: pdf_navigation.py FILE.pdf
"""
import json
import sys

from pypdf import PdfReader


def destination(reader, pages, dest):
    """(page, top) of an explicit destination [page /XYZ left top zoom]."""
    dest = dest.get_object()
    page = pages.get(dest[0].idnum)
    top = dest[3] if len(dest) > 3 and str(dest[1]) == "/XYZ" else None
    return page, None if top is None else float(top)


def outline(reader, pages, items, level, out):
    for item in items:
        if isinstance(item, list):
            outline(reader, pages, item, level + 1, out)
            continue
        page = reader.get_destination_page_number(item)
        top = item.top if item.typ == "/XYZ" else None
        out.append([level, item.title, page, None if top is None else float(top)])


def navigation(path):
    reader = PdfReader(path, strict=True)
    root = reader.trailer["/Root"].get_object()
    pages = {page.indirect_reference.idnum: i for i, page in enumerate(reader.pages)}
    marks = []
    outline(reader, pages, reader.outline, 1, marks)
    links = []
    for i, page in enumerate(reader.pages):
        for annot in page["/Annots"] if "/Annots" in page else []:
            annot = annot.get_object()
            if annot.get("/Subtype") != "/Link":
                continue
            # A link to the web or elsewhere has no page.
            to, top = destination(reader, pages, annot["/Dest"]) if "/Dest" in annot else \
                (None, None)
            links.append([i, [float(v) for v in annot["/Rect"]], to, top])
    return {
        "pages": len(reader.pages),
        "lang": str(root["/Lang"]) if "/Lang" in root else None,
        "pagemode": str(root["/PageMode"]) if "/PageMode" in root else None,
        "outline": marks,
        "links": links,
    }


if __name__ == "__main__":
    print(json.dumps(navigation(sys.argv[1]), ensure_ascii=False))
