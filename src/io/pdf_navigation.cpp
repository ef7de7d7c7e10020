#include "io/pdf_navigation.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string_view>
#include <utility>

namespace brontaxe::io {
namespace {

constexpr std::size_t npos = std::string_view::npos;
// Deeper than any file a writer makes: a guard against a file that nests without end.
constexpr int kDeepest = 64;

// ---- Reading: the lexical rules of PDF, as far as dictionaries and arrays need them.

bool isWhite(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c) {
    return c != '\0' && std::strchr("()<>[]{}/%", c) != nullptr;
}

bool startsAt(std::string_view t, std::size_t p, std::string_view text) {
    return p <= t.size() && t.substr(p).starts_with(text);
}

std::size_t skipWhite(std::string_view t, std::size_t p) {
    while (p < t.size()) {
        if (isWhite(t[p])) {
            ++p;
        } else if (t[p] == '%') {  // a comment, to the end of its line
            while (p < t.size() && t[p] != '\n' && t[p] != '\r')
                ++p;
        } else {
            break;
        }
    }
    return p;
}

// The end of a name's body, a number or a keyword.
std::size_t tokenEnd(std::string_view t, std::size_t p) {
    while (p < t.size() && !isWhite(t[p]) && !isDelimiter(t[p]))
        ++p;
    return p;
}

std::optional<int> integerOf(std::string_view token) {
    int value = 0;
    const auto res = std::from_chars(token.data(), token.data() + token.size(), value);
    if (res.ec != std::errc() || res.ptr != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::size_t valueEnd(std::string_view t, std::size_t p, int depth = 0);

// The end of an array or a dictionary whose values start at `p`.
std::size_t containerEnd(std::string_view t, std::size_t p, std::string_view close, int depth) {
    for (;;) {
        p = skipWhite(t, p);
        if (startsAt(t, p, close))
            return p + close.size();
        p = valueEnd(t, p, depth + 1);
        if (p == npos)
            return npos;
    }
}

std::size_t literalStringEnd(std::string_view t, std::size_t p) {
    int open = 0;
    for (; p < t.size(); ++p) {
        if (t[p] == '\\')
            ++p;
        else if (t[p] == '(')
            ++open;
        else if (t[p] == ')' && --open == 0)
            return p + 1;
    }
    return npos;
}

// The end of the value that begins at `p`, or npos when it is not one: a name, a string, an
// array, a dictionary, a reference "n g R", a number or a keyword.
std::size_t valueEnd(std::string_view t, std::size_t p, int depth) {
    if (p >= t.size() || depth > kDeepest)
        return npos;
    const char c = t[p];
    if (c == '/')
        return tokenEnd(t, p + 1);
    if (c == '(')
        return literalStringEnd(t, p);
    if (startsAt(t, p, "<<"))
        return containerEnd(t, p + 2, ">>", depth);
    if (c == '<') {
        const std::size_t close = t.find('>', p);
        return close == npos ? npos : close + 1;
    }
    if (c == '[')
        return containerEnd(t, p + 1, "]", depth);
    const std::size_t end = tokenEnd(t, p);
    if (end == p)
        return npos;
    if (integerOf(t.substr(p, end - p))) {
        const std::size_t g = skipWhite(t, end);
        const std::size_t gEnd = tokenEnd(t, g);
        const std::size_t r = skipWhite(t, gEnd);
        if (gEnd > g && integerOf(t.substr(g, gEnd - g)) && r < t.size() && t[r] == 'R' &&
            tokenEnd(t, r) == r + 1)
            return r + 1;
    }
    return end;
}

struct Entry {
    std::string key;  // with its slash
    std::string value;
};
using Dictionary = std::vector<Entry>;

std::optional<Dictionary> dictionaryOf(std::string_view text) {
    std::size_t p = skipWhite(text, 0);
    if (!startsAt(text, p, "<<"))
        return std::nullopt;
    p += 2;
    Dictionary entries;
    for (;;) {
        p = skipWhite(text, p);
        if (startsAt(text, p, ">>"))
            return entries;
        if (p >= text.size() || text[p] != '/')
            return std::nullopt;
        const std::size_t keyEnd = tokenEnd(text, p + 1);
        const std::size_t valueAt = skipWhite(text, keyEnd);
        const std::size_t end = valueEnd(text, valueAt);
        if (end == npos)
            return std::nullopt;
        entries.push_back({std::string(text.substr(p, keyEnd - p)),
                           std::string(text.substr(valueAt, end - valueAt))});
        p = end;
    }
}

std::optional<std::vector<std::string>> arrayOf(std::string_view text) {
    std::size_t p = skipWhite(text, 0);
    if (p >= text.size() || text[p] != '[')
        return std::nullopt;
    std::vector<std::string> items;
    ++p;
    for (;;) {
        p = skipWhite(text, p);
        if (p < text.size() && text[p] == ']')
            return items;
        const std::size_t end = valueEnd(text, p);
        if (end == npos)
            return std::nullopt;
        items.emplace_back(text.substr(p, end - p));
        p = end;
    }
}

const std::string* findEntry(const Dictionary& d, std::string_view key) {
    for (const Entry& e : d) {
        if (e.key == key)
            return &e.value;
    }
    return nullptr;
}

void setEntry(Dictionary& d, std::string_view key, std::string value) {
    for (Entry& e : d) {
        if (e.key == key) {
            e.value = std::move(value);
            return;
        }
    }
    d.push_back({std::string(key), std::move(value)});
}

void removeEntry(Dictionary& d, std::string_view key) {
    std::erase_if(d, [&](const Entry& e) { return e.key == key; });
}

std::string textOf(const Dictionary& d) {
    std::string out = "<<\n";
    for (const Entry& e : d)
        out += e.key + ' ' + e.value + '\n';
    return out + ">>";
}

// The object number of a reference "n g R".
std::optional<int> referenceTo(std::string_view value) {
    const std::size_t end = tokenEnd(value, 0);
    if (end == 0 || valueEnd(value, 0) != value.size() || value.back() != 'R')
        return std::nullopt;
    return integerOf(value.substr(0, end));
}

// ---- The file as it stands: where each object is, and the trailer.

struct Located {
    std::size_t offset = 0;
    int generation = 0;
};

struct PdfFile {
    std::string_view text;
    std::map<int, Located> objects;  // the latest version of each object in use
    Dictionary trailer;              // of the latest section
    std::size_t lastSection = 0;     // where that section begins
};

std::optional<std::size_t> lastSectionOffset(std::string_view pdf) {
    const std::size_t at = pdf.rfind("startxref");
    if (at == npos)
        return std::nullopt;
    const std::size_t p = skipWhite(pdf, at + 9);
    const auto n = integerOf(pdf.substr(p, tokenEnd(pdf, p) - p));
    if (!n || *n < 0 || static_cast<std::size_t>(*n) >= at)
        return std::nullopt;
    return static_cast<std::size_t>(*n);
}

// Reads one cross-reference section: its entries (the ones not yet known, that is older
// versions are left out) and its trailer.
std::optional<std::string> readSection(PdfFile& file, std::size_t at, Dictionary& trailer) {
    const std::string_view t = file.text;
    if (!startsAt(t, at, "xref"))
        return "table des références croisées compressée ou introuvable";
    std::size_t p = at + 4;
    for (;;) {
        p = skipWhite(t, p);
        if (startsAt(t, p, "trailer"))
            break;
        const std::size_t firstEnd = tokenEnd(t, p);
        const auto first = integerOf(t.substr(p, firstEnd - p));
        const std::size_t countAt = skipWhite(t, firstEnd);
        const std::size_t countEnd = tokenEnd(t, countAt);
        const auto count = integerOf(t.substr(countAt, countEnd - countAt));
        if (!first || !count || *first < 0 || *count < 0)
            return "table des références croisées illisible";
        p = countEnd;
        for (int i = 0; i < *count; ++i) {
            p = skipWhite(t, p);
            // "oooooooooo ggggg n": ten digits of offset, five of generation, in use or free.
            if (p + 18 > t.size())
                return "table des références croisées tronquée";
            const auto offset = integerOf(t.substr(p, 10));
            const auto generation = integerOf(t.substr(p + 11, 5));
            if (!offset || !generation || (t[p + 17] != 'n' && t[p + 17] != 'f'))
                return "table des références croisées illisible";
            if (t[p + 17] == 'n')
                file.objects.try_emplace(*first + i, Located{std::size_t(*offset), *generation});
            else
                file.objects.try_emplace(*first + i, Located{npos, *generation});
            p += 18;
        }
    }
    const std::size_t dictAt = skipWhite(t, p + 7);
    const std::size_t dictEnd = valueEnd(t, dictAt);
    auto dictionary =
        dictEnd == npos ? std::nullopt : dictionaryOf(t.substr(dictAt, dictEnd - dictAt));
    if (!dictionary)
        return "fin de fichier (trailer) illisible";
    trailer = std::move(*dictionary);
    return std::nullopt;
}

std::optional<std::string> readFile(std::string_view pdf, PdfFile& file) {
    file.text = pdf;
    const auto last = lastSectionOffset(pdf);
    if (!last)
        return "pas de startxref";
    file.lastSection = *last;
    std::set<std::size_t> seen;
    for (std::size_t at = *last;;) {
        if (!seen.insert(at).second)
            return "sections de références croisées en boucle";
        Dictionary trailer;
        if (auto problem = readSection(file, at, trailer))
            return problem;
        if (seen.size() == 1)
            file.trailer = trailer;
        const std::string* prev = findEntry(trailer, "/Prev");
        if (!prev)
            break;
        const auto n = integerOf(*prev);
        if (!n || *n < 0 || static_cast<std::size_t>(*n) >= pdf.size())
            return "section précédente introuvable";
        at = static_cast<std::size_t>(*n);
    }
    // Objects freed in the latest version are gone.
    std::erase_if(file.objects, [](const auto& o) { return o.second.offset == npos; });
    return std::nullopt;
}

// The text between "n g obj" and "endobj".
std::optional<std::string_view> objectText(const PdfFile& file, int number) {
    const auto it = file.objects.find(number);
    if (it == file.objects.end())
        return std::nullopt;
    const std::string_view t = file.text;
    const std::string head =
        std::to_string(number) + ' ' + std::to_string(it->second.generation) + " obj";
    std::size_t p = it->second.offset;
    if (p >= t.size() || !startsAt(t, p, head))
        return std::nullopt;
    p += head.size();
    const std::size_t end = t.find("endobj", p);
    if (end == npos)
        return std::nullopt;
    return t.substr(p, end - p);
}

std::optional<Dictionary> dictionaryObject(const PdfFile& file, int number) {
    const auto text = objectText(file, number);
    return text ? dictionaryOf(*text) : std::nullopt;
}

// The page objects in order, the page tree walked from `node`.
bool collectPages(const PdfFile& file, int node, int depth, std::vector<int>& pages) {
    const auto d = dictionaryObject(file, node);
    if (!d || depth > kDeepest)
        return false;
    const std::string* type = findEntry(*d, "/Type");
    if (type && *type == "/Page") {
        pages.push_back(node);
        return true;
    }
    const std::string* kids = findEntry(*d, "/Kids");
    if (!kids)
        return false;
    std::optional<std::vector<std::string>> items = arrayOf(*kids);
    if (const auto indirect = referenceTo(*kids)) {
        const auto text = objectText(file, *indirect);
        items = text ? arrayOf(*text) : std::nullopt;
    }
    if (!items)
        return false;
    for (const std::string& kid : *items) {
        const auto n = referenceTo(kid);
        if (!n || !collectPages(file, *n, depth + 1, pages))
            return false;
    }
    return true;
}

// ---- Writing.

std::string pdfNumber(double value) {
    char text[32];
    const auto res = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return std::string(text, res.ptr);
}

// A text string: UTF-16 (big-endian, with its byte-order mark) in hexadecimal, for the
// accents; a malformed UTF-8 sequence becomes U+FFFD.
std::string textString(std::string_view utf8) {
    std::string out = "<FEFF";
    const auto unit = [&out](unsigned u) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%04X", u);
        out += hex;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        unsigned code = length <= 1 ? lead : lead & (0x3F >> (length - 1));
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
            unit(0xFFFD);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            unit(code);
        }
        i += length;
    }
    return out + ">";
}

std::string literalString(std::string_view text) {
    std::string out = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

std::string reference(int number, int generation = 0) {
    return std::to_string(number) + ' ' + std::to_string(generation) + " R";
}

// The objects of the update, numbered and placed as they are written.
class Update {
  public:
    Update(const PdfFile& file, std::size_t base) : file_(file), base_(base) {
        next_ = file.objects.empty() ? 1 : file.objects.rbegin()->first + 1;
        if (const std::string* size = findEntry(file.trailer, "/Size")) {
            if (const auto n = integerOf(*size); n && *n > next_)
                next_ = *n;
        }
    }

    int newObject() { return next_++; }
    int generationOf(int number) const {
        const auto it = file_.objects.find(number);
        return it == file_.objects.end() ? 0 : it->second.generation;
    }
    std::string referenceTo(int number) const { return reference(number, generationOf(number)); }

    void write(int number, std::string_view body) {
        const int generation = generationOf(number);
        written_[number] = {base_ + text_.size(), generation};
        text_ += std::to_string(number) + ' ' + std::to_string(generation) + " obj\n";
        text_.append(body);
        text_ += "\nendobj\n";
    }

    // The cross-reference section of what was written, and the trailer after it.
    std::string finish() {
        const std::size_t sectionAt = base_ + text_.size();
        // The head of the free list first, as the first table has it: some readers take a
        // section that does not begin at object 0 for a table numbered wrong.
        text_ += "xref\n0 1\n0000000000 65535 f \n";
        for (auto run = written_.begin(); run != written_.end();) {
            auto end = std::next(run);
            while (end != written_.end() && end->first == std::prev(end)->first + 1)
                ++end;
            text_ +=
                std::to_string(run->first) + ' ' + std::to_string(std::distance(run, end)) + '\n';
            for (; run != end; ++run) {
                char entry[32];
                std::snprintf(entry, sizeof entry, "%010zu %05d n \n", run->second.offset,
                              run->second.generation);
                text_ += entry;
            }
        }
        Dictionary trailer = file_.trailer;
        removeEntry(trailer, "/XRefStm");
        setEntry(trailer, "/Size", std::to_string(next_));
        setEntry(trailer, "/Prev", std::to_string(file_.lastSection));
        text_ += "trailer\n" + textOf(trailer) + "\nstartxref\n" + std::to_string(sectionAt) +
                 "\n%%EOF\n";
        return std::move(text_);
    }

  private:
    const PdfFile& file_;
    std::size_t base_;
    int next_ = 1;
    std::string text_;
    std::map<int, Located> written_;
};

std::string destination(const Update& update, const std::vector<int>& pages, PdfPlace to) {
    return "[" + update.referenceTo(pages[std::size_t(to.page)]) + " /XYZ null " +
           pdfNumber(to.top) + " null]";
}

bool onPage(const std::vector<int>& pages, int page) {
    return page >= 0 && std::size_t(page) < pages.size();
}

// The bookmarks as an outline tree; returns its root's number, or why it cannot be written.
std::optional<std::string> writeOutline(Update& update, const std::vector<int>& pages,
                                        const std::vector<PdfBookmark>& marks, int& root) {
    const std::size_t count = marks.size();
    constexpr std::size_t none = std::size_t(-1);
    std::vector<std::size_t> parent(count, none);
    std::vector<std::vector<std::size_t>> children(count);
    std::vector<std::size_t> top;
    std::vector<std::size_t> open;  // the last bookmark of each level above
    for (std::size_t i = 0; i < count; ++i) {
        const PdfBookmark& m = marks[i];
        if (m.level < 1 || std::size_t(m.level) > open.size() + 1)
            return "signet « " + m.title + " » au niveau " + std::to_string(m.level) +
                   " sans parent";
        if (!onPage(pages, m.place.page))
            return "signet « " + m.title + " » hors des pages";
        open.resize(std::size_t(m.level) - 1);
        if (open.empty()) {
            top.push_back(i);
        } else {
            parent[i] = open.back();
            children[open.back()].push_back(i);
        }
        open.push_back(i);
    }
    root = update.newObject();
    std::vector<int> numbers(count);
    for (int& n : numbers)
        n = update.newObject();
    // Chapters come closed: the reader opens the one wanted.
    const auto siblings = [&](const std::vector<std::size_t>& list, std::size_t k,
                              std::string& body) {
        if (k > 0)
            body += "/Prev " + reference(numbers[list[k - 1]]) + '\n';
        if (k + 1 < list.size())
            body += "/Next " + reference(numbers[list[k + 1]]) + '\n';
    };
    const auto ends = [&](const std::vector<std::size_t>& list, std::string& body) {
        if (list.empty())
            return;
        body += "/First " + reference(numbers[list.front()]) + "\n/Last " +
                reference(numbers[list.back()]) + '\n';
    };
    for (std::size_t i = 0; i < count; ++i) {
        const std::vector<std::size_t>& list = parent[i] == none ? top : children[parent[i]];
        const std::size_t k = std::size_t(std::find(list.begin(), list.end(), i) - list.begin());
        std::string body = "<<\n/Title " + textString(marks[i].title) + "\n/Parent " +
                           reference(parent[i] == none ? root : numbers[parent[i]]) + '\n';
        siblings(list, k, body);
        ends(children[i], body);
        if (!children[i].empty())
            body += "/Count -" + std::to_string(children[i].size()) + '\n';
        body += "/Dest " + destination(update, pages, marks[i].place) + "\n>>";
        update.write(numbers[i], body);
    }
    std::string body = "<<\n/Type /Outlines\n";
    ends(top, body);
    body += "/Count " + std::to_string(top.size()) + "\n>>";
    update.write(root, body);
    return std::nullopt;
}

// The links, each page's list of annotations written again with its new ones.
std::optional<std::string> writeLinks(Update& update, const PdfFile& file,
                                      const std::vector<int>& pages,
                                      const std::vector<PdfLink>& links) {
    std::map<int, std::vector<int>> added;  // page index: its new annotations
    for (const PdfLink& link : links) {
        if (!onPage(pages, link.page) || !onPage(pages, link.to.page))
            return std::string("lien hors des pages");
        const int n = update.newObject();
        update.write(n, "<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + pdfNumber(link.left) + ' ' +
                            pdfNumber(link.bottom) + ' ' + pdfNumber(link.right) + ' ' +
                            pdfNumber(link.top) + "]\n/Border [0 0 0]\n/P " +
                            update.referenceTo(pages[std::size_t(link.page)]) + "\n/Dest " +
                            destination(update, pages, link.to) + "\n>>");
        added[link.page].push_back(n);
    }
    for (const auto& [page, annotations] : added) {
        const int pageObject = pages[std::size_t(page)];
        auto dictionary = dictionaryObject(file, pageObject);
        if (!dictionary)
            return "page " + std::to_string(page + 1) + " illisible";
        const std::string* annots = findEntry(*dictionary, "/Annots");
        const auto indirect = annots ? referenceTo(*annots) : std::nullopt;
        std::optional<std::vector<std::string>> items = std::vector<std::string>{};
        if (indirect) {
            const auto text = objectText(file, *indirect);
            items = text ? arrayOf(*text) : std::nullopt;
        } else if (annots) {
            items = arrayOf(*annots);
        }
        if (!items)
            return "annotations de la page " + std::to_string(page + 1) + " illisibles";
        std::string array = "[";
        for (const std::string& item : *items)
            array += item + ' ';
        for (int n : annotations)
            array += reference(n) + ' ';
        array += "]";
        // The list written again where it stands: in its own object, or in the page.
        if (indirect) {
            update.write(*indirect, array);
        } else {
            setEntry(*dictionary, "/Annots", array);
            update.write(pageObject, textOf(*dictionary));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> appendNavigation(std::string& pdf, const PdfNavigation& navigation) {
    PdfFile file;
    if (auto problem = readFile(pdf, file))
        return problem;
    const std::string* rootEntry = findEntry(file.trailer, "/Root");
    const auto catalogNumber = rootEntry ? referenceTo(*rootEntry) : std::nullopt;
    auto catalog = catalogNumber ? dictionaryObject(file, *catalogNumber) : std::nullopt;
    const std::string* type = catalog ? findEntry(*catalog, "/Type") : nullptr;
    if (!type || *type != "/Catalog")
        return std::string("catalogue introuvable");
    const std::string* pagesEntry = findEntry(*catalog, "/Pages");
    const auto pagesRoot = pagesEntry ? referenceTo(*pagesEntry) : std::nullopt;
    std::vector<int> pages;
    if (!pagesRoot || !collectPages(file, *pagesRoot, 0, pages))
        return std::string("arbre des pages illisible");

    // Written after a line end of its own: the file may end without one.
    const bool newline = !pdf.empty() && pdf.back() != '\n' && pdf.back() != '\r';
    Update update(file, pdf.size() + (newline ? 1 : 0));
    if (!navigation.bookmarks.empty()) {
        int outline = 0;
        if (auto problem = writeOutline(update, pages, navigation.bookmarks, outline))
            return problem;
        setEntry(*catalog, "/Outlines", reference(outline));
        setEntry(*catalog, "/PageMode", "/UseOutlines");
    }
    if (auto problem = writeLinks(update, file, pages, navigation.links))
        return problem;
    if (!navigation.language.empty())
        setEntry(*catalog, "/Lang", literalString(navigation.language));
    update.write(*catalogNumber, textOf(*catalog));
    const std::string tail = update.finish();
    if (newline)
        pdf += '\n';
    pdf += tail;
    return std::nullopt;
}

}  // namespace brontaxe::io
