#pragma once
// The contents of a private-profile (INI) file, kept line by line so that a write changes
// only the line it is about and every other line, comment and blank survives as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brontaxe::platform {

class ProfileDocument {
  public:
    static ProfileDocument parse(std::string_view text);

    // Value of `key` in `section` (both compared without regard to case), blanks around it
    // removed and one pair of enclosing quotes dropped; nullopt when the section or key is absent.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    // Sets the key, adding the section at the end and the key at the end of its section
    // when they are absent. A key already present keeps its spelling and place.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Removes one key; removes a whole section with every key in it.
    void removeKey(std::string_view section, std::string_view key);
    void removeSection(std::string_view section);

    bool hasSection(std::string_view section) const;
    // 1-based line of the key in the text the document was parsed from, so that a warning
    // about a stored value can point at it; nullopt when absent.
    std::optional<std::size_t> lineOf(std::string_view section, std::string_view key) const;
    std::string text() const;

  private:
    struct Line {
        std::string raw;
    };
    struct SectionRange {
        std::size_t header;  // index of the "[name]" line
        std::size_t end;     // one past the last line belonging to the section
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKeyLine(const SectionRange& range, std::string_view key) const;

    std::vector<Line> lines_;
    std::string eol_ = "\n";
    bool endsWithEol_ = true;
};

// GetPrivateProfileString on a parsed document: the default when absent (its trailing blanks
// removed), the result cut to `bufferLength` - 1 characters as the Windows call does.
std::string profileString(const ProfileDocument& doc, std::string_view section,
                          std::string_view key, std::string_view defaultValue,
                          std::size_t bufferLength);

}  // namespace brontaxe::platform
