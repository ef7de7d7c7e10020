#include "platform/profile.h"
#include "platform/text.h"

#include <algorithm>
#include <cctype>

namespace brontaxe::platform {
namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" gives name; anything else is not a section header.
std::optional<std::string_view> sectionName(std::string_view raw) {
    std::string_view s = trimBlanks(raw);
    if (s.size() < 2 || s.front() != '[')
        return std::nullopt;
    std::size_t close = s.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(s.substr(1, close - 1));
}

bool isComment(std::string_view raw) {
    std::string_view s = trimBlanks(raw);
    return !s.empty() && (s.front() == ';' || s.front() == '#');
}

// Key part of a "key=value" line, trimmed; nullopt for lines without "=".
std::optional<std::string_view> keyOf(std::string_view raw) {
    if (isComment(raw))
        return std::nullopt;
    std::size_t eq = raw.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(raw.substr(0, eq));
}

std::string valueOf(std::string_view raw) {
    std::string_view v = trimBlanks(raw.substr(raw.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view text) {
    ProfileDocument doc;
    if (text.find("\r\n") != std::string_view::npos)
        doc.eol_ = "\r\n";
    doc.endsWithEol_ = text.empty() || text.back() == '\n';
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        doc.lines_.push_back(Line{std::string(line)});
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    return doc;
}

std::optional<ProfileDocument::SectionRange> ProfileDocument::findSection(
    std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = sectionName(lines_[i].raw);
        if (!name || !equalsNoCase(*name, trimBlanks(section)))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end].raw))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::findKeyLine(const SectionRange& range,
                                                        std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        auto k = keyOf(lines_[i].raw);
        if (k && equalsNoCase(*k, trimBlanks(key)))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::find(std::string_view section,
                                                 std::string_view key) const {
    const auto line = lineOf(section, key);
    if (!line)
        return std::nullopt;
    return valueOf(lines_[*line - 1].raw);
}

std::optional<std::size_t> ProfileDocument::lineOf(std::string_view section,
                                                   std::string_view key) const {
    auto range = findSection(section);
    if (!range)
        return std::nullopt;
    auto line = findKeyLine(*range, key);
    if (!line)
        return std::nullopt;
    return *line + 1;
}

bool ProfileDocument::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && !trimBlanks(lines_.back().raw).empty())
            lines_.push_back(Line{""});
        lines_.push_back(Line{"[" + std::string(trimBlanks(section)) + "]"});
        lines_.push_back(Line{std::string(trimBlanks(key)) + "=" + std::string(value)});
        return;
    }
    if (auto line = findKeyLine(*range, key)) {
        std::string existingKey(*keyOf(lines_[*line].raw));
        lines_[*line].raw = existingKey + "=" + std::string(value);
        return;
    }
    // After the last non-blank line of the section, so a blank separator stays in front of
    // the next section.
    std::size_t insertAt = range->end;
    while (insertAt > range->header + 1 && trimBlanks(lines_[insertAt - 1].raw).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  Line{std::string(trimBlanks(key)) + "=" + std::string(value)});
}

void ProfileDocument::removeKey(std::string_view section, std::string_view key) {
    auto range = findSection(section);
    if (!range)
        return;
    if (auto line = findKeyLine(*range, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    }
}

void ProfileDocument::removeSection(std::string_view section) {
    auto range = findSection(section);
    if (!range)
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
}

std::string ProfileDocument::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].raw;
        if (i + 1 < lines_.size() || endsWithEol_)
            out += eol_;
    }
    return out;
}

std::string profileString(const ProfileDocument& doc, std::string_view section,
                          std::string_view key, std::string_view defaultValue,
                          std::size_t bufferLength) {
    std::string result;
    if (auto found = doc.find(section, key)) {
        result = *found;
    } else {
        std::string_view d = defaultValue;
        while (!d.empty() && d.back() == ' ')
            d.remove_suffix(1);
        result = std::string(d);
    }
    if (bufferLength == 0)
        return {};
    if (result.size() > bufferLength - 1)
        result.resize(bufferLength - 1);
    return result;
}

}  // namespace brontaxe::platform
