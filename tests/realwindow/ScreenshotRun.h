#pragma once

#include "Desktop.h"
#include "MainWindow.h"
#include "PhotoComparison.h"

#include "vcl/Bitmap.h"

#include <map>
#include <string>

namespace realwindow {

// One run of cardsetup with CARDSETUP_SCREENSHOT: the screen it saved once start-up
// had settled, and its windows as watched from outside until it ended. The pointer
// is parked first. Raises unless the program ended well, its "Setup" window
// maximized over the work area.
class TScreenshotRun
{
public:
    explicit TScreenshotRun(const std::string& ProgramPath);

    const vcl::TBitmap& Screen() const { return FScreen; }
    const TMainWindow& Main() const { return FMain; }
    // What the program's other windows cover on the screen is not the main window's to show.
    void LeaveOutOtherWindows(TPhotoComparison& Comparison) const;

private:
    vcl::TBitmap FScreen;
    TMainWindow FMain;
    // Outer rectangles, frames included.
    std::map<TWindowId, TScreenRect> FOthers;
};

} // namespace realwindow
