#pragma once
// The multi-folder lists: further design / label-file folder pairs of a mode,
// stored in the sections <mode section>1 .. <mode section>998.
#include "core/UGlobals.h"

namespace quill {

inline constexpr int MaxLocationNumber = 998;

void LoadLocations(TMode mode, TLocationList& list);
void SaveLocations(TMode mode, const TLocationList& list);
void CreateLocationFolders(const TLocName& entry);
void FreeLocations(TLocationList& list);

}  // namespace quill
