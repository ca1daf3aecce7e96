#pragma once
// One settings store shared by every program on the computer: the INI file
// QUILL.INI in the program folder when it exists, otherwise the registry
// stand-in under SOFTWARE\Vek\Quill. Every access happens in the current
// section Folders.SettingsSection; nothing is cached between accesses.
#include <functional>
#include <string>
#include <variant>

namespace quill {

// Typed as the store holds it: integers (and booleans in the registry),
// strings. A boolean written to the store is an integer 1 / 0.
using SettingValue = std::variant<int, bool, std::string>;

// How a key is written to and read from an INI file; depends on the name alone.
enum class KeyClass { Integer, Boolean, String };
KeyClass KeyClassOf(const std::string& key);

inline constexpr const char* RegistryRoot = "SOFTWARE\\Vek\\Quill";
inline constexpr const char* RegistryOpenErrorMessage =
    "Error opening Windows Registry.\rTry to start program at later time.\rIf problem consists, contact manufacturer.";

// Called when the registry store cannot be opened or created; must not
// return. The default prints the message and ends the program with exit
// code 1; the window programs install one that shows a message box first.
using FatalStoreHandler = std::function<void(const std::string& message)>;
void SetFatalStoreHandler(FatalStoreHandler handler);

void OpenSettingsStore();
void CloseSettingsStore();

// Section of the current SettingsSection: "Quill" or the section without
// its leading backslash. Registry key: RegistryRoot + SettingsSection.
std::string CurrentIniSection();
std::string CurrentRegistryKey();
std::string SettingsFilePath();   // ProgramFolder + INIFileName

SettingValue ReadValue(const std::string& key, const SettingValue& defaultValue);
void WriteValue(const std::string& key, const SettingValue& value);
void DeleteSection();

// Typed reads: a stored value of the wrong type yields the default.
int ReadIntegerValue(const std::string& key, int defaultValue);
bool ReadBooleanValue(const std::string& key, bool defaultValue);
std::string ReadStringValue(const std::string& key, const std::string& defaultValue);

// Runs `body` inside OpenSettingsStore / CloseSettingsStore with
// SettingsSection set to `section`.
void WithSettingsSection(const std::string& section, const std::function<void()>& body);

}  // namespace quill
