#pragma once
// The sketch pictures of designs: JPEG sketches scaled down for the design
// lists and turned into bitmaps the windows show.
#include <string>

#include "printing/JpegFile.h"

namespace quill {

// Bilinear scaling of 24-bit pixels in 16.16 fixed point; the corners of
// the source map onto the corners of the result.
TRgbImage ScaleBilinear(const TRgbImage& source, int width, int height);

// Scales the JPEG `file` down to `maxWidth` pixels, height in proportion,
// and saves it under its own name with quality 75. A file at most that wide
// is left untouched. Failures are logged; false then, and the file keeps
// its old contents.
bool ResizeImage(const std::string& file, int maxWidth);

// Saves the JPEG `jpegFile` as a 24-bit bitmap `bmpFile`; failures are logged.
bool Jpeg2Bmp(const std::string& bmpFile, const std::string& jpegFile);

}  // namespace quill
