// Starts cardsetup on the X screen it is given (scripts/xvfb-test.sh makes a fresh
// one), finds its maximized "Setup" window and checks that the card photograph on
// screen is the decoded asset, pixel for pixel, where the board image's centring
// puts it. usage: realwindow_check CARDSETUP PHOTOGRAPH
#include "ChildProcess.h"
#include "Desktop.h"
#include "PhotoComparison.h"
#include "ScreenDump.h"

#include "MainForm.h"
#include "setup_controls/SetupCtrls.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/ClassLibrary.h"
#include "vcl/Color.h"
#include "vcl/Control.h"
#include "vcl/JpegImage.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace realwindow;
using vcl::TPoint;
using vcl::TRect;

namespace {

constexpr auto StartTimeout = std::chrono::seconds(30);
constexpr auto PollInterval = std::chrono::milliseconds(50);

std::ostream& operator<<(std::ostream& Out, const TScreenRect& R)
{
    return Out << R.Width << " x " << R.Height << " at (" << R.X << ", " << R.Y << ")";
}

std::ostream& operator<<(std::ostream& Out, const TPoint& P)
{
    return Out << "(" << P.X << ", " << P.Y << ")";
}

void Require(bool Condition, const std::string& Failure)
{
    if (!Condition)
        throw std::runtime_error(Failure);
}

void DecodePhoto(const std::string& Path, vcl::TJPEGImage& Photo)
{
    std::ifstream File(Path, std::ios::binary);
    const std::vector<uint8_t> Data{std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
    Require(!Data.empty(), "cannot read the photograph " + Path);
    Photo.LoadFromBytes(Data);
}

// The circles drawn over the photograph, as the program's own layout places them.
std::vector<TRect> ControlsOnThePhoto()
{
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    RegisterAppResources();
    TMainForm Form(nullptr);
    std::vector<TRect> Rects;
    for (vcl::TControl* Control : Form.BoardImage1->Controls())
        Rects.push_back(Control->BoundsRect());
    return Rects;
}

struct TMainWindow
{
    TWindowId Id = 0;
    TScreenRect Client;
    TFrameExtents Frame;
    bool Maximized = false;
};

// What the program's windows looked like before it took its screenshot and ended.
struct TSighting
{
    std::optional<TMainWindow> Main;
    std::map<TWindowId, TScreenRect> Others;
    int ExitStatus = -1;
};

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

TSighting WatchProgram(TChildProcess& Program)
{
    TSighting Seen;
    const auto Deadline = std::chrono::steady_clock::now() + StartTimeout;
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
            if (Client)
                Seen.Others[Window] = Frame ? OuterRect(*Client, *Frame) : *Client;
        }
        std::this_thread::sleep_for(PollInterval);
    }
    if (Seen.Main)
        Seen.Others.erase(Seen.Main->Id);
    Seen.ExitStatus = *Program.Poll();
    return Seen;
}

// The form's client area starts where its white background does, below the menu bar.
int ClientAreaTop(const vcl::TBitmap& Screen, const TScreenRect& Client)
{
    vcl::TCanvas Reader(const_cast<vcl::TBitmap*>(&Screen));
    for (int Y = Client.Y; Y < Client.Y + Client.Height; ++Y)
        if (Reader.Pixel(Client.X + 1, Y) == vcl::clWhite)
            return Y;
    throw std::runtime_error("no white client area in the window");
}

int Check(const std::string& ProgramPath, const std::string& PhotoPath)
{
    vcl::TJPEGImage Photo;
    DecodePhoto(PhotoPath, Photo);
    const std::vector<TRect> Overlays = ControlsOnThePhoto();

    const auto Work = WorkArea();
    Require(Work.has_value(), "the window manager announces no work area");
    // Parked in a corner, the pointer opens no popup over the photograph.
    MovePointer(Work->X + Work->Width - 1, Work->Y + Work->Height - 1);

    const std::filesystem::path Folder =
        std::filesystem::temp_directory_path() / ("realwindow." + std::to_string(getpid()));
    std::filesystem::create_directories(Folder);
    const std::string DumpPath = (Folder / "screen.bgra").string();
    TSighting Seen;
    {
        TChildProcess Program({ProgramPath}, {"CARDSETUP_SCREENSHOT=" + DumpPath});
        Seen = WatchProgram(Program);
    }
    vcl::TBitmap Screen;
    try {
        LoadScreenDump(DumpPath, Screen);
    } catch (...) {
        std::filesystem::remove_all(Folder);
        throw;
    }
    std::filesystem::remove_all(Folder);

    Require(Seen.ExitStatus == 0, "cardsetup ended with status " + std::to_string(Seen.ExitStatus));
    Require(Seen.Main.has_value(), "no visible window named \"Setup\" was seen");
    const TMainWindow& Main = *Seen.Main;
    const TScreenRect Outer = OuterRect(Main.Client, Main.Frame);
    std::cout << "screen " << Screen.Width() << " x " << Screen.Height() << ", work area " << *Work << "\n"
              << "\"Setup\": client window " << Main.Client << ", with its frame " << Outer << "\n";
    for (const auto& [Id, Other] : Seen.Others)
        std::cout << "another window of the program, left out of the comparison: " << Other << "\n";
    Require(Main.Maximized, "the window is not maximized");
    Require(Outer == *Work, "the maximized window does not fill the work area");

    // The board image centres on the window's outer size, frame and menu bar included,
    // within the client area below the menu bar.
    const int Top = ClientAreaTop(Screen, Main.Client);
    const TPoint Expected{Main.Client.X + (Outer.Width - Photo.Width()) / 2,
                          Top + (Outer.Height - Photo.Height()) / 2};
    TPhotoComparison Comparison(Screen, Photo.Bitmap());
    for (const TRect& Overlay : Overlays)
        Comparison.IgnoreInPhoto(Overlay);
    for (const auto& [Id, Other] : Seen.Others)
        Comparison.IgnoreOnScreen(vcl::Bounds(Other.X, Other.Y, Other.Width, Other.Height));
    const auto Found = Comparison.Find();
    const TPhotoComparison::TResult Result = Comparison.At(Expected);
    std::cout << "client area from y = " << Top << "; photograph expected at " << Expected << ", found "
              << (Found ? "at " : "nowhere");
    if (Found)
        std::cout << *Found;
    std::cout << "\ncompared " << Result.Compared << " of " << Photo.Width() * Photo.Height() << " pixels ("
              << Overlays.size() << " controls on the photograph left out): " << Result.Mismatches
              << " differ\n";
    if (Result.FirstDifference) {
        vcl::TCanvas PhotoReader(const_cast<vcl::TBitmap*>(&Photo.Bitmap()));
        vcl::TCanvas ScreenReader(&Screen);
        const TPoint P = *Result.FirstDifference;
        std::cout << std::hex << "first difference at photograph pixel " << P << ": photograph $"
                  << PhotoReader.Pixel(P.X, P.Y) << ", screen $"
                  << ScreenReader.Pixel(Expected.X + P.X, Expected.Y + P.Y) << std::dec << "\n";
    }
    Require(Result.Mismatches == 0, "the photograph on screen is not the decoded asset at the centred place");
    // The help window that comes up by itself covers the middle of the photograph.
    Require(Result.Compared * 4 >= Photo.Width() * Photo.Height(),
            "less than a quarter of the photograph could be compared");
    std::cout << "realwindow: passed\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: realwindow_check CARDSETUP PHOTOGRAPH\n";
        return 2;
    }
    try {
        return Check(argv[1], argv[2]);
    } catch (const std::exception& E) {
        std::cerr << "realwindow: " << E.what() << "\n";
        return 1;
    }
}
