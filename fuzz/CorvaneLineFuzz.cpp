// The Corvane family: Corvane, CorvanePWB, Direct and both ORS modes; ORS
// records always keep "P" as value 0.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    struct TFamilyMember {
        TMode Mode;
        int ValueCount;
    };
    static constexpr TFamilyMember kFamily[] = {
        {TMode::Corvane, CorvaneValueCount}, {TMode::CorvanePWB, CorvanePWBValueCount},
        {TMode::Direct, CorvaneValueCount},  {TMode::DirectORS, OrsValueCount},
        {TMode::CorvaneORS, OrsValueCount},
    };
    const fuzz::TInput input = fuzz::SplitInput(data, size);
    const TFamilyMember& member = kFamily[(input.Choice >> 1) % std::size(kFamily)];
    fuzz::FuzzSeparatedLine(member.Mode, member.ValueCount, input);
    if (member.ValueCount == OrsValueCount) {
        TLabelRecord record;
        ParseLabelLine(member.Mode, input.Text, fuzz::Vocabulary(member.Mode), fuzz::SeparatorOf(input.Choice), record);
        fuzz::Require(record.FieldValue(0) == "P");
    }
    return 0;
}
