// The real pointer over the clock circle opens its "Baud Multiplier" popup, and
// leaving the circle for the bare photograph closes it again. The help window that
// comes up by itself goes first, through its close box: its Start button, Enter
// and Esc would open the same popup pinned.
#include "BoardLayout.h"
#include "Checks.h"
#include "Desktop.h"
#include "LiveProgram.h"
#include "MainWindow.h"
#include "Report.h"
#include "ScreenshotRun.h"

#include "vcl/JpegImage.h"
#include "vcl/Types.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace realwindow {
namespace {

// Far enough inside the photograph's corner to be clear of its edge.
constexpr int CornerInset = 10;

// The rectangle a straight horizontal or vertical glide sweeps, ends included.
TScreenRect Swept(TScreenPoint From, TScreenPoint To)
{
    const int Left = std::min(From.X, To.X), Top = std::min(From.Y, To.Y);
    return {Left, Top, std::max(From.X, To.X) - Left + 1, std::max(From.Y, To.Y) - Top + 1};
}

bool Overlap(const TScreenRect& A, const TScreenRect& B)
{
    return A.X < B.X + B.Width && B.X < A.X + A.Width && A.Y < B.Y + B.Height && B.Y < A.Y + A.Height;
}

} // namespace

void CheckHover(const TCheckInputs& Inputs)
{
    vcl::TJPEGImage Photo;
    DecodePhoto(Inputs.PhotoPath, Photo);
    const TBoardLayout Layout = ReadBoardLayout();
    // A first run with a screenshot shows where the photograph lies; a live run has no screen to read.
    const TScreenshotRun Shot(Inputs.ProgramPath);
    const vcl::TPoint PhotoAt = PhotoPlace(Shot.Screen(), Shot.Main(), {Photo.Width(), Photo.Height()});
    const vcl::TRect& Clock = Layout.ClockCircle;
    const TScreenPoint OnClock{PhotoAt.X + (Clock.Left + Clock.Right) / 2,
                               PhotoAt.Y + (Clock.Top + Clock.Bottom) / 2};
    const TScreenPoint Away{PhotoAt.X + CornerInset, PhotoAt.Y + CornerInset};
    std::cout << "photograph at " << PhotoAt << "; clock circle's middle at "
              << vcl::TPoint{OnClock.X, OnClock.Y} << "\n";

    TLiveProgram Program(Inputs.ProgramPath);
    std::optional<TMainWindow> Main;
    Program.WaitUntil("the window \"Setup\" maximized where the screenshot run had it", [&] {
        Main = LookAtMainWindow();
        return Main && Main->Maximized && Main->Client == Shot.Main().Client;
    });
    const TWindowId Help = Program.WaitForVisibleWindow(HelpCaption);
    Program.CloseWindow(Help, HelpCaption);
    Require(VisibleWindowsNamed(CaptionPattern(ClockPopupCaption)).empty(),
            "closing the help window with its close box opened the \"Baud Multiplier\" popup");

    GlidePointer(OnClock);
    const TWindowId Popup = Program.WaitForVisibleWindow(ClockPopupCaption);
    const auto PopupClient = ClientRect(Popup);
    const auto PopupFrame = FrameExtents(Popup);
    Require(PopupClient && PopupFrame, "the \"Baud Multiplier\" popup's place is unknown");
    const TScreenRect PopupRect = OuterRect(*PopupClient, *PopupFrame);
    std::cout << "\"Baud Multiplier\" popup open at " << PopupRect << "\n";

    // Up, then along the photograph's top: a pointer that left the circle straight into the
    // popup would pin it instead of closing it.
    const TScreenPoint Turn{OnClock.X, Away.Y};
    Require(!Overlap(Swept(OnClock, Turn), PopupRect) && !Overlap(Swept(Turn, Away), PopupRect),
            "the popup lies across the pointer's way from the circle to the photograph's corner");
    GlidePointer(Turn);
    GlidePointer(Away);
    Program.WaitUntilHidden(ClockPopupCaption);
    std::cout << "closed once the pointer reached " << vcl::TPoint{Away.X, Away.Y} << "\n";

    Program.Close(Main->Id);
}

} // namespace realwindow
