#include "ScreenshotRun.h"

#include "ChildProcess.h"
#include "Report.h"
#include "ScreenDump.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>
#include <unistd.h>

namespace realwindow {
namespace {

constexpr auto ScreenshotTimeout = std::chrono::seconds(30);
constexpr auto PollInterval = std::chrono::milliseconds(50);

// The smallest rectangle holding both.
TScreenRect Span(const TScreenRect& A, const TScreenRect& B)
{
    const int Left = std::min(A.X, B.X), Top = std::min(A.Y, B.Y);
    return {Left, Top, std::max(A.X + A.Width, B.X + B.Width) - Left,
            std::max(A.Y + A.Height, B.Y + B.Height) - Top};
}

struct TSighting
{
    std::optional<TMainWindow> Main;
    std::map<TWindowId, TScreenRect> Others;
    int ExitStatus = -1;
};

TSighting WatchProgram(TChildProcess& Program)
{
    TSighting Seen;
    const auto Deadline = std::chrono::steady_clock::now() + ScreenshotTimeout;
    while (!Program.Poll()) {
        Require(std::chrono::steady_clock::now() < Deadline,
                "cardsetup did not end within its screenshot time");
        // Once maximized, a sighting of the window going away at the end must not replace it.
        if (const auto Main = LookAtMainWindow();
            Main && (Main->Maximized || !Seen.Main || !Seen.Main->Maximized))
            Seen.Main = Main;
        for (TWindowId Window : VisibleWindowsOf(Program.Pid())) {
            const auto Client = ClientRect(Window);
            const auto Frame = FrameExtents(Window);
            if (!Client)
                continue;
            // All it ever covered: as the window goes at the end, the window manager
            // reports it without its frame, which was on the screenshot all the same.
            const TScreenRect Sighted = Frame ? OuterRect(*Client, *Frame) : *Client;
            const auto Known = Seen.Others.find(Window);
            Seen.Others[Window] = Known == Seen.Others.end() ? Sighted : Span(Known->second, Sighted);
        }
        std::this_thread::sleep_for(PollInterval);
    }
    if (Seen.Main)
        Seen.Others.erase(Seen.Main->Id);
    Seen.ExitStatus = *Program.Poll();
    return Seen;
}

} // namespace

TScreenshotRun::TScreenshotRun(const std::string& ProgramPath)
{
    const auto Work = WorkArea();
    Require(Work.has_value() && ParkPointer(), "the window manager announces no work area");

    const std::filesystem::path Folder =
        std::filesystem::temp_directory_path() / ("realwindow." + std::to_string(getpid()));
    std::filesystem::create_directories(Folder);
    const std::string DumpPath = (Folder / "screen.bgra").string();
    TSighting Seen;
    try {
        {
            TChildProcess Program({ProgramPath}, {"CARDSETUP_SCREENSHOT=" + DumpPath});
            Seen = WatchProgram(Program);
        }
        LoadScreenDump(DumpPath, FScreen);
    } catch (...) {
        std::filesystem::remove_all(Folder);
        throw;
    }
    std::filesystem::remove_all(Folder);

    Require(Seen.ExitStatus == 0, "cardsetup ended with status " + std::to_string(Seen.ExitStatus));
    Require(Seen.Main.has_value(), "no visible window named \"Setup\" was seen");
    FMain = *Seen.Main;
    FOthers = Seen.Others;
    std::cout << "screen " << FScreen.Width() << " x " << FScreen.Height() << ", work area " << *Work << "\n"
              << "\"Setup\": client window " << FMain.Client << ", with its frame " << FMain.Outer() << "\n";
    for (const auto& [Id, Other] : FOthers)
        std::cout << "another window of the program, left out of the comparison: " << Other << "\n";
    Require(FMain.Maximized, "the window is not maximized");
    Require(FMain.Outer() == *Work, "the maximized window does not fill the work area");
}

void TScreenshotRun::LeaveOutOtherWindows(TPhotoComparison& Comparison) const
{
    for (const auto& [Id, Other] : FOthers)
        Comparison.IgnoreOnScreen(vcl::Bounds(Other.X, Other.Y, Other.Width, Other.Height));
}

} // namespace realwindow
