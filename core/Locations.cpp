#include "core/Locations.h"

#include "core/SettingsStore.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

std::string EntrySection(TMode mode, int number) { return ModeSettingsSection(mode) + std::to_string(number); }

void CreateIfMissing(const std::string& folder) {
    if (!platform::FolderExists(folder)) platform::CreateFolders(folder);
}

}  // namespace

void LoadLocations(TMode mode, TLocationList& list) {
    FreeLocations(list);
    for (int n = 1; n <= MaxLocationNumber; ++n) {
        auto entry = std::make_unique<TLocName>();
        entry->Number = n;
        WithSettingsSection(EntrySection(mode, n), [&] {
            entry->Name = ReadStringValue("Name", "");
            if (entry->Name.empty()) return;
            entry->DesignLocation = ReadStringValue("DesignLocation", ModeDesignFolder(mode));
            entry->FileLocation = ReadStringValue("FileLocation", ModeFileFolder(mode));
        });
        // the list ends at the first incomplete entry
        if (entry->Name.empty() || entry->DesignLocation.empty() || entry->FileLocation.empty()) break;
        entry->DesignLocation = AddBackslash(entry->DesignLocation);
        entry->FileLocation = AddBackslash(entry->FileLocation);
        CreateLocationFolders(*entry);
        list.push_back(std::move(entry));
    }
}

void SaveLocations(TMode mode, const TLocationList& list) {
    int number = 0;
    for (const auto& entry : list) {
        WithSettingsSection(EntrySection(mode, ++number), [&] {
            WriteValue("Name", entry->Name);
            WriteValue("DesignLocation", entry->DesignLocation);
            WriteValue("FileLocation", entry->FileLocation);
        });
        CreateLocationFolders(*entry);
    }
    // Entries past the list go, also those behind a gap in the numbering.
    OpenSettingsStore();
    for (int n = number + 1; n <= MaxLocationNumber; ++n) {
        WithSettingsSection(EntrySection(mode, n), [] {
            if (!ReadStringValue("Name", "").empty()) DeleteSection();
        });
    }
    CloseSettingsStore();
}

void CreateLocationFolders(const TLocName& entry) {
    CreateIfMissing(entry.DesignLocation);
    CreateIfMissing(entry.FileLocation);
    CreateIfMissing(AddBackslash(entry.FileLocation) + "Backup");
    CreateIfMissing(AddBackslash(entry.FileLocation) + "Error");
}

void FreeLocations(TLocationList& list) { list.clear(); }

}  // namespace quill
