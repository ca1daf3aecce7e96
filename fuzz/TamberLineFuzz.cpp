#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quill::fuzz::FuzzSeparatedLine(quill::TMode::Tamber, quill::TamberValueCount, quill::fuzz::SplitInput(data, size));
    return 0;
}
