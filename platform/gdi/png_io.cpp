// PNG reading and writing through libpng's simplified interface, as 8-bit RGB.
#include "platform/gdi/png_io.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace {

// Images above this size are refused before any allocation: a damaged header must not
// make us reserve gigabytes.
constexpr png_uint_32 kMaxSide = 16384;

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

}  // namespace

bool WritePng(const Surface& surface, const std::string& path, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(surface.Width());
    image.height = png_uint_32(surface.Height());
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(size_t(surface.Width()) * surface.Height() * 3);
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x) {
            const COLORREF c = surface.Pixel(x, y);
            uint8_t* p = &rgb[(size_t(y) * surface.Width() + x) * 3];
            p[0] = uint8_t(GetRValue(c));
            p[1] = uint8_t(GetGValue(c));
            p[2] = uint8_t(GetBValue(c));
        }
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        error = "cannot write " + path + ": " + image.message;
        return false;
    }
    return true;
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
