#pragma once
// The field vocabulary of every mode, letter for letter: label designs made
// by customers refer to these names.
#include <vector>

#include "core/UGlobals.h"

namespace quill {

std::vector<TField> BuildVocabulary(TMode m);

}  // namespace quill
