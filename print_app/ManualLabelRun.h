#pragma once
// Manual labels as the printing windows hand them on: one label record
// printed `amount` times, or a running barcode range of single labels, in
// label files of at most 250 lines for the engine, or a preview of at most
// 100 labels.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/LabelRecord.h"
#include "print_app/ManualFields.h"

namespace quill {

inline constexpr int LabelFileChunk = 250;
inline constexpr int PreviewLimit = 100;
inline constexpr const char* PreviewLimitMessage = "Only the first 100 items will be shown in preview!";

struct TManualLabel {
    int amount = 0;
    std::string design;
    std::string designFolder;
    std::vector<TEntry> entries;

    TLabelRecord Record(const std::string* firstValue = nullptr) const {
        return ManualRecord(amount, design, designFolder, entries, firstValue);
    }
};

// 600 -> 250, 250, 100.
std::vector<int> ChunkSizes(int count, int chunk = LabelFileChunk);

// The first number of a range: LastBarcode read again from the settings
// store (another program may have printed since), its check digit
// recomputed. Empty when LastBarcode is no number.
std::optional<std::string> CurrentRangeBarcode();

// `count` single labels numbered from `barcode`, which moves on past the
// last one. Empty when a number cannot be formed.
std::optional<std::vector<TLabelRecord>> NumberLabels(const TManualLabel& label, std::string& barcode, int count);

// What the user reads when LastBarcode is no number.
std::string NoBarcodeMessage();

// False when the chunk could not be written.
using TChunkWriter = std::function<bool(std::span<const TLabelRecord> chunk)>;

// Prints a range of `count` labels from CurrentRangeBarcode(): per chunk,
// LastBarcode is stored as the number after the chunk's last one before
// `write` gets the chunk, so that no number is ever printed twice.
// `progress` hears labels done; `chunkDone` runs after each stored chunk.
// A chunk not written ends the range (its numbers stay used). False when a
// number cannot be formed.
bool PrintBarcodeRange(const TManualLabel& label, int count, const TChunkWriter& write,
                       const std::function<void(int done)>& progress, const std::function<void()>& chunkDone);

}  // namespace quill
