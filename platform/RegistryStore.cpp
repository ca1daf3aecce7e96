#include "platform/RegistryStore.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/SqliteDb.h"
#include "platform/SystemInfo.h"

namespace quill::platform {

namespace fs = std::filesystem;

struct RegistryStore::Db : SqliteDb {
    using SqliteDb::SqliteDb;
};

namespace {

// Bumped with every change of the tables below; a store written by a newer
// program is refused rather than misread.
constexpr int kSchemaVersion = 1;

// Lookup columns hold the lower-cased spelling, so the primary keys give
// case-insensitive uniqueness and fast lookups; the stored spelling is the
// one the key or value was created with.
constexpr const char* kSchema[] = {
    "CREATE TABLE reg_keys (lookup TEXT PRIMARY KEY, path TEXT NOT NULL) WITHOUT ROWID",
    "CREATE TABLE reg_values (key_lookup TEXT NOT NULL, name_lookup TEXT NOT NULL, name TEXT NOT NULL,"
    " type INTEGER NOT NULL, data NOT NULL, PRIMARY KEY (key_lookup, name_lookup))",
};

struct KeyPath {
    std::string spelling;   // "SOFTWARE\Vek\Quill"; "" is the root
    std::string lookup;     // lower-cased
};

// Plain ASCII folding: key and value names are ASCII, and other bytes (UTF-8
// or a code page) stay as they are rather than being guessed at.
std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Leading, trailing and doubled backslashes are dropped, so "\SOFTWARE\Vek\"
// and "SOFTWARE\Vek" name the same key.
KeyPath Normalize(const std::string& key) {
    std::string spelling;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string::npos) end = key.size();
        if (end > start) {
            if (!spelling.empty()) spelling += '\\';
            spelling.append(key, start, end - start);
        }
        start = end + 1;
    }
    return {spelling, Lower(spelling)};
}

// Bounds of the lookups strictly below `lookup`: every one starts with
// lookup + '\', and ']' is the character after '\'.
std::string BelowFrom(const KeyPath& k) { return k.lookup + '\\'; }
std::string BelowTo(const KeyPath& k) { return k.lookup + ']'; }

int UserVersion(SqliteDb& db) {
    SqliteStatement query = db.Prepare("PRAGMA user_version");
    return query.Step() ? static_cast<int>(query.Int(0)) : 0;
}

void EnsureSchema(SqliteDb& db, const std::string& path) {
    int version = 0;
    db.Read([&] { version = UserVersion(db); });
    if (version == 0) {
        // checked again under the write lock: another process may be
        // creating the same store right now
        db.Write([&] {
            version = UserVersion(db);
            if (version != 0) return;
            for (const char* sql : kSchema) db.Exec(sql);
            db.Exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
            version = kSchemaVersion;
        });
    }
    if (version > kSchemaVersion)
        throw RegistryError("registry store " + path + ": written by a newer program (format " +
                            std::to_string(version) + ")");
}

// Inserts `k` and every missing parent; existing keys keep their spelling.
void InsertKeyWithParents(SqliteDb& db, const KeyPath& k) {
    for (std::size_t end = k.spelling.find('\\');; end = k.spelling.find('\\', end + 1)) {
        const std::size_t length = end == std::string::npos ? k.spelling.size() : end;
        db.Prepare("INSERT OR IGNORE INTO reg_keys (lookup, path) VALUES (?1, ?2)")
            .BindText(1, std::string_view(k.lookup).substr(0, length))
            .BindText(2, std::string_view(k.spelling).substr(0, length))
            .Run();
        if (end == std::string::npos) return;
    }
}

bool KeyRowExists(SqliteDb& db, const KeyPath& k) {
    return k.lookup.empty() || db.Prepare("SELECT 1 FROM reg_keys WHERE lookup = ?1").BindText(1, k.lookup).Step();
}

// A row of "SELECT name, type, data FROM reg_values".
RegValue ValueFromRow(const SqliteStatement& row) {
    RegValue value{row.Bytes(0), static_cast<RegType>(row.Int(1)), {}, 0};
    if (value.type == RegType::DWord)
        value.dword = static_cast<std::uint32_t>(row.Int(2));
    else
        value.text = row.Bytes(2);
    return value;
}

}  // namespace

RegistryStore::RegistryStore(const std::string& path) : path_(path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);
    if (ec) throw RegistryError("registry store " + path + ": cannot create its folder: " + ec.message());
    db_ = std::make_unique<Db>(path);
    EnsureSchema(*db_, path);
}

RegistryStore::~RegistryStore() = default;

std::string RegistryStore::DefaultPath() {
    if (const char* explicitPath = std::getenv("QUILL_REGISTRY"); explicitPath && *explicitPath)
        return explicitPath;
    // the store is the site's, shared like its folders
    return DataRoot() + "registry.db";
}

bool RegistryStore::KeyExists(const std::string& key) {
    const KeyPath k = Normalize(key);
    bool exists = false;
    db_->Read([&] { exists = KeyRowExists(*db_, k); });
    return exists;
}

void RegistryStore::CreateKey(const std::string& key) {
    const KeyPath k = Normalize(key);
    if (k.lookup.empty()) return;   // the root always exists
    db_->Write([&] { InsertKeyWithParents(*db_, k); });
}

bool RegistryStore::DeleteKey(const std::string& key) {
    const KeyPath k = Normalize(key);
    if (k.lookup.empty()) return false;   // the root cannot be deleted
    bool existed = false;
    db_->Write([&] {
        existed = KeyRowExists(*db_, k);
        if (!existed) return;
        const std::string from = BelowFrom(k), to = BelowTo(k);
        db_->Prepare("DELETE FROM reg_values WHERE key_lookup = ?1 OR (key_lookup >= ?2 AND key_lookup < ?3)")
            .BindText(1, k.lookup).BindText(2, from).BindText(3, to).Run();
        db_->Prepare("DELETE FROM reg_keys WHERE lookup = ?1 OR (lookup >= ?2 AND lookup < ?3)")
            .BindText(1, k.lookup).BindText(2, from).BindText(3, to).Run();
    });
    return existed;
}

std::optional<RegValue> RegistryStore::ReadValue(const std::string& key, const std::string& name) {
    const KeyPath k = Normalize(key);
    std::optional<RegValue> result;
    db_->Read([&] {
        result.reset();
        SqliteStatement query =
            db_->Prepare("SELECT name, type, data FROM reg_values WHERE key_lookup = ?1 AND name_lookup = ?2");
        query.BindText(1, k.lookup).BindText(2, Lower(name));
        if (query.Step()) result = ValueFromRow(query);
    });
    return result;
}

namespace {

// One short immediate transaction: the key (with parents) and the value.
// An existing value keeps the spelling of its name, as in the registry.
void WriteValueRow(SqliteDb& db, const std::string& key, const std::string& name, RegType type,
                   const std::function<void(SqliteStatement&)>& bindData) {
    const KeyPath k = Normalize(key);
    db.Write([&] {
        InsertKeyWithParents(db, k);
        SqliteStatement upsert = db.Prepare(
            "INSERT INTO reg_values (key_lookup, name_lookup, name, type, data) VALUES (?1, ?2, ?3, ?4, ?5)"
            " ON CONFLICT (key_lookup, name_lookup) DO UPDATE SET type = excluded.type, data = excluded.data");
        upsert.BindText(1, k.lookup).BindText(2, Lower(name)).BindText(3, name).BindInt(4, static_cast<int>(type));
        bindData(upsert);
        upsert.Run();
    });
}

}  // namespace

void RegistryStore::WriteString(const std::string& key, const std::string& name, const std::string& value) {
    WriteValueRow(*db_, key, name, RegType::String, [&](SqliteStatement& s) { s.BindBlob(5, value); });
}

void RegistryStore::WriteDWord(const std::string& key, const std::string& name, std::uint32_t value) {
    WriteValueRow(*db_, key, name, RegType::DWord, [&](SqliteStatement& s) { s.BindInt(5, value); });
}

void RegistryStore::WriteBinary(const std::string& key, const std::string& name, const std::string& bytes) {
    WriteValueRow(*db_, key, name, RegType::Binary, [&](SqliteStatement& s) { s.BindBlob(5, bytes); });
}

bool RegistryStore::DeleteValue(const std::string& key, const std::string& name) {
    const KeyPath k = Normalize(key);
    int deleted = 0;
    db_->Write([&] {
        deleted = db_->Prepare("DELETE FROM reg_values WHERE key_lookup = ?1 AND name_lookup = ?2")
                      .BindText(1, k.lookup)
                      .BindText(2, Lower(name))
                      .Run();
    });
    return deleted > 0;
}

std::vector<RegValue> RegistryStore::ListValues(const std::string& key) {
    const KeyPath k = Normalize(key);
    std::vector<RegValue> values;
    db_->Read([&] {
        values.clear();
        SqliteStatement query = db_->Prepare(
            "SELECT name, type, data FROM reg_values WHERE key_lookup = ?1 ORDER BY name_lookup");
        query.BindText(1, k.lookup);
        while (query.Step()) values.push_back(ValueFromRow(query));
    });
    return values;
}

std::vector<std::string> RegistryStore::ListKeys(const std::string& prefix) {
    const KeyPath k = Normalize(prefix);
    std::vector<std::string> keys;
    db_->Read([&] {
        keys.clear();
        // below the root means every key
        SqliteStatement query = db_->Prepare(
            "SELECT path FROM reg_keys WHERE ?1 = '' OR lookup = ?1 OR (lookup >= ?2 AND lookup < ?3)"
            " ORDER BY lookup");
        query.BindText(1, k.lookup).BindText(2, BelowFrom(k)).BindText(3, BelowTo(k));
        while (query.Step()) keys.push_back(query.Bytes(0));
    });
    return keys;
}

}  // namespace quill::platform
