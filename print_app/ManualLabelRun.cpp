#include "print_app/ManualLabelRun.h"

#include "core/Settings.h"
#include "core/UGlobals.h"
#include "printing/BarcodeNumbers.h"

namespace quill {

std::vector<int> ChunkSizes(int count, int chunk) {
    std::vector<int> sizes(static_cast<std::size_t>(count / chunk), chunk);
    if (count % chunk) sizes.push_back(count % chunk);
    return sizes;
}

std::optional<std::string> CurrentRangeBarcode() {
    LoadLastBarcode();
    return NextBarcode(Settings.LastBarcode, Settings.CheckDigit, 0);
}

std::optional<std::vector<TLabelRecord>> NumberLabels(const TManualLabel& label, std::string& barcode, int count) {
    TManualLabel single = label;
    single.amount = 1;
    std::vector<TLabelRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        records.push_back(single.Record(&barcode));
        const std::optional<std::string> next = NextBarcode(barcode, Settings.CheckDigit, 1);
        if (!next) return std::nullopt;
        barcode = *next;
    }
    return records;
}

std::string NoBarcodeMessage() {
    return "The next barcode number \"" + Settings.LastBarcode + "\" is not a number; correct it in the engine's settings.";
}

bool PrintBarcodeRange(const TManualLabel& label, int count, const TChunkWriter& write,
                       const std::function<void(int done)>& progress, const std::function<void()>& chunkDone) {
    std::optional<std::string> barcode = CurrentRangeBarcode();
    int done = 0;
    for (const int size : ChunkSizes(count)) {
        std::optional<std::vector<TLabelRecord>> records;
        if (barcode) records = NumberLabels(label, *barcode, size);
        if (!records) return false;
        done += size;
        if (progress) progress(done);
        Settings.LastBarcode = *barcode;
        SaveLastBarcode();
        if (chunkDone) chunkDone();
        if (!write(*records)) break;
    }
    return true;
}

}  // namespace quill
