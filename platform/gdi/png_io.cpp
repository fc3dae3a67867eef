// PNG files as 8-bit RGB: read through libpng's simplified interface, written row by row
// straight from the surface.
#include "platform/gdi/png_io.h"

#include <png.h>
#include <zlib.h>

#include <bit>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Images above this size are refused before any allocation: a damaged header must not
// make us reserve gigabytes.
constexpr png_uint_32 kMaxSide = 16384;
constexpr size_t kMessageSize = 256;

bool Finish(png_image& image, Surface& surface, std::string& error) {
    if (image.width > kMaxSide || image.height > kMaxSide) {
        png_image_free(&image);
        error = "picture too large";
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    surface.Resize(int(image.width), int(image.height));
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x) {
            const uint8_t* p = &rgb[(size_t(y) * image.width + x) * 3];
            surface.SetPixel(x, y, RGB(p[0], p[1], p[2]));
        }
    return true;
}

// libpng reports errors by longjmp: nothing here may own memory of its own, so the rows go
// straight from the surface and the message into the caller's buffer.
void OnPngError(png_structp png, png_const_charp text) {
    std::snprintf(static_cast<char*>(png_get_error_ptr(png)), kMessageSize, "%s", text);
    png_longjmp(png, 1);
}

// A picture is written more often than it is kept: no row filter and the fastest deflate level
// write it in a third of the time the defaults take, at about twice the size.
bool WriteRows(const Surface& surface, FILE* file, char* message) {
    static_assert(std::endian::native == std::endian::little, "COLORREF rows are R, G, B, pad bytes");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, OnPngError, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::snprintf(message, kMessageSize, "out of memory");
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(surface.Width()), png_uint_32(surface.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, Z_BEST_SPEED);
    png_write_info(png, info);
    // Each COLORREF is R, G, B and a zero byte in memory; libpng drops the fourth byte.
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < surface.Height(); ++y) png_write_row(png, reinterpret_cast<png_const_bytep>(surface.Row(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    char message[kMessageSize] = "";
    const bool written = WriteRows(surface, file, message);
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    error = "cannot write " + path + ": " + (written ? std::strerror(errno) : message);
    std::remove(path.c_str());
    return false;
}

bool ReadPng(const std::string& path, Surface& surface, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = "cannot read " + path + ": " + image.message;
        return false;
    }
    return Finish(image, surface, error);
}

bool ReadPngFromMemory(const uint8_t* data, size_t size, Surface& surface, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        error = image.message;
        return false;
    }
    return Finish(image, surface, error);
}
