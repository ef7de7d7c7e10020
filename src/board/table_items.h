#pragma once
// The item syntax shared by the grade and allowance files: items separated by a comma or a
// line end, texts between double quotes, numbers in decimal with a period whatever the locale,
// every line ended by CR LF. The reader also takes LF-only files and "0.5" beside ".5".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brontaxe {

// What stopped the reading of a table file, and where.
struct ItemError {
    std::size_t line = 0;    // 1-based line of the item at fault
    std::string reason;      // French
    bool endOfFile = false;  // the file ended where an item was due
};

// One item as it stands in the file.
struct Item {
    std::string value;
    bool quoted = false;
    std::size_t line = 0;  // 1-based line it starts on
};

class ItemReader {
  public:
    // `firstLine` numbers the first line of `text`, for a text cut out of a longer file.
    explicit ItemReader(std::string_view text, std::size_t firstLine = 1)
        : text_(text), line_(firstLine) {}

    // True when only blanks and line ends remain; skips them otherwise, so that a blank line
    // between records is no record.
    bool atEnd();

    // Each read returns nullopt once an item is missing or malformed; error() then says why,
    // and every later read fails too.
    std::optional<std::string> text();
    std::optional<Item> item();
    std::optional<float> number();
    // A whole number that fits 16 bits (a written real is rounded, ties to even).
    std::optional<std::int16_t> integer();

    // Records a fault that the syntax cannot see (the first fault stays).
    void fail(std::size_t line, std::string reason, bool endOfFile = false);
    const std::optional<ItemError>& error() const { return error_; }
    std::size_t line() const { return line_; }
    // Offset of the cursor in the text.
    std::size_t offset() const { return pos_; }

  private:
    // The raw item at the cursor, quotes removed, with the line it starts on.
    std::optional<std::string> rawItem(bool& quoted);
    void skipBlanks();
    bool atLineEnd() const;
    void consumeLineEnd();
    void consumeDelimiter();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_;
    std::optional<ItemError> error_;
};

class ItemWriter {
  public:
    void text(std::string_view value);
    void number(float value);
    void integer(int value);
    void endLine();

    const std::string& str() const { return out_; }

  private:
    void separate();

    std::string out_;
    bool lineStarted_ = false;
};

// The whole item as a number of the files' syntax ("0.5", ".5", "-3", "1e-3"); nullopt for
// anything else, a value that is not finite included.
std::optional<float> itemNumber(std::string_view item);

// A number as the files hold it: the shortest decimal that reads back as the same single,
// no zero before the point (".5", "-.25"), a period whatever the locale.
std::string itemNumberText(float value);

// A text as it can stand between quotes: a double quote becomes an apostrophe and a line end
// a blank, since the syntax has no escape for either.
std::string quotableText(std::string_view value);

}  // namespace brontaxe
