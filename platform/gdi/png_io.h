// PNG files of surfaces: pictures for people, golden images for tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gdi/surface.h"

bool WritePng(const Surface& surface, const std::string& path, std::string& error);
bool ReadPng(const std::string& path, Surface& surface, std::string& error);
bool ReadPngFromMemory(const uint8_t* data, size_t size, Surface& surface, std::string& error);
