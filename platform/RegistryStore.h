#pragma once
// The registry stand-in: a SQLite database of key paths, value names, types
// and data. Key paths use backslashes ("SOFTWARE\Vek\Quill\CORVANE2") and,
// like value names, are compared without regard to case. Several processes
// may read and write one store at the same time; every write is immediate
// and the last writer wins.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quill::platform {

enum class RegType : int { String = 1, DWord = 4, Binary = 3 };

struct RegValue {
    std::string name;
    RegType type = RegType::String;
    std::string text;            // REG_SZ data, or the raw bytes of other types
    std::uint32_t dword = 0;     // REG_DWORD data
};

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RegistryStore {
public:
    // Opens (creating when missing, with its folder) the store at `path`.
    // Throws RegistryError when the file cannot be opened or created.
    explicit RegistryStore(const std::string& path);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // $QUILL_REGISTRY, else registry.db in the data root.
    static std::string DefaultPath();

    const std::string& path() const { return path_; }

    bool KeyExists(const std::string& key);
    void CreateKey(const std::string& key);   // with all missing parents
    // Removes the key, its values and all its subkeys; false when missing.
    bool DeleteKey(const std::string& key);

    std::optional<RegValue> ReadValue(const std::string& key, const std::string& name);
    // Writing creates the key when missing.
    void WriteString(const std::string& key, const std::string& name, const std::string& value);
    void WriteDWord(const std::string& key, const std::string& name, std::uint32_t value);
    void WriteBinary(const std::string& key, const std::string& name, const std::string& bytes);
    bool DeleteValue(const std::string& key, const std::string& name);

    std::vector<RegValue> ListValues(const std::string& key);
    // Every key below `prefix` (and `prefix` itself), in stored spelling, sorted.
    std::vector<std::string> ListKeys(const std::string& prefix);

private:
    struct Db;
    std::string path_;
    std::unique_ptr<Db> db_;
};

}  // namespace quill::platform
