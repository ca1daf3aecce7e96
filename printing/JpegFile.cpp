#include "printing/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace quill {

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the
// call with the codec's message. Only C frames of libjpeg lie between the
// jump and its target, so no destructor is skipped.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ExitWithMessage(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Silences libjpeg's warnings on stderr (corrupt but readable data).
void IgnoreMessage(j_common_ptr) {}

void InstallErrorHandler(TJpegError& error, jpeg_error_mgr*& slot) {
    slot = jpeg_std_error(&error.manager);
    error.manager.error_exit = ExitWithMessage;
    error.manager.output_message = IgnoreMessage;
    error.message[0] = '\0';
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<TRgbImage> LoadJpeg(const std::string& path, std::string& error) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    TRgbImage image;
    jpeg_decompress_struct info{};
    TJpegError jpegError;
    InstallErrorHandler(jpegError, info.err);
    if (setjmp(jpegError.jump)) {
        jpeg_destroy_decompress(&info);
        error = jpegError.message;
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.Width = static_cast<int>(info.output_width);
    image.Height = static_cast<int>(info.output_height);
    image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

std::optional<int> JpegWidth(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    jpeg_decompress_struct info{};
    TJpegError jpegError;
    InstallErrorHandler(jpegError, info.err);
    if (setjmp(jpegError.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    const int width = static_cast<int>(info.image_width);
    jpeg_destroy_decompress(&info);
    return width;
}

bool SaveJpeg(const TRgbImage& image, const std::string& path, int quality, std::string& error) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot create " + path;
        return false;
    }
    jpeg_compress_struct info{};
    TJpegError jpegError;
    InstallErrorHandler(jpegError, info.err);
    if (setjmp(jpegError.jump)) {
        jpeg_destroy_compress(&info);
        error = jpegError.message;
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(image.Width);
    info.image_height = static_cast<JDIMENSION>(image.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg takes rows as non-const pointers but only reads them
        auto* row = const_cast<JSAMPROW>(image.Row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    // a full disk shows only when the buffered bytes are flushed
    if (std::fclose(file.release()) != 0) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace quill
