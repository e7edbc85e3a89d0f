#include "MainForm.h"

#include "setup_controls/SetupCtrls.h"
#include "vcl/Application.h"
#include "vcl/Bitmap.h"
#include "vcl/ClassLibrary.h"
#include "vcl/Platform.h"
#include "vcl/Windows.h"
#include "vcl/qt/QtSession.h"

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

namespace {

// A path ending in ".bgra" gets the raw screen, for the real-window check: width
// and height as 32-bit little-endian numbers, then the rows top down, each pixel
// the bytes blue, green, red and one unused. Any other path gets a PNG.
bool SaveScreen(const std::string& Path)
{
    if (!Path.ends_with(".bgra"))
        return vcl::Platform()->SaveScreenshot(Path);
    vcl::TBitmap Screen;
    if (!vcl::Platform()->GrabScreen(Screen))
        return false;
    std::ofstream File(Path, std::ios::binary);
    for (const int Size : {Screen.Width(), Screen.Height()}) {
        const auto Value = static_cast<uint32_t>(Size);
        const char Bytes[4] = {static_cast<char>(Value), static_cast<char>(Value >> 8),
                               static_cast<char>(Value >> 16), static_cast<char>(Value >> 24)};
        File.write(Bytes, sizeof Bytes);
    }
    File.write(reinterpret_cast<const char*>(Screen.Bits()),
               static_cast<std::streamsize>(Screen.BytesPerLine()) * Screen.Height());
    return static_cast<bool>(File);
}

// With CARDSETUP_SCREENSHOT set, the program saves a picture of the screen once
// start-up has settled and ends: the unattended look at what a user sees.
void ScheduleScreenshot()
{
    const char* Path = std::getenv("CARDSETUP_SCREENSHOT");
    if (!Path || !*Path)
        return;
    const std::string Target = Path;
    const vcl::HWND Window = vcl::AllocateHWnd([Target](vcl::TMessage& Message) {
        if (Message.Msg != vcl::WM_TIMER)
            return;
        if (!SaveScreen(Target))
            std::cerr << "cardsetup: could not save the screenshot to " << Target << '\n';
        vcl::Application->Terminate();
    });
    vcl::SetTimer(Window, 1, 1500);
}

} // namespace

int main(int argc, char** argv)
{
    vcl::qt::TQtSession Session(argc, argv);
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    RegisterAppResources();
    try {
        vcl::Application->CreateForm<TMainForm>();
    } catch (const std::exception& E) {
        std::cerr << "cardsetup: " << E.what() << '\n';
        vcl::Application->ShowException(E.what());
        vcl::Application->Finalize();
        return 1;
    }
    ScheduleScreenshot();
    vcl::Application->Run();
    vcl::Application->Finalize();
    return vcl::Application->ExitCode();
}
