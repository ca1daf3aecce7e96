#pragma once
// One label through the library: LlPrint is called again while it answers
// "print the same label again" (-998) or "busy" (-6). Neither is an error,
// but a library that never stops answering so would hang the engine for
// good, so after MaxLabelRepeats further calls the answer stands as the
// job's error code.
#include "labelrender/LabelJob.h"

namespace quill {

inline constexpr int MaxLabelRepeats = 100;

inline bool AsksToRepeat(int code) {
    return code == labelrender::LL_WRN_REPEAT_DATA || code == labelrender::LL_ERR_ALREADY_PRINTING;
}

// `print` is the LlPrint call; returns its last result.
template <class PrintCall>
int PrintRepeating(PrintCall&& print) {
    int code = print();
    for (int repeat = 0; repeat < MaxLabelRepeats && AsksToRepeat(code); ++repeat) code = print();
    return code;
}

}  // namespace quill
