#pragma once

#include "Desktop.h"

#include "vcl/Bitmap.h"
#include "vcl/Types.h"

#include <optional>

namespace realwindow {

// The program's "Setup" window as the desktop shows it.
struct TMainWindow
{
    TWindowId Id = 0;
    TScreenRect Client;
    TFrameExtents Frame;
    bool Maximized = false;

    TScreenRect Outer() const { return OuterRect(Client, Frame); }
};

// The one visible window named "Setup", if there is exactly one.
std::optional<TMainWindow> LookAtMainWindow();

// Where on Screen the board image's centring puts a photograph of Size: centred on
// the window's outer size, frame and menu bar included, within the client area
// below the menu bar.
vcl::TPoint PhotoPlace(const vcl::TBitmap& Screen, const TMainWindow& Main, vcl::TPoint Size);

} // namespace realwindow
