#pragma once
// JPEG files through libjpeg, as 24-bit RGB pixels in memory.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quill {

struct TRgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;   // rows top to bottom, 3 bytes (R, G, B) per pixel

    std::uint8_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * Width * 3; }
    const std::uint8_t* Row(int y) const { return Pixels.data() + static_cast<std::size_t>(y) * Width * 3; }
};

// Decodes a colour or greyscale JPEG to RGB; nullopt with the
// codec's reason in `error` when the file cannot be read or decoded.
std::optional<TRgbImage> LoadJpeg(const std::string& path, std::string& error);
// The width from the file's header alone; nullopt when it is no JPEG.
std::optional<int> JpegWidth(const std::string& path);
// false with the reason in `error` when the file cannot be written.
bool SaveJpeg(const TRgbImage& image, const std::string& path, int quality, std::string& error);

}  // namespace quill
