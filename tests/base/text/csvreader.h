#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace paysmith::test {

using CsvRows = std::vector<std::vector<std::string>>;

// An RFC 4180 reader written apart from the program's writers, strict as a
// spreadsheet's import is not: a quote in an unquoted field, anything but a
// separator after a closing quote or an unclosed quote is no CSV at all.
// Lines end in LF or CRLF; a blank line is a row of one empty cell.
inline std::optional<CsvRows> readCsv(std::string_view text) {
    CsvRows rows;
    std::vector<std::string> row;
    std::size_t at = 0;
    while (at < text.size()) {
        std::string cell;
        if (text[at] == '"') {
            for (++at;; ++at) {
                if (at >= text.size())
                    return std::nullopt;
                if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"'))
                    break;
                if (text[at] == '"')
                    ++at;
                cell += text[at];
            }
            ++at;
        } else {
            while (at < text.size() &&
                   std::string_view(",\r\n").find(text[at]) == std::string_view::npos) {
                if (text[at] == '"')
                    return std::nullopt;
                cell += text[at++];
            }
        }
        row.push_back(std::move(cell));
        if (at < text.size() && text[at] == ',') {
            ++at;
            continue;
        }
        if (text.substr(at, 2) == "\r\n")
            ++at;
        if (at < text.size() && text[at] != '\n')
            return std::nullopt;
        ++at;
        rows.push_back(std::move(row));
        row.clear();
    }
    return rows;
}

} // namespace paysmith::test
