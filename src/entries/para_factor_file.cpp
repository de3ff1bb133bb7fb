#include "entries/para_factor_file.h"

#include <sqlite3.h>

#include <charconv>
#include <memory>

#include "util/tokens.h"

namespace skitally {

namespace {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitCommas(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Status Failed(sqlite3* db, const std::string& what)
{
    return Status::Fail(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

}  // namespace

FactorFileRead ReadFactorText(std::string_view text)
{
    FactorFileRead read;
    std::vector<std::string> lines = SplitLines(text);
    if (lines.empty() || Trim(lines.front()).empty()) {
        read.refusal = FactorRefusal::Empty;
        return read;
    }
    const std::vector<std::string> header = SplitCommas(lines.front());
    std::array<std::size_t, kFactorColumns.size()> at{};
    for (std::size_t c = 0; c < kFactorColumns.size(); ++c) {
        at[c] = header.size();
        for (std::size_t h = 0; h < header.size() && at[c] == header.size(); ++h)
            if (ToUpper(header[h]) == ToUpper(kFactorColumns[c]))
                at[c] = h;
        if (at[c] == header.size()) {
            read.refusal = c == 0 ? FactorRefusal::MissingKey : FactorRefusal::MissingFields;
            if (c == 0)
                return read;
        }
    }
    if (read.refusal != FactorRefusal::None)
        return read;
    FactorTable seen;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::vector<std::string> fields = SplitCommas(lines[n]);
        const auto field = [&](std::size_t c) {
            const std::string value = at[c] < fields.size() ? fields[at[c]] : std::string();
            return value.empty() ? std::string(" ") : value;
        };
        FactorRow row{field(0), {field(1), field(2), field(3), field(4)}};
        if (row.klass == " " || seen.count(row.klass))
            continue;
        seen[row.klass] = row.factors;
        read.rows.push_back(std::move(row));
    }
    return read;
}

FactorTable MakeFactorTable(const std::vector<FactorRow>& rows)
{
    FactorTable table;
    for (const FactorRow& row : rows)
        table.emplace(row.klass, row.factors);
    return table;
}

Status FactorFileBytes(const std::vector<FactorRow>& rows, std::string& bytes)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open(":memory:", &raw);
    Database db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        return Failed(raw, "factor table");
    const char* create =
        "CREATE TABLE Factors (Class TEXT NOT NULL, DH TEXT, SL TEXT, GS TEXT, SG TEXT);"
        "CREATE UNIQUE INDEX PrimaryKey ON Factors (Class);";
    if (sqlite3_exec(raw, create, nullptr, nullptr, nullptr) != SQLITE_OK)
        return Failed(raw, "factor table");
    sqlite3_stmt* rawInsert = nullptr;
    sqlite3_prepare_v2(raw, "INSERT OR IGNORE INTO Factors VALUES (?, ?, ?, ?, ?)", -1, &rawInsert, nullptr);
    Statement insert(rawInsert, &sqlite3_finalize);
    for (const FactorRow& row : rows) {
        sqlite3_reset(rawInsert);
        sqlite3_bind_text(rawInsert, 1, row.klass.c_str(), -1, SQLITE_TRANSIENT);
        for (int c = 0; c < kFactorColumnCount; ++c)
            sqlite3_bind_text(rawInsert, c + 2, row.factors[c].c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(rawInsert) != SQLITE_DONE)
            return Failed(raw, "factor row " + row.klass);
    }
    sqlite3_int64 size = 0;
    unsigned char* image = sqlite3_serialize(raw, "main", &size, 0);
    if (!image)
        return Failed(raw, "factor table image");
    bytes.assign(reinterpret_cast<const char*>(image), static_cast<std::size_t>(size));
    sqlite3_free(image);
    return Status::Ok();
}

std::optional<FactorTable> ReadFactorDatabase(const std::string& path)
{
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    Database db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        return std::nullopt;
    sqlite3_stmt* rawSelect = nullptr;
    if (sqlite3_prepare_v2(raw, "SELECT Class, DH, SL, GS, SG FROM Factors", -1, &rawSelect, nullptr) != SQLITE_OK)
        return std::nullopt;
    Statement select(rawSelect, &sqlite3_finalize);
    const auto text = [rawSelect](int c) {
        const unsigned char* value = sqlite3_column_text(rawSelect, c);
        return value ? std::string(reinterpret_cast<const char*>(value)) : std::string();
    };
    FactorTable table;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(rawSelect)) == SQLITE_ROW)
        table.emplace(text(0), std::array<std::string, kFactorColumnCount>{text(1), text(2), text(3), text(4)});
    if (step != SQLITE_DONE)
        return std::nullopt;
    return table;
}

std::optional<int> FactorColumnOf(std::string_view discipline)
{
    const std::string code = ToUpper(Trim(discipline));
    if (code == "D" || code == "DH")
        return 0;
    if (code == "S" || code == "SL")
        return 1;
    if (code == "G" || code == "GS")
        return 2;
    if (code == "SG")
        return 3;
    return std::nullopt;
}

std::string GetFactorDisc(std::string_view discipline)
{
    const std::optional<int> column = FactorColumnOf(discipline);
    return column ? std::string(kFactorColumns[*column + 1]) : std::string();
}

std::optional<double> FactorOf(const FactorTable& table, std::string_view klass, int column)
{
    const auto row = table.find(Trim(klass));
    if (row == table.end() || column < 0 || column >= kFactorColumnCount)
        return std::nullopt;
    const std::string text = Trim(row->second[column]);
    double factor = 0;
    // from_chars: the decimal point whatever the user's locale.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), factor);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(factor > 0) || factor >= 100)
        return std::nullopt;
    return factor;
}

}  // namespace skitally
