#include "drawing/symbol_library.h"

#include <charconv>
#include <cmath>

#include "drawing/contour.h"
#include "platform/profile_file.h"

namespace brontaxe {
namespace {

constexpr int kMaxSymbolNumber = 1000000;

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::optional<double> number(std::string_view s) {
    double v = 0;
    const char* first = s.data();
    const bool negative = !s.empty() && s.front() == '-';
    if (negative)
        ++first;
    auto res = std::from_chars(first, s.data() + s.size(), v);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return negative ? -v : v;
}

bool numbers(const std::vector<std::string_view>& w, std::size_t count, std::vector<double>& out) {
    if (w.size() != count + 1)
        return false;
    out.clear();
    for (std::size_t i = 1; i < w.size(); ++i) {
        auto v = number(w[i]);
        if (!v)
            return false;
        out.push_back(*v);
    }
    return true;
}

}  // namespace

std::optional<SymbolLibrary> SymbolLibrary::parse(std::string_view text, std::string* problem) {
    SymbolLibrary library;
    SymbolDefinition* current = nullptr;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) -> std::optional<SymbolLibrary> {
        if (problem)
            *problem = "ligne " + std::to_string(lineNumber) + " : " + why;
        return std::nullopt;
    };
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t nl = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, nl - pos);
        pos = nl + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto w = words(line);
        if (w.empty() || w.front().front() == '#')
            continue;
        std::vector<double> v;
        if (w[0] == "symbole") {
            auto n = w.size() >= 2 ? number(w[1]) : std::nullopt;
            // Checked before the conversion: a number past the int range has no int value.
            if (!n || *n != std::floor(*n) || std::fabs(*n) > kMaxSymbolNumber)
                return fail("numéro de symbole attendu (entier de -" +
                            std::to_string(kMaxSymbolNumber) + " à " +
                            std::to_string(kMaxSymbolNumber) + ")");
            const int id = static_cast<int>(*n);
            if (library.symbols_.count(id))
                return fail("symbole " + std::to_string(id) + " en double");
            current = &library.symbols_[id];
            current->number = id;
            for (std::size_t i = 2; i < w.size(); ++i) {
                current->name += (current->name.empty() ? "" : " ") + std::string(w[i]);
            }
        } else if (!current) {
            return fail("trait hors d'un symbole");
        } else if (w[0] == "trait") {
            if (!numbers(w, 4, v))
                return fail("trait : quatre nombres attendus");
            current->strokes.push_back({{v[0], v[1]}, {v[2], v[3]}});
        } else if (w[0] == "arc") {
            if (!numbers(w, 5, v) || v[2] <= 0)
                return fail("arc : centre, rayon, début, balayage");
            const ArcShape a{{v[0], v[1]}, v[2], v[3], std::min(std::fabs(v[4]), 360.0)};
            for (const Segment& s : flattenArc(a, a.radius / 200))
                current->strokes.push_back(s);
        } else {
            return fail("mot inconnu : " + std::string(w[0]));
        }
    }
    return library;
}

std::optional<SymbolLibrary> SymbolLibrary::load(const std::filesystem::path& path,
                                                 std::string* problem) {
    auto text = platform::readWholeFile(path);
    if (!text) {
        if (problem)
            *problem = "fichier illisible : " + path.string();
        return std::nullopt;
    }
    return parse(*text, problem);
}

const SymbolDefinition* SymbolLibrary::find(int number) const {
    auto it = symbols_.find(number);
    return it == symbols_.end() ? nullptr : &it->second;
}

}  // namespace brontaxe
