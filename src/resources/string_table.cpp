#include "resources/string_table.h"

#include <charconv>

namespace brontaxe {

std::string_view builtInStringTableText();

StringTable StringTable::parse(std::string_view text) {
    StringTable table;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line = text.substr(pos, nl == std::string_view::npos ? nl : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        int number = 0;
        auto res = std::from_chars(line.data(), line.data() + tab, number);
        if (res.ec != std::errc() || res.ptr != line.data() + tab)
            continue;
        table.entries_[number] = std::string(line.substr(tab + 1));
    }
    return table;
}

const StringTable& StringTable::builtIn() {
    // Built once from the compiled-in text and never changed afterwards.
    static const StringTable table = parse(builtInStringTableText());
    return table;
}

std::string StringTable::text(int number) const {
    auto it = entries_.find(number);
    return it == entries_.end() ? std::string() : it->second;
}

}  // namespace brontaxe
