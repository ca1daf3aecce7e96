#pragma once
// Per-printer calibration: how far a printer's output is shifted and how
// much it is stretched, as the site measured it on the calibration page.
// It belongs to the printer, not to a design: it is kept in the settings
// store, section "Calibration.<printer name>", keys OffsetX and OffsetY
// (0.1 mm, right and down) and Scale (0.01 %), and applied to every label
// printed there.
#include <string>

#include "labelrender/Status.h"

namespace quill::labelrender {

inline constexpr int kMaxCalibrationOffset = 50;   // 0.1 mm: 5 mm
inline constexpr int kMaxCalibrationScale = 200;   // 0.01 %: 2 %

struct Calibration {
    int offsetX = 0;   // 0.1 mm
    int offsetY = 0;   // 0.1 mm
    int scale = 0;     // 0.01 %

    bool IsNone() const { return offsetX == 0 && offsetY == 0 && scale == 0; }
    double OffsetXUm() const { return offsetX * 100.0; }
    double OffsetYUm() const { return offsetY * 100.0; }
    double Factor() const { return 1.0 + scale / 10000.0; }
};

// The printer's calibration; values beyond the limits count as the limit,
// values that are not numbers as 0.
Calibration ReadCalibration(const std::string& printer);
void WriteCalibration(const std::string& printer, const Calibration& calibration);

// Prints the calibration page on `printer` (a CUPS destination or "PDF"):
// rulers along the top and left edges and crosses at known positions on a
// 100 x 60 mm label, with the calibration applied, so that what is measured
// on paper is what is still off.
Status PrintCalibrationPage(const std::string& printer);

}  // namespace quill::labelrender
