#include "MainForm.h"

#include "setup_controls/SetupCtrls.h"
#include "vcl/Application.h"
#include "vcl/ClassLibrary.h"
#include "vcl/Platform.h"
#include "vcl/Windows.h"
#include "vcl/qt/QtSession.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

namespace {

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
        if (!vcl::Platform()->SaveScreenshot(Target))
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
