#include "util/table_sort.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <utility>

#include "util/tokens.h"

namespace skitally {

namespace {

struct ParsedKey {
    SortKey key;
    std::string direction_text;  // kept so a refusal can quote it
};

// A column that is not a number becomes 0, which the sort ignores: an
// unreadable key then leaves the order to the remaining keys instead of
// failing a report that is otherwise printable.
int ParseColumn(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return 0;
    }
    // Round half to even without depending on the current rounding mode.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded >= static_cast<double>(INT_MAX)) {
        return INT_MAX;  // beyond every table: all cells empty
    }
    if (rounded < 1.0) {
        return 0;
    }
    return static_cast<int>(rounded);
}

char NormalizeDirection(std::string_view text) {
    if (text.empty()) {
        return 'A';
    }
    if (text.size() == 1) {
        const char c = ToUpper(text)[0];
        if (c == 'A' || c == 'D') {
            return c;
        }
    }
    return '?';
}

std::vector<ParsedKey> ParseKeys(std::string_view order) {
    std::vector<ParsedKey> keys;
    std::string rest(order);
    const int count = CountOccurrences(order, ",") + 1;
    for (int k = 0; k < count; ++k) {
        const std::string key = Trim(PopToken(rest, ","));
        if (key.empty()) {
            break;
        }
        const std::size_t dash = key.find('-');
        const std::string_view whole(key);
        const std::string column_text = Trim(whole.substr(0, dash));
        const std::string direction_text =
            dash == std::string::npos ? std::string() : Trim(whole.substr(dash + 1));
        keys.push_back({{ParseColumn(column_text), NormalizeDirection(direction_text)},
                        direction_text});
    }
    return keys;
}

Status CheckDirections(const std::vector<ParsedKey>& keys, std::string_view order) {
    for (const ParsedKey& parsed : keys) {
        if (parsed.key.direction == '?') {
            return Status::Fail("unknown sort direction \"" + parsed.direction_text +
                                "\" in \"" + std::string(order) + "\"");
        }
    }
    return Status::Ok();
}

Status CheckDirection(char direction) {
    const char upper = ToUpper(std::string_view(&direction, 1))[0];
    if (upper == 'A' || upper == 'D') {
        return Status::Ok();
    }
    return Status::Fail(std::string("unknown sort direction \"") + direction + "\"");
}

// True when a pair in this order must be exchanged for the direction.
bool OutOfOrder(int comparison, char direction) {
    return direction == 'D' ? comparison < 0 : comparison > 0;
}

// The shared pass structure: the gap halves (rounding up) until a step with
// gap 1 has run; within a step, passes repeat while a pass exchanged.
template <typename NeedsExchange, typename Exchange>
void GapExchangeSort(std::size_t n, NeedsExchange needs_exchange, Exchange exchange) {
    if (n == 0) {
        return;
    }
    std::size_t gap = n;
    do {
        gap = (gap + 1) / 2;
        bool exchanged = false;
        do {
            exchanged = false;
            for (std::size_t i = 1; i + gap <= n; ++i) {
                if (needs_exchange(i, i + gap)) {
                    exchange(i, i + gap);
                    exchanged = true;
                }
            }
        } while (exchanged);
    } while (gap > 1);
}

const SortCell& CellOrEmpty(const std::vector<SortCell>& line, std::size_t index) {
    static const SortCell kEmpty;
    return index < line.size() ? line[index] : kEmpty;
}

template <typename CellAt>
bool KeysOutOfOrder(const std::vector<SortKey>& keys, CellAt cell_at, std::size_t i,
                    std::size_t j) {
    for (const SortKey& key : keys) {
        if (key.column < 1) {
            continue;
        }
        const auto column = static_cast<std::size_t>(key.column);
        const int comparison = CompareSortCells(cell_at(i, column), cell_at(j, column));
        if (comparison != 0) {
            return OutOfOrder(comparison, key.direction);
        }
    }
    return false;  // equal on every key: never exchanged
}

std::vector<SortKey> KeysOnly(const std::vector<ParsedKey>& parsed) {
    std::vector<SortKey> keys;
    keys.reserve(parsed.size());
    for (const ParsedKey& p : parsed) {
        keys.push_back(p.key);
    }
    return keys;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

std::vector<SortKey> ParseSortSpec(std::string_view order) {
    return KeysOnly(ParseKeys(order));
}

int CompareSortCells(const SortCell& a, const SortCell& b) {
    const auto* a_text = std::get_if<std::string>(&a);
    const auto* b_text = std::get_if<std::string>(&b);
    if (a_text != nullptr || b_text != nullptr) {
        if (a_text == nullptr && std::holds_alternative<double>(a)) {
            return -1;
        }
        if (b_text == nullptr && std::holds_alternative<double>(b)) {
            return 1;
        }
        // std::string compares bytes as unsigned, like code page order.
        const std::string_view left = a_text != nullptr ? *a_text : std::string_view();
        const std::string_view right = b_text != nullptr ? *b_text : std::string_view();
        return Sign(left.compare(right));
    }
    const double* a_number = std::get_if<double>(&a);
    const double* b_number = std::get_if<double>(&b);
    const double left = a_number != nullptr ? *a_number : 0.0;
    const double right = b_number != nullptr ? *b_number : 0.0;
    // A NaN compares equal to everything, so it can never keep a pass busy.
    return (left > right) - (left < right);
}

Status SortTableRows(SortTable& table, std::string_view order) {
    const std::vector<ParsedKey> parsed = ParseKeys(order);
    if (Status status = CheckDirections(parsed, order); !status) {
        return status;
    }
    const std::vector<SortKey> keys = KeysOnly(parsed);
    const std::size_t n = table.empty() ? 0 : table.size() - 1;
    auto cell_at = [&table](std::size_t row, std::size_t column) -> const SortCell& {
        return CellOrEmpty(table[row], column);
    };
    GapExchangeSort(
        n, [&](std::size_t i, std::size_t j) { return KeysOutOfOrder(keys, cell_at, i, j); },
        [&table](std::size_t i, std::size_t j) {
            std::vector<SortCell>& a = table[i];
            std::vector<SortCell>& b = table[j];
            const std::size_t width = std::max(a.size(), b.size());
            if (width <= 1) {
                return;
            }
            // Pad the shorter row so its partner's cells have somewhere to go.
            a.resize(width);
            b.resize(width);
            std::swap_ranges(a.begin() + 1, a.end(), b.begin() + 1);
        });
    return Status::Ok();
}

Status SortTableCols(SortTable& table, std::string_view order) {
    const std::vector<ParsedKey> parsed = ParseKeys(order);
    if (Status status = CheckDirections(parsed, order); !status) {
        return status;
    }
    const std::vector<SortKey> keys = KeysOnly(parsed);
    std::size_t n = 0;
    for (std::size_t c = 1; c < table.size(); ++c) {
        if (!table[c].empty()) {
            n = std::max(n, table[c].size() - 1);
        }
    }
    auto cell_at = [&table](std::size_t row, std::size_t column) -> const SortCell& {
        static const SortCell kEmpty;
        return column < table.size() ? CellOrEmpty(table[column], row) : kEmpty;
    };
    GapExchangeSort(
        n, [&](std::size_t i, std::size_t j) { return KeysOutOfOrder(keys, cell_at, i, j); },
        [&table](std::size_t i, std::size_t j) {
            // i < j always: a column reaching i but not j is padded.
            for (std::size_t c = 1; c < table.size(); ++c) {
                std::vector<SortCell>& column = table[c];
                if (i >= column.size()) {
                    continue;
                }
                if (j >= column.size()) {
                    column.resize(j + 1);
                }
                std::swap(column[i], column[j]);
            }
        });
    return Status::Ok();
}

Status SortList(std::vector<SortCell>& list, char direction) {
    if (Status status = CheckDirection(direction); !status) {
        return status;
    }
    const char upper = ToUpper(std::string_view(&direction, 1))[0];
    const std::size_t n = list.empty() ? 0 : list.size() - 1;
    GapExchangeSort(
        n,
        [&](std::size_t i, std::size_t j) {
            return OutOfOrder(CompareSortCells(list[i], list[j]), upper);
        },
        [&list](std::size_t i, std::size_t j) { std::swap(list[i], list[j]); });
    return Status::Ok();
}

}  // namespace skitally
