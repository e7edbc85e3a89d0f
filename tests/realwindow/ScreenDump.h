#pragma once

#include "vcl/Bitmap.h"

#include <string>

namespace realwindow {

// Reads the raw screen that cardsetup writes to a CARDSETUP_SCREENSHOT path ending
// in ".bgra": width and height as 32-bit little-endian numbers, then the rows top
// down, four bytes a pixel (blue, green, red, unused). Raises on a damaged file.
void LoadScreenDump(const std::string& Path, vcl::TBitmap& Target);

} // namespace realwindow
