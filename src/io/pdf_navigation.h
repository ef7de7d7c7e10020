#pragma once
// Bookmarks, links and the text's language added to a finished PDF by an incremental update:
// the file as it was, then the objects that change written again under their own numbers
// (the catalog, the pages' lists of annotations), the new ones (the bookmarks, the links), and
// a cross-reference section whose trailer points back at the one before. A reader takes the
// latest version of each object; the bytes written first stay as they were.

#include <optional>
#include <string>
#include <vector>

namespace brontaxe::io {

// A place in the document: a page (from 0) and a height on it, in points above its foot.
struct PdfPlace {
    int page = 0;
    double top = 0;
};

// A bookmark: level 1 for a chapter, 2 for a section of the chapter before it.
struct PdfBookmark {
    std::string title;  // UTF-8
    int level = 1;
    PdfPlace place;
};

// A rectangle of a page (points, from the page's lower left corner) that leads to a place.
struct PdfLink {
    int page = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    PdfPlace to;
};

struct PdfNavigation {
    std::vector<PdfBookmark> bookmarks;  // in reading order
    std::vector<PdfLink> links;
    std::string language;  // as "fr-FR"; none when empty
};

// Appends the update to `pdf`, which then opens on its bookmarks. Returns why it could not,
// `pdf` left as it was: a file without a plain cross-reference table (a compressed one), an
// object it names that is not there, a page or a level out of range.
std::optional<std::string> appendNavigation(std::string& pdf, const PdfNavigation& navigation);

}  // namespace brontaxe::io
