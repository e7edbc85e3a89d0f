// The help window comes up by itself soon after the main window shows, and Enter
// on it hides it and opens the "Baud Multiplier" popup.
#include "Checks.h"
#include "Desktop.h"
#include "LiveProgram.h"
#include "MainWindow.h"
#include "Report.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace realwindow {
namespace {

// A 100 ms timer started once the main window's first show is complete brings the
// help window; a second leaves room for a loaded machine. Under the sanitizers
// (ctest sets ASAN_OPTIONS only in that build) every start-up step runs several
// times slower, so three seconds there.
std::chrono::milliseconds HelpDelayLimit()
{
    return std::getenv("ASAN_OPTIONS") ? std::chrono::seconds(3) : std::chrono::seconds(1);
}

} // namespace

void CheckHelp(const TCheckInputs& Inputs)
{
    TLiveProgram Program(Inputs.ProgramPath);
    std::optional<TMainWindow> Main;
    Program.WaitUntil("a visible window \"Setup\"", [&] { return (Main = LookAtMainWindow()).has_value(); });
    const auto MainShown = std::chrono::steady_clock::now();
    const TWindowId Help = Program.WaitForVisibleWindow(HelpCaption, HelpDelayLimit());
    const auto Delay =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - MainShown);
    std::cout << "help window visible " << Delay.count() << " ms after the main window (limit "
              << HelpDelayLimit().count() << " ms)\n";
    Require(Delay <= HelpDelayLimit(), "the help window came too late");

    Program.Activate(Help);
    PressKey(Help, "Return");
    Program.WaitUntilHidden(HelpCaption);
    Program.WaitForVisibleWindow(ClockPopupCaption);
    std::cout << "Enter hid the help window and opened \"Baud Multiplier\"\n";

    Program.Close(Main->Id);
}

} // namespace realwindow
