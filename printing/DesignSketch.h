#pragma once
// Design sketches: the library's small rendering of a design's first label
// (B.lbv), and the pictures the design lists show (B.jpg, B.bmp).
#include <string>

#include "core/LabelRecord.h"
#include "core/UGlobals.h"

namespace quill {

// Copies the design from `sourceFolder` to `targetFolder` (when they
// differ) and has a temporary library job write its sketch there, with the
// mode's sample variables and, when the record has fields, the record's
// contents. false on any failure.
bool CreateSketch(TMode mode, const std::string& sourceFolder, const std::string& targetFolder,
                  const TLabelRecord& record, const std::string& designFileName);

// Turns the sketch B.lbv in `folder` into B.bmp (via B.jpg, at most 200
// pixels wide, when the sketch is JPEG data). B.bmp is deleted first, so a
// sketch that cannot be converted leaves no picture.
void ConvertSketch(const std::string& folder, const std::string& designFileName);

// ConvertSketch, unless it would write the very B.bmp that is there (B.bmp
// newer than B.jpg and B.lbv): what design lists call on every fill, so
// that an unchanged sketch costs a few file times instead of a conversion.
void ConvertSketchWhenChanged(const std::string& folder, const std::string& designFileName);

// Copies `source` over `target` unless the target is at least as new;
// nothing when the source is missing.
bool CopyWhenNewer(const std::string& source, const std::string& target);

}  // namespace quill
