#pragma once

#include "vcl/JpegImage.h"
#include "vcl/Types.h"

#include <string>
#include <vector>

namespace realwindow {

// The board as the program lays it out, read from its own compiled-in layout
// without showing a window. Rectangles are in photograph coordinates.
struct TBoardLayout
{
    vcl::TRect ClockCircle;
    vcl::TRect TermCircle;
    // Everything drawn over the photograph, the circles among it.
    std::vector<vcl::TRect> ControlsOnPhoto;
};

TBoardLayout ReadBoardLayout();
// Raises when the file cannot be read or is no photograph.
void DecodePhoto(const std::string& Path, vcl::TJPEGImage& Photo);

} // namespace realwindow
