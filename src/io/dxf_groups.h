#pragma once
// The group pairs of an ASCII DXF file (a code line, then a value line), each with the line
// of the file its code stands on, for messages.

#include <cstddef>
#include <string>
#include <string_view>

namespace brontaxe::io {

struct DxfGroup {
    int code = 0;
    std::string_view value;  // trailing blanks and line end removed
    std::size_t line = 0;    // of the code, from 1
};

class DxfGroups {
  public:
    explicit DxfGroups(std::string_view text) : text_(text) {}

    // The next pair, false at the end of the text. Throws ImportError naming the line when
    // a code is not a number or its value is missing.
    bool next(DxfGroup& g);
    std::size_t line() const { return line_; }

  private:
    bool nextLine(std::string_view& out);
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;
};

// The value of a group as a number; throws ImportError naming the line when it is not one
// (or is not finite, or beyond any drawing).
double realValue(const DxfGroup& g);
int intValue(const DxfGroup& g);

// A text of a die-line file as UTF-8: DXF files before 2007 and most CFF2 files are in the
// Windows code page, and DXF writes what that cannot hold as \U+XXXX.
std::string utf8Text(std::string_view text);

// A field without its leading and trailing blanks and the carriage return of a CRLF line.
std::string_view trimmed(std::string_view s);

// A field of the file quoted in a message: « ... », cut after 40 characters, so that a
// damaged file of one endless line does not fill the terminal.
std::string shown(std::string_view value);

// "ligne 12 : ..." for messages.
std::string atLine(std::size_t line, const std::string& reason);

}  // namespace brontaxe::io
