#include "app/settings_store.h"

#include <sqlite3.h>

#include <filesystem>

namespace skitally {
namespace {

constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS AppReg ("
    " Section TEXT NOT NULL, Key TEXT NOT NULL, Setting TEXT NOT NULL,"
    " PRIMARY KEY (Section, Key))";

// A statement that finalises itself, so every early return cleans up.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool valid() const { return stmt_ != nullptr; }
    void Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(stmt_, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    int Step() { return sqlite3_step(stmt_); }
    std::string Column(int index)
    {
        const unsigned char* text = sqlite3_column_text(stmt_, index);
        return text ? reinterpret_cast<const char*>(text) : "";
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace

std::unique_ptr<SettingsStore> SettingsStore::Open(const std::string& path)
{
    std::unique_ptr<SettingsStore> store(new SettingsStore());
    if (store->Prepare(path)) {
        store->persistent_ = true;
        return store;
    }
    std::string error = store->openError_;
    store = InMemory();
    store->openError_ = error;
    return store;
}

std::unique_ptr<SettingsStore> SettingsStore::InMemory()
{
    std::unique_ptr<SettingsStore> store(new SettingsStore());
    store->Prepare(":memory:");
    store->persistent_ = false;
    return store;
}

bool SettingsStore::Prepare(const std::string& path)
{
    path_ = path;
    if (path != ":memory:") {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    }
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        openError_ = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    char* message = nullptr;
    // A file that is not a database only shows itself on the first statement.
    if (sqlite3_exec(db_, kCreateTable, nullptr, nullptr, &message) != SQLITE_OK) {
        openError_ = message ? message : "cannot create the settings table";
        sqlite3_free(message);
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    return true;
}

SettingsStore::~SettingsStore()
{
    sqlite3_close(db_);
}

std::string SettingsStore::Get(const std::string& section, const std::string& key) const
{
    if (!db_)
        return {};
    Statement stmt(db_, "SELECT Setting FROM AppReg WHERE Section = ?1 AND Key = ?2");
    if (!stmt.valid())
        return {};
    stmt.Bind(1, section);
    stmt.Bind(2, key);
    return stmt.Step() == SQLITE_ROW ? stmt.Column(0) : std::string();
}

bool SettingsStore::Contains(const std::string& section, const std::string& key) const
{
    if (!db_)
        return false;
    Statement stmt(db_, "SELECT 1 FROM AppReg WHERE Section = ?1 AND Key = ?2");
    if (!stmt.valid())
        return false;
    stmt.Bind(1, section);
    stmt.Bind(2, key);
    return stmt.Step() == SQLITE_ROW;
}

bool SettingsStore::Set(const std::string& section, const std::string& key, const std::string& value)
{
    if (!db_)
        return false;
    Statement stmt(db_, "INSERT INTO AppReg (Section, Key, Setting) VALUES (?1, ?2, ?3)"
                        " ON CONFLICT (Section, Key) DO UPDATE SET Setting = excluded.Setting");
    if (!stmt.valid())
        return false;
    stmt.Bind(1, section);
    stmt.Bind(2, key);
    stmt.Bind(3, value);
    return stmt.Step() == SQLITE_DONE;
}

bool SettingsStore::Remove(const std::string& section, const std::string& key)
{
    if (!db_)
        return false;
    Statement stmt(db_, "DELETE FROM AppReg WHERE Section = ?1 AND Key = ?2");
    if (!stmt.valid())
        return false;
    stmt.Bind(1, section);
    stmt.Bind(2, key);
    return stmt.Step() == SQLITE_DONE;
}

SettingsBatch::SettingsBatch(SettingsStore& store)
{
    if (store.database() && sqlite3_exec(store.database(), "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK)
        db_ = store.database();
}

SettingsBatch::~SettingsBatch()
{
    if (db_)
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
}

}  // namespace skitally
