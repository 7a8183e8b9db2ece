#include "tasks/SelectShape.h"

#include <cctype>

namespace torvalet {

namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool isWord(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

bool wordAt(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    return true;
}

std::size_t skipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && isSpace(text[at])) ++at;
    return at;
}

// "from TABLE" at `at` (after the spaces that end the column list), followed by the end, a where
// or an order clause: the table's first and end positions.
std::optional<std::pair<std::size_t, std::size_t>> fromClause(std::string_view sql, std::size_t at) {
    if (!wordAt(sql, at, "from")) return std::nullopt;
    const std::size_t table = skipSpaces(sql, at + 4);
    if (table == at + 4) return std::nullopt;
    std::size_t end = table;
    while (end < sql.size() && isWord(sql[end])) ++end;
    if (end == table) return std::nullopt;
    const std::size_t next = skipSpaces(sql, end);
    if (next == sql.size()) return std::pair{table, end};
    if (next == end || !(wordAt(sql, next, "where") || wordAt(sql, next, "order"))) return std::nullopt;
    if (next + 5 < sql.size() && isWord(sql[next + 5])) return std::nullopt;
    return std::pair{table, end};
}

}  // namespace

std::optional<WritableSelect> writableSelect(std::string_view sql) {
    const std::size_t select = skipSpaces(sql, 0);
    if (!wordAt(sql, select, "select")) return std::nullopt;
    const std::size_t first = skipSpaces(sql, select + 6);
    if (first == select + 6) return std::nullopt;
    auto shape = [&](std::size_t begin, std::size_t end, std::pair<std::size_t, std::size_t> table) {
        WritableSelect found{std::string(sql.substr(begin, end - begin)),
                             std::string(sql.substr(table.first, table.second - table.first)),
                             std::string(sql.substr(table.second))};
        const std::string_view columns = found.projection;
        for (std::string_view lead : {"distinct", "all"})
            if (wordAt(columns, 0, lead) && (columns.size() == lead.size() || !isWord(columns[lead.size()])))
                return std::optional<WritableSelect>();
        return std::optional(std::move(found));
    };
    // The shortest column list that the from clause can follow.
    for (std::size_t end = first; end < sql.size() && (end == first || sql[end - 1] != '('); ++end) {
        if (!isSpace(sql[end])) continue;
        if (const auto table = fromClause(sql, skipSpaces(sql, end))) return shape(first, end, *table);
    }
    // No columns at all: "select" and "from" apart by two spaces or more.
    if (first - select >= 8)
        if (const auto table = fromClause(sql, first)) return shape(first, first, *table);
    return std::nullopt;
}

bool hasColumnAlias(std::string_view projection) {
    for (std::size_t at = 0; at + 2 <= projection.size(); ++at) {
        if (!wordAt(projection, at, "as")) continue;
        if ((at == 0 || !isWord(projection[at - 1])) && (at + 2 == projection.size() || !isWord(projection[at + 2])))
            return true;
    }
    return false;
}

}  // namespace torvalet
