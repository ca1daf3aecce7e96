#pragma once
// A SQLite connection that several processes share safely: WAL journal, a
// generous busy timeout, and transactions started over while another
// process holds the database, so a lock shows up as a short wait and never
// as an error. Failures throw RegistryError (the registry store is this
// wrapper's one user).
#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quill::platform {

class SqliteDb;

// One use of a cached prepared statement; reset and unbound when it goes
// out of scope, so no finished read keeps a snapshot open.
class SqliteStatement {
public:
    SqliteStatement(sqlite3_stmt* stmt, const SqliteDb& db) : stmt_(stmt), db_(db) {}
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Text compares byte for byte (key paths, names); blobs keep any bytes.
    SqliteStatement& BindText(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, std::string_view bytes);
    SqliteStatement& BindInt(int index, std::int64_t value);

    bool Step();   // true while there is a row
    int Run();     // steps to the end; the number of rows changed

    std::string Bytes(int column) const;
    std::int64_t Int(int column) const;

private:
    sqlite3_stmt* stmt_;
    const SqliteDb& db_;
};

class SqliteDb {
public:
    // Opens or creates the database file; its folder must exist.
    explicit SqliteDb(const std::string& path);
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Prepared once per connection, reused afterwards.
    SqliteStatement Prepare(const std::string& sql);

    // `work` in one BEGIN IMMEDIATE transaction, run again from the start
    // while another process holds the database.
    void Write(const std::function<void()>& work);
    // `work` made of plain reads, run again while the database is busy.
    void Read(const std::function<void()>& work);

    // A statement whose rows, if any, are not needed (pragmas, BEGIN).
    void Exec(const std::string& sql);

    [[noreturn]] void Fail(const std::string& what) const;

private:
    void Retry(const std::function<void()>& attempt);

    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    struct Finalize {
        void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
    };
    std::string path_;
    std::unique_ptr<sqlite3, Close> db_;
    std::unordered_map<std::string, std::unique_ptr<sqlite3_stmt, Finalize>> statements_;
};

}  // namespace quill::platform
