#include "MainWindow.h"

#include "vcl/Canvas.h"
#include "vcl/Color.h"

#include <stdexcept>
#include <vector>

namespace realwindow {
namespace {

// The form's client area starts where its white background does, below the menu bar.
int ClientAreaTop(const vcl::TBitmap& Screen, const TScreenRect& Client)
{
    vcl::TCanvas Reader(const_cast<vcl::TBitmap*>(&Screen));
    for (int Y = Client.Y; Y < Client.Y + Client.Height; ++Y)
        if (Reader.Pixel(Client.X + 1, Y) == vcl::clWhite)
            return Y;
    throw std::runtime_error("no white client area in the window");
}

} // namespace

std::optional<TMainWindow> LookAtMainWindow()
{
    const std::vector<TWindowId> Named = VisibleWindowsNamed("^Setup$");
    if (Named.size() != 1)
        return std::nullopt;
    const auto Client = ClientRect(Named[0]);
    const auto Frame = FrameExtents(Named[0]);
    if (!Client || !Frame)
        return std::nullopt;
    return TMainWindow{Named[0], *Client, *Frame, MaximizedBothWays(Named[0])};
}

vcl::TPoint PhotoPlace(const vcl::TBitmap& Screen, const TMainWindow& Main, vcl::TPoint Size)
{
    const TScreenRect Outer = Main.Outer();
    return {Main.Client.X + (Outer.Width - Size.X) / 2,
            ClientAreaTop(Screen, Main.Client) + (Outer.Height - Size.Y) / 2};
}

} // namespace realwindow
