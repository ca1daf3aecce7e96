#pragma once
// The printer settings file beside a design (<design>.lbp), INI text:
//   [Printer]
//   FormatVersion=1
//   Name=capture        ; a CUPS destination, or PDF for the built-in printer
//   Copies=1
//   Resolution=300      ; dots per inch of the built-in PDF printer
// A design without one prints to the default printer.
#include <optional>
#include <string>

namespace quill::labelrender {

inline constexpr char kPdfPrinterName[] = "PDF";
// The dot grid the built-in PDF printer lays symbols out on unless told otherwise.
inline constexpr int kPdfPrinterDefaultDpi = 300;
inline constexpr int kMinPrinterDpi = 72;
inline constexpr int kMaxPrinterDpi = 4800;

struct PrinterSettings {
    std::string name;   // empty: the default printer
    int copies = 1;
    int resolution = 0;   // dots per inch for the PDF printer; 0: not given

    // nullopt when the file is missing or unreadable.
    static std::optional<PrinterSettings> Load(const std::string& path);
    bool Save(const std::string& path) const;
};

// <folder>/<design base name>.lbp, found without regard to case.
std::string PrinterSettingsPath(const std::string& folder, const std::string& designPath);

}  // namespace quill::labelrender
