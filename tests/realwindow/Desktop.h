#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// What the X desktop knows about windows, asked through xdotool, xwininfo and xprop.
namespace realwindow {

using TWindowId = unsigned long;

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
void MovePointer(int X, int Y);

} // namespace realwindow
