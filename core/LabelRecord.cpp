#include "core/LabelRecord.h"

#include <stdexcept>

namespace quill {

std::string_view TLabelRecord::FieldName(int position) const {
    if (!Holds(position)) return {};
    const std::string* name = positions_[static_cast<std::size_t>(position)].Name;
    return name ? std::string_view(*name) : std::string_view();
}

char TLabelRecord::FieldKind(int position) const {
    return Holds(position) ? positions_[static_cast<std::size_t>(position)].Kind : '\0';
}

std::string_view TLabelRecord::FieldValue(int position) const {
    if (!Holds(position)) return {};
    const auto index = static_cast<std::size_t>(position);
    const std::size_t begin = index == 0 ? 0 : positions_[index - 1].ValueEnd;
    return std::string_view(values_).substr(begin, positions_[index].ValueEnd - begin);
}

void TLabelRecord::AppendField(const std::string* name, char kind, std::string_view value) {
    if (FieldCount() >= Capacity) throw std::length_error("label record is full");
    values_.append(value);
    positions_.push_back({name, static_cast<std::uint32_t>(values_.size()), kind});
}

void TLabelRecord::ClearFields() {
    positions_.clear();
    values_.clear();
}

void ClearLabelRecord(TLabelRecord& record) {
    record.Mode = TMode::Legacy;
    record.Amount = 0;
    record.Design.clear();
    record.DesignFolder.clear();
    record.LocationName.clear();
    record.ClearFields();
}

}  // namespace quill
