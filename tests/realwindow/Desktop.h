#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// What the X desktop knows about windows, asked through xdotool, xwininfo and xprop,
// and what a user does there with the pointer and the keyboard, through xdotool.
namespace realwindow {

using TWindowId = unsigned long;

struct TScreenPoint
{
    int X = 0;
    int Y = 0;
};

struct TScreenRect
{
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TScreenRect&) const = default;
};

// Widths of the window manager's frame around a client window; Top holds the title bar.
struct TFrameExtents
{
    int Left = 0;
    int Right = 0;
    int Top = 0;
    int Bottom = 0;
};

std::vector<TWindowId> VisibleWindowsNamed(const std::string& Pattern);
std::vector<TWindowId> VisibleWindowsOf(pid_t Process);
// The client window on screen, without the frame. xwininfo rather than xdotool:
// xdotool's getwindowgeometry counts the frame's offset twice for a framed window.
std::optional<TScreenRect> ClientRect(TWindowId Window);
std::optional<TFrameExtents> FrameExtents(TWindowId Window);
TScreenRect OuterRect(const TScreenRect& Client, const TFrameExtents& Frame);
bool MaximizedBothWays(TWindowId Window);
std::optional<TScreenRect> WorkArea();
std::optional<TWindowId> ActiveWindow();

// In the work area's bottom right corner the pointer opens no popup over the
// photograph. False when the window manager announces no work area.
bool ParkPointer();
std::optional<TScreenPoint> PointerLocation();
// From where the pointer is, in short steps: every control on the way sees it
// pass, so enter and leave happen as under a hand.
void GlidePointer(TScreenPoint To);
// Asks the window manager to activate the window; ActiveWindow tells when it has.
void RequestActivation(TWindowId Window);
// Key names as xdotool knows them ("Return"); sent to the window itself.
void PressKey(TWindowId Window, const std::string& Key);
// openbox binds Alt+F4 to what the close box does, for the active window.
void PressCloseShortcut();

} // namespace realwindow
