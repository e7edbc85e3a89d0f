#include "Desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace realwindow {
namespace {

std::string Output(const std::string& Command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> Pipe(popen((Command + " 2>/dev/null").c_str(), "r"), pclose);
    std::string Text;
    if (!Pipe)
        return Text;
    char Buffer[4096];
    for (size_t Read; (Read = fread(Buffer, 1, sizeof Buffer, Pipe.get())) > 0;)
        Text.append(Buffer, Read);
    return Text;
}

std::vector<TWindowId> WindowIds(const std::string& Text)
{
    std::vector<TWindowId> Ids;
    std::istringstream Lines(Text);
    for (TWindowId Id; Lines >> Id;)
        Ids.push_back(Id);
    return Ids;
}

// The numbers after "NAME(CARDINAL) = " in xprop's answer.
std::vector<int> Cardinals(const std::string& Text)
{
    std::vector<int> Values;
    const size_t Equals = Text.find(" = ");
    if (Text.find("(CARDINAL)") == std::string::npos || Equals == std::string::npos)
        return Values;
    std::istringstream Rest(Text.substr(Equals + 3));
    for (int Value; Rest >> Value;) {
        Values.push_back(Value);
        Rest.ignore(1, ',');
    }
    return Values;
}

// The number after Label in xwininfo's or xdotool's answer.
std::optional<int> Field(const std::string& Text, const std::string& Label)
{
    const size_t At = Text.find(Label);
    if (At == std::string::npos)
        return std::nullopt;
    std::istringstream Rest(Text.substr(At + Label.size()));
    int Value = 0;
    if (!(Rest >> Value))
        return std::nullopt;
    return Value;
}

} // namespace

std::vector<TWindowId> VisibleWindowsNamed(const std::string& Pattern)
{
    return WindowIds(Output("xdotool search --onlyvisible --name '" + Pattern + "'"));
}

std::vector<TWindowId> VisibleWindowsOf(pid_t Process)
{
    return WindowIds(Output("xdotool search --onlyvisible --pid " + std::to_string(Process)));
}

std::optional<TScreenRect> ClientRect(TWindowId Window)
{
    const std::string Text = Output("xwininfo -id " + std::to_string(Window));
    const auto X = Field(Text, "Absolute upper-left X:");
    const auto Y = Field(Text, "Absolute upper-left Y:");
    const auto Width = Field(Text, "Width:");
    const auto Height = Field(Text, "Height:");
    if (!X || !Y || !Width || !Height)
        return std::nullopt;
    return TScreenRect{*X, *Y, *Width, *Height};
}

std::optional<TFrameExtents> FrameExtents(TWindowId Window)
{
    const std::vector<int> Values =
        Cardinals(Output("xprop -id " + std::to_string(Window) + " _NET_FRAME_EXTENTS"));
    if (Values.size() != 4)
        return std::nullopt;
    return TFrameExtents{Values[0], Values[1], Values[2], Values[3]};
}

TScreenRect OuterRect(const TScreenRect& Client, const TFrameExtents& Frame)
{
    return {Client.X - Frame.Left, Client.Y - Frame.Top, Client.Width + Frame.Left + Frame.Right,
            Client.Height + Frame.Top + Frame.Bottom};
}

bool MaximizedBothWays(TWindowId Window)
{
    const std::string State = Output("xprop -id " + std::to_string(Window) + " _NET_WM_STATE");
    return State.find("_NET_WM_STATE_MAXIMIZED_VERT") != std::string::npos &&
           State.find("_NET_WM_STATE_MAXIMIZED_HORZ") != std::string::npos;
}

std::optional<TScreenRect> WorkArea()
{
    // One rectangle per desktop; the program opens on the first.
    const std::vector<int> Values = Cardinals(Output("xprop -root _NET_WORKAREA"));
    if (Values.size() < 4)
        return std::nullopt;
    return TScreenRect{Values[0], Values[1], Values[2], Values[3]};
}

std::optional<TWindowId> ActiveWindow()
{
    const std::vector<TWindowId> Ids = WindowIds(Output("xdotool getactivewindow"));
    if (Ids.size() != 1)
        return std::nullopt;
    return Ids[0];
}

bool ParkPointer()
{
    const auto Work = WorkArea();
    if (!Work)
        return false;
    Output("xdotool mousemove " + std::to_string(Work->X + Work->Width - 1) + " " +
           std::to_string(Work->Y + Work->Height - 1));
    return true;
}

std::optional<TScreenPoint> PointerLocation()
{
    // "x:12 y:34 screen:0 window:56"
    const std::string Text = Output("xdotool getmouselocation");
    const auto X = Field(Text, "x:");
    const auto Y = Field(Text, "y:");
    if (!X || !Y)
        return std::nullopt;
    return TScreenPoint{*X, *Y};
}

void GlidePointer(TScreenPoint To)
{
    constexpr int StepLength = 8;
    const TScreenPoint From = PointerLocation().value_or(To);
    const int Steps = std::max({std::abs(To.X - From.X), std::abs(To.Y - From.Y), 1}) / StepLength + 1;
    // One xdotool for the whole way; its pauses let the program take each step as a motion of its own.
    std::string Command = "xdotool";
    for (int Step = 1; Step <= Steps; ++Step)
        Command += " mousemove " + std::to_string(From.X + (To.X - From.X) * Step / Steps) + " " +
                   std::to_string(From.Y + (To.Y - From.Y) * Step / Steps) + " sleep 0.005";
    Output(Command);
}

// Not --sync: that waits for the window however long it takes, where a poll can give up.
void RequestActivation(TWindowId Window) { Output("xdotool windowactivate " + std::to_string(Window)); }

void PressKey(TWindowId Window, const std::string& Key)
{
    Output("xdotool key --window " + std::to_string(Window) + " " + Key);
}

// Without --window: the key must reach the window manager's grab, not the program.
void PressCloseShortcut() { Output("xdotool key alt+F4"); }

} // namespace realwindow
