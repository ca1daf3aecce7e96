#pragma once
// One label line in memory: mode, amount, design and up to 496 positions of
// field name, kind and value. Records are copied once per queued label copy,
// so a copy costs what the line carries, not the full capacity: names point
// into the vocabulary and the values share one buffer.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/UGlobals.h"

namespace quill {

inline constexpr char KindText = '/';
inline constexpr char KindBarcode = 'B';

class TLabelRecord {
public:
    // Positions 0..Capacity-1; no line may carry more.
    static constexpr int Capacity = 496;

    TMode Mode = TMode::Legacy;
    int Amount = 0;
    std::string Design;
    std::string DesignFolder;   // ends with the folder separator
    std::string LocationName;   // empty for the mode's own folder

    int FieldCount() const { return static_cast<int>(positions_.size()); }
    // Unset positions (outside 0..FieldCount()-1) give "", 0 and "".
    std::string_view FieldName(int position) const;
    char FieldKind(int position) const;
    std::string_view FieldValue(int position) const;

    // Fills position FieldCount(). `name` must outlive the record: an entry of
    // a vocabulary (they live for the whole run) or null for a nameless
    // position. Throws std::length_error when the record is full.
    void AppendField(const std::string* name, char kind, std::string_view value);
    void ClearFields();

private:
    struct TPosition {
        const std::string* Name;
        std::uint32_t ValueEnd;  // end offset of the value in values_
        char Kind;
    };
    bool Holds(int position) const { return position >= 0 && position < FieldCount(); }

    std::vector<TPosition> positions_;
    std::string values_;
};

// Mode, amount and field count 0; all strings and positions empty. Keeps the
// buffers, so a reused working record does not allocate again.
void ClearLabelRecord(TLabelRecord& record);

}  // namespace quill
