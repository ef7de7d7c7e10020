#include "board/table_items.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

#include "platform/rounding.h"

namespace brontaxe {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The whole item must be a number: sign, digits with an optional period, optional exponent.
// Converted straight to the wanted type, so that a single is rounded once.
template <typename T>
std::optional<T> parseWholeNumber(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string plain;
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        plain += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        plain += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            plain += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            plain += s[i++];
        const std::size_t digitsStart = i;
        while (i < s.size() && isDigit(s[i]))
            plain += s[i++];
        if (i == digitsStart)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    T value = 0;
    const char* end = plain.data() + plain.size();
    auto res = std::from_chars(plain.data(), end, value);
    if constexpr (std::is_same_v<T, float>) {
        // Values too small for a normal single still read, as a denormal or 0.
        double wide = 0;
        if (res.ec == std::errc::result_out_of_range &&
            std::from_chars(plain.data(), end, wide).ec == std::errc() &&
            std::fabs(wide) <= std::numeric_limits<float>::max()) {
            value = static_cast<float>(wide);
            res.ec = std::errc();
        }
    }
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

bool ItemReader::atEnd() {
    while (pos_ < text_.size()) {
        if (isBlank(text_[pos_])) {
            ++pos_;
        } else if (atLineEnd()) {
            consumeLineEnd();
        } else {
            return false;
        }
    }
    return true;
}

void ItemReader::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
}

bool ItemReader::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ItemReader::consumeLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

// After an item: anything up to the next comma or line end is not part of it.
void ItemReader::consumeDelimiter() {
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
        ++pos_;
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else {
        consumeLineEnd();
    }
}

void ItemReader::fail(std::size_t line, std::string reason, bool endOfFile) {
    if (!error_)
        error_ = ItemError{line, std::move(reason), endOfFile};
}

std::optional<std::string> ItemReader::rawItem(bool& quoted) {
    if (error_)
        return std::nullopt;
    skipBlanks();
    const std::size_t startLine = line_;
    if (pos_ >= text_.size()) {
        fail(startLine, "fin de fichier inattendue (enregistrement incomplet)", true);
        return std::nullopt;
    }
    quoted = text_[pos_] == '"';
    std::string value;
    if (quoted) {
        const std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            fail(startLine, "guillemet fermant manquant");
            return std::nullopt;
        }
        value = std::string(text_.substr(pos_ + 1, close - pos_ - 1));
        while (pos_ < close) {
            if (atLineEnd()) {
                consumeLineEnd();
            } else {
                ++pos_;
            }
        }
        pos_ = close + 1;
    } else {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            ++pos_;
        value = std::string(text_.substr(begin, pos_ - begin));
        while (!value.empty() && isBlank(value.back()))
            value.pop_back();
    }
    consumeDelimiter();
    return value;
}

std::optional<std::string> ItemReader::text() {
    bool quoted = false;
    return rawItem(quoted);
}

std::optional<Item> ItemReader::item() {
    Item it;
    skipBlanks();
    it.line = line_;
    auto value = rawItem(it.quoted);
    if (!value)
        return std::nullopt;
    it.value = std::move(*value);
    return it;
}

std::optional<float> ItemReader::number() {
    const std::size_t startLine = line_;
    bool quoted = false;
    auto item = rawItem(quoted);
    if (!item)
        return std::nullopt;
    const auto value = parseWholeNumber<float>(*item);
    if (!value) {
        fail(startLine, "nombre attendu au lieu de \"" + item->substr(0, 40) + "\"");
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

std::optional<std::int16_t> ItemReader::integer() {
    const std::size_t startLine = line_;
    bool quoted = false;
    auto item = rawItem(quoted);
    if (!item)
        return std::nullopt;
    const auto value = parseWholeNumber<double>(*item);
    const auto whole = value ? roundToInt16(*value) : std::nullopt;
    if (!whole) {
        fail(startLine, "nombre entier attendu au lieu de \"" + item->substr(0, 40) + "\"");
        return std::nullopt;
    }
    return whole;
}

void ItemWriter::separate() {
    if (lineStarted_)
        out_ += ',';
    lineStarted_ = true;
}

void ItemWriter::text(std::string_view value) {
    separate();
    out_ += '"';
    out_ += quotableText(value);
    out_ += '"';
}

void ItemWriter::number(float value) {
    separate();
    out_ += itemNumberText(value);
}

void ItemWriter::integer(int value) {
    separate();
    out_ += std::to_string(value);
}

void ItemWriter::endLine() {
    out_ += "\r\n";
    lineStarted_ = false;
}

std::optional<float> itemNumber(std::string_view item) {
    return parseWholeNumber<float>(item);
}

std::string itemNumberText(float value) {
    if (!std::isfinite(value) || value == 0.0f)
        return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, res.ptr);
    const std::size_t digits = s[0] == '-' ? 1 : 0;
    if (s.compare(digits, 2, "0.") == 0)
        s.erase(digits, 1);
    return s;
}

std::string quotableText(std::string_view value) {
    std::string s(value);
    for (char& c : s) {
        if (c == '"')
            c = '\'';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return s;
}

}  // namespace brontaxe
