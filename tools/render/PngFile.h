#pragma once
// Writing and reading 24-bit bitmaps as PNG files (libpng), for the host tools.
#include <filesystem>
#include <string>

#include "render/Bitmap24.h"

// Raises std::runtime_error with libpng's message when the file cannot be written.
void WritePngFile(const std::filesystem::path& path, const TBitmap24& bitmap);
// Raises std::runtime_error when the file cannot be read or decoded.
TBitmap24 ReadPngFile(const std::filesystem::path& path);
