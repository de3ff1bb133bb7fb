#include "entries/pick_table.h"

#include <sqlite3.h>

#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr const char* kCreate =
    "CREATE TABLE IF NOT EXISTS PickRacers ("
    " Nam TEXT NOT NULL, Nat TEXT, Clb TEXT, Cat TEXT, Crd TEXT NOT NULL, Gdr TEXT, BYr TEXT,"
    " pDH REAL, pSL REAL, pGS REAL, pSG REAL, pSC REAL, pSX REAL, rSX TEXT, pKK REAL, Grp TEXT, Crd2 TEXT,"
    " PRIMARY KEY (Nam, Crd))";

constexpr const char* kColumns = "Nam, Nat, Clb, Cat, Crd, Gdr, BYr, pDH, pSL, pGS, pSG, pSC, pSX, rSX, pKK, Grp, Crd2";

std::string Cut(std::string text, std::size_t width)
{
    // Cut on a character boundary: the names are UTF-8.
    if (text.size() <= width)
        return text;
    std::size_t end = width;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

float Points(const std::string& text)
{
    return Trim(text).empty() ? -1.0f : static_cast<float>(ReadNumber(text));
}

Status SqlError(sqlite3* db, const std::string& what)
{
    return Status::Fail("PickRacers " + what + ": " + sqlite3_errmsg(db));
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) { sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void BindText(sqlite3_stmt* stmt, int index, const std::string& text)
{
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* stmt, int index)
{
    const unsigned char* text = sqlite3_column_text(stmt, index);
    return text ? reinterpret_cast<const char*>(text) : "";
}

PickRacer RowOf(sqlite3_stmt* stmt)
{
    PickRacer r;
    r.nam = ColumnText(stmt, 0);
    r.nat = ColumnText(stmt, 1);
    r.clb = ColumnText(stmt, 2);
    r.cat = ColumnText(stmt, 3);
    r.crd = ColumnText(stmt, 4);
    r.gdr = ColumnText(stmt, 5);
    r.byr = ColumnText(stmt, 6);
    float* points[] = {&r.pDH, &r.pSL, &r.pGS, &r.pSG, &r.pSC, &r.pSX};
    for (int i = 0; i < 6; ++i)
        *points[i] = static_cast<float>(sqlite3_column_double(stmt, 7 + i));
    r.rSX = ColumnText(stmt, 13);
    r.pKK = static_cast<float>(sqlite3_column_double(stmt, 14));
    r.grp = ColumnText(stmt, 15);
    r.crd2 = ColumnText(stmt, 16);
    return r;
}

}  // namespace

PickRacer PickRacerFromLine(const std::string& line, const std::string& separator)
{
    std::vector<std::string> fields;
    std::string rest = line;
    for (int i = 0; i < 18; ++i)
        fields.push_back(PopToken(rest, separator));
    PickRacer r;
    const std::string last = Trim(fields[0]);
    const std::string first = Trim(fields[1]);
    r.nam = Cut(first.empty() ? last : last + " " + first, 40);
    r.nat = Cut(Trim(fields[2]), 5);
    r.clb = Cut(Trim(fields[3]), 5);
    r.cat = Cut(Trim(fields[4]), 3);
    r.crd = Cut(Trim(fields[5]), 7);
    r.gdr = Cut(Trim(fields[6]), 1);
    r.byr = Cut(Trim(fields[7]), 4);
    r.pDH = Points(fields[8]);
    r.pSL = Points(fields[9]);
    r.pGS = Points(fields[10]);
    r.pSG = Points(fields[11]);
    r.pSC = Points(fields[12]);
    r.pSX = Points(fields[13]);
    r.rSX = Cut(Trim(fields[14]), 10);
    r.pKK = Points(fields[15]);
    r.grp = Cut(Trim(fields[16]), 10);
    r.crd2 = Cut(Trim(fields[17]), 10);
    return r;
}

Status CreatePickTable(sqlite3* db)
{
    return sqlite3_exec(db, kCreate, nullptr, nullptr, nullptr) == SQLITE_OK ? Status::Ok()
                                                                           : SqlError(db, "cannot be created");
}

Status ReplacePickTable(sqlite3* db, const std::vector<PickRacer>& racers)
{
    if (Status created = CreatePickTable(db); !created)
        return created;
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return SqlError(db, "is busy");
    auto rollback = [db](Status failure) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        return failure;
    };
    if (sqlite3_exec(db, "DELETE FROM PickRacers", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollback(SqlError(db, "cannot be emptied"));
    Statement insert(db, std::string("INSERT OR REPLACE INTO PickRacers (") + kColumns +
                             ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)");
    if (!insert.get())
        return rollback(SqlError(db, "insert"));
    sqlite3_stmt* stmt = insert.get();
    for (const PickRacer& r : racers) {
        sqlite3_reset(stmt);
        const std::string texts[] = {r.nam, r.nat, r.clb, r.cat, r.crd, r.gdr, r.byr};
        for (int i = 0; i < 7; ++i)
            BindText(stmt, i + 1, texts[i]);
        const float points[] = {r.pDH, r.pSL, r.pGS, r.pSG, r.pSC, r.pSX};
        for (int i = 0; i < 6; ++i)
            sqlite3_bind_double(stmt, 8 + i, points[i]);
        BindText(stmt, 14, r.rSX);
        sqlite3_bind_double(stmt, 15, r.pKK);
        BindText(stmt, 16, r.grp);
        BindText(stmt, 17, r.crd2);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            return rollback(SqlError(db, "row " + r.nam));
    }
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollback(SqlError(db, "commit"));
    return Status::Ok();
}

Status ReadPickTable(sqlite3* db, std::vector<PickRacer>& racers)
{
    racers.clear();
    if (Status created = CreatePickTable(db); !created)
        return created;
    Statement select(db, std::string("SELECT ") + kColumns + " FROM PickRacers ORDER BY Nam, Crd");
    if (!select.get())
        return SqlError(db, "select");
    while (sqlite3_step(select.get()) == SQLITE_ROW)
        racers.push_back(RowOf(select.get()));
    return Status::Ok();
}

std::optional<PickRacer> FindPickRacer(sqlite3* db, const std::string& name, const std::string& code)
{
    if (!CreatePickTable(db))
        return std::nullopt;
    Statement select(db, std::string("SELECT ") + kColumns + " FROM PickRacers WHERE Nam = ?1 AND Crd = ?2");
    if (!select.get())
        return std::nullopt;
    BindText(select.get(), 1, name);
    BindText(select.get(), 2, code);
    if (sqlite3_step(select.get()) != SQLITE_ROW)
        return std::nullopt;
    return RowOf(select.get());
}

}  // namespace skitally
