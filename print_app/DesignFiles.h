#pragma once
// The file side of the design lists' commands: a design N.lbl and its
// companions N.lbv (sketch), N.lbp (printer settings), N.bmp and N.jpg
// (pictures made from the sketch), all in one design folder.
#include <string>

namespace quill {

// "N.lbl" -> "N": the name without its last four characters.
std::string DesignBaseName(const std::string& fileName);
// folder + base + extension (extension with its dot).
std::string CompanionPath(const std::string& folder, const std::string& fileName, const char* extension);

// Deletes N.lbl; only when that worked also N.lbv, N.bmp and N.lbp. N.jpg
// stays. False when N.lbl is still there.
bool DeleteDesignFiles(const std::string& folder, const std::string& fileName);
bool DeletePrinterSettingsFile(const std::string& folder, const std::string& fileName);
// Renames old.lbl to new.lbl (never over an existing file), then old.lbv
// and old.lbp where they exist. The pictures keep the old name; the next
// fill makes them again.
bool RenameDesignFiles(const std::string& folder, const std::string& oldName, const std::string& newName);
// Copies source.lbl over target/new.lbl and source.lbv when it exists; the
// printer settings over an existing new.lbp only with `overwritePrinterSettings`.
bool CopyDesignFiles(const std::string& sourceFolder, const std::string& sourceName, const std::string& targetFolder,
                     const std::string& newName, bool overwritePrinterSettings);

}  // namespace quill
