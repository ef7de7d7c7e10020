#pragma once
// The numbered table of French texts: every caption and tool-tip of the program comes from it.

#include <map>
#include <string>
#include <string_view>

namespace brontaxe {

class StringTable {
  public:
    // Lines "number<TAB>text"; blank lines and lines starting with '#' are skipped.
    static StringTable parse(std::string_view text);
    // The table compiled into the program.
    static const StringTable& builtIn();

    // The entry's text, or an empty text when the table has no such entry.
    std::string text(int number) const;
    bool contains(int number) const { return entries_.count(number) != 0; }
    std::size_t size() const { return entries_.size(); }

  private:
    std::map<int, std::string> entries_;
};

}  // namespace brontaxe
