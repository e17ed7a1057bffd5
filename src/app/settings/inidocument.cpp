#include "app/settings/inidocument.h"

#include "base/text/utf8.h"

#include <algorithm>

namespace paysmith {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

struct ParsedLine {
    enum class Kind { Section, Key, Other };
    Kind kind = Kind::Other;
    std::string_view name; // the section's or the key's
    std::string_view value;
};

// "[name]" may carry blanks around the brackets and the name, and anything
// after the "]" is ignored. A "[" line without "]" opens no section.
ParsedLine parse(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos)
            return {ParsedLine::Kind::Section, trimmed(text.substr(1, close - 1)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {ParsedLine::Kind::Key, trimmed(line.substr(0, equals)),
            trimmed(line.substr(equals + 1))};
}

std::string lineBreaksAsBlanks(std::string_view value) {
    std::string written(value);
    std::ranges::replace(written, '\r', ' ');
    std::ranges::replace(written, '\n', ' ');
    return written;
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string_view::npos) {
            m_lines.push_back({std::string(text.substr(start)), ""});
            break;
        }
        std::string_view content = text.substr(start, lineFeed - start);
        std::string ending = "\n";
        if (!content.empty() && content.back() == '\r') {
            content.remove_suffix(1);
            ending = "\r\n";
        }
        m_lines.push_back({std::string(content), std::move(ending)});
        start = lineFeed + 1;
    }
    // Lines the program adds follow the file's own convention.
    if (!m_lines.empty() && !m_lines.front().ending.empty())
        m_newLine = m_lines.front().ending;
}

std::string IniDocument::value(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    const std::optional<KeyLine> found = findKey(section, key);
    if (!found)
        return std::string(defaultValue);
    return std::string(found->value.substr(0, utf8PrefixLength(found->value, kMaxValueCharacters)));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string written = lineBreaksAsBlanks(value);
    if (const std::optional<KeyLine> found = findKey(section, key)) {
        m_lines[found->index].content = std::string(found->key) + "=" + written;
        return;
    }
    std::string keyLine = std::string(key) + "=" + written;
    if (const std::optional<std::size_t> position = newKeyPosition(section)) {
        insertLine(*position, std::move(keyLine));
        return;
    }
    insertLine(m_lines.size(), "[" + std::string(section) + "]");
    insertLine(m_lines.size(), std::move(keyLine));
}

std::string IniDocument::text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += line.content;
        text += line.ending;
    }
    return text;
}

// A section name may head several sections; their keys are searched in the
// order of the file, so the key that reading finds is the key writing replaces.
std::optional<IniDocument::KeyLine> IniDocument::findKey(std::string_view section,
                                                         std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine line = parse(m_lines[i].content);
        if (line.kind == ParsedLine::Kind::Section)
            inSection = equalsIgnoringCase(line.name, section);
        else if (inSection && line.kind == ParsedLine::Kind::Key &&
                 equalsIgnoringCase(line.name, key))
            return KeyLine{i, line.name, line.value};
    }
    return std::nullopt;
}

// After the last key of the first section of that name, so that blank lines
// and comments that lead into the next section stay in front of it.
std::optional<std::size_t> IniDocument::newKeyPosition(std::string_view section) const {
    std::optional<std::size_t> position;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine line = parse(m_lines[i].content);
        if (line.kind == ParsedLine::Kind::Section) {
            if (position)
                return position;
            if (equalsIgnoringCase(line.name, section))
                position = i + 1;
        } else if (position && line.kind == ParsedLine::Kind::Key) {
            position = i + 1;
        }
    }
    return position;
}

void IniDocument::insertLine(std::size_t position, std::string content) {
    if (position > 0 && m_lines[position - 1].ending.empty())
        m_lines[position - 1].ending = m_newLine;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(position),
                   Line{std::move(content), m_newLine});
}

} // namespace paysmith
