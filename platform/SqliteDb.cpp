#include "platform/SqliteDb.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/RegistryStore.h"

namespace quill::platform {

namespace {

using namespace std::chrono_literals;

// SQLite waits this long for a lock by itself...
constexpr int kBusyTimeoutMs = 10'000;
// ...and where it reports "busy" without waiting (WAL recovery, a lock it
// cannot wait for), the whole transaction is tried again until this passes.
constexpr auto kGiveUpAfter = 60s;

// Thrown inside an attempt when another process holds the database.
struct Busy {};

bool IsBusy(int rc) {
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

}  // namespace

SqliteStatement::~SqliteStatement() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

SqliteStatement& SqliteStatement::BindText(int index, std::string_view text) {
    // a non-null pointer even for "", which would otherwise bind NULL
    if (sqlite3_bind_text(stmt_, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        db_.Fail("cannot bind a parameter");
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, std::string_view bytes) {
    if (sqlite3_bind_blob(stmt_, index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        db_.Fail("cannot bind a parameter");
    return *this;
}

SqliteStatement& SqliteStatement::BindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) db_.Fail("cannot bind a parameter");
    return *this;
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    if (IsBusy(rc)) throw Busy{};
    db_.Fail(sqlite3_sql(stmt_));
}

int SqliteStatement::Run() {
    while (Step()) {
    }
    return sqlite3_changes(sqlite3_db_handle(stmt_));
}

std::string SqliteStatement::Bytes(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

std::int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

SqliteDb::SqliteDb(const std::string& path) : path_(path) {
    // SQLite would make a new file 0644; made here it follows the umask,
    // so the site's group may write it (its journals take its mode)
    if (const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666); fd >= 0) ::close(fd);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) Fail("cannot open");
    sqlite3_busy_timeout(raw, kBusyTimeoutMs);
    // Readers and the one writer no longer block each other. This is also
    // the first real access, so a file that is no database fails here.
    Read([&] { Exec("PRAGMA journal_mode=WAL"); });
}

SqliteStatement SqliteDb::Prepare(const std::string& sql) {
    auto& cached = statements_[sql];
    if (!cached) {
        sqlite3_stmt* raw = nullptr;
        // No retry needed: SQLite waits for the schema lock by itself.
        if (sqlite3_prepare_v2(db_.get(), sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK)
            Fail(sql);
        cached.reset(raw);
    }
    return SqliteStatement(cached.get(), *this);
}

void SqliteDb::Exec(const std::string& sql) {
    SqliteStatement statement = Prepare(sql);
    statement.Run();
}

void SqliteDb::Write(const std::function<void()>& work) {
    Retry([&] {
        Exec("BEGIN IMMEDIATE");
        try {
            work();
            Exec("COMMIT");
        } catch (...) {
            if (!sqlite3_get_autocommit(db_.get())) sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    });
}

void SqliteDb::Read(const std::function<void()>& work) { Retry(work); }

void SqliteDb::Retry(const std::function<void()>& attempt) {
    const auto deadline = std::chrono::steady_clock::now() + kGiveUpAfter;
    for (auto pause = 1ms;; pause = std::min(pause * 2, 100ms)) {
        try {
            attempt();
            return;
        } catch (const Busy&) {
            if (std::chrono::steady_clock::now() > deadline)
                Fail("still locked by another process after " + std::to_string(kGiveUpAfter.count()) + " s");
            std::this_thread::sleep_for(pause);
        }
    }
}

void SqliteDb::Fail(const std::string& what) const {
    const char* reason = db_ ? sqlite3_errmsg(db_.get()) : "out of memory";
    throw RegistryError("registry store " + path_ + ": " + what + ": " + reason);
}

}  // namespace quill::platform
