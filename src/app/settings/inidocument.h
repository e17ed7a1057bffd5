#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paysmith {

// An INI text with the private-profile rules the settings file is read and
// written by:
// - section and key names match without regard to ASCII case, and blanks
//   around them, around "=" and around values are not part of them;
// - a value longer than kMaxValueCharacters is read cut to that length;
// - setting a value replaces the first matching key's line in place, adds a
//   new key after the last key of the first matching section, or appends a
//   missing section at the end;
// - every other line, blank lines, comments, foreign keys and sections and
//   lines without "=" among them, is kept byte for byte, line ends included.
// The text is held as bytes (UTF-8 by convention); any byte sequence parses.
class IniDocument {
  public:
    static constexpr std::size_t kMaxValueCharacters = 2047;

    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    std::string value(std::string_view section, std::string_view key,
                      std::string_view defaultValue) const;

    // A line break inside `value` would start a line of its own and could
    // forge keys, so each CR and LF is written as a blank.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

  private:
    struct Line {
        std::string content;
        std::string ending; // "\n", "\r\n" or, on a last line, ""
    };

    struct KeyLine {
        std::size_t index;
        std::string_view key; // as the file spells it
        std::string_view value;
    };

    std::optional<KeyLine> findKey(std::string_view section, std::string_view key) const;
    std::optional<std::size_t> newKeyPosition(std::string_view section) const;
    void insertLine(std::size_t position, std::string content);

    std::vector<Line> m_lines;
    std::string m_newLine = "\n";
};

} // namespace paysmith
