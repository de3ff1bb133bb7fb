#pragma once
// The per-user settings: the table "AppReg" (Section, Key, Setting) of the
// per-user SQLite database. Missing values read as the empty string.

#include <memory>
#include <string>

struct sqlite3;

namespace skitally {

class SettingsStore {
public:
    // Opens or creates the database at `path`. When it cannot be opened or is
    // not a database, the store falls back to memory so that the program
    // still starts; `persistent()` is then false and `openError()` says why.
    static std::unique_ptr<SettingsStore> Open(const std::string& path);
    static std::unique_ptr<SettingsStore> InMemory();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    std::string Get(const std::string& section, const std::string& key) const;
    // Whether the key was ever written, even with an empty value.
    bool Contains(const std::string& section, const std::string& key) const;
    bool Set(const std::string& section, const std::string& key, const std::string& value);
    bool Remove(const std::string& section, const std::string& key);

    bool persistent() const { return persistent_; }
    const std::string& path() const { return path_; }
    const std::string& openError() const { return openError_; }
    // The same database holds the pick table of the racer entry screens.
    sqlite3* database() const { return db_; }

private:
    SettingsStore() = default;
    bool Prepare(const std::string& path);

    sqlite3* db_ = nullptr;
    bool persistent_ = false;
    std::string path_;
    std::string openError_;
};

// The writes made while it lives go to the database as one transaction:
// one flush to the disk for the lot instead of one for each value, which a
// first start writing every default would otherwise spend most of its time
// on. Committed when it ends; does nothing on a store that is not open.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    sqlite3* db_ = nullptr;
};

}  // namespace skitally
