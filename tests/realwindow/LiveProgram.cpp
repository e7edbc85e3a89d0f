#include "LiveProgram.h"

#include "Report.h"

#include <iostream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace realwindow {
namespace {

constexpr auto PollInterval = std::chrono::milliseconds(20);
constexpr int CloseAttempts = 3;
constexpr auto CloseTimeout = std::chrono::seconds(5);

// The pointer goes out of the way before the program can see it.
std::vector<std::string> AfterParkingThePointer(const std::string& ProgramPath)
{
    Require(ParkPointer(), "the window manager announces no work area");
    return {ProgramPath};
}

} // namespace

TLiveProgram::TLiveProgram(const std::string& ProgramPath) : FProcess(AfterParkingThePointer(ProgramPath), {})
{}

bool TLiveProgram::PollUntil(const std::string& What, const std::function<bool()>& Done,
                             std::chrono::milliseconds Timeout)
{
    const auto Deadline = std::chrono::steady_clock::now() + Timeout;
    while (!Done()) {
        if (const auto Status = FProcess.Poll())
            throw std::runtime_error("cardsetup ended with status " + std::to_string(*Status) +
                                     " while waiting for " + What);
        if (std::chrono::steady_clock::now() >= Deadline)
            return false;
        std::this_thread::sleep_for(PollInterval);
    }
    return true;
}

void TLiveProgram::WaitUntil(const std::string& What, const std::function<bool()>& Done,
                             std::chrono::milliseconds Timeout)
{
    Require(PollUntil(What, Done, Timeout),
            "waited " + std::to_string(Timeout.count()) + " ms in vain for " + What);
}

TWindowId TLiveProgram::WaitForVisibleWindow(const std::string& Caption, std::chrono::milliseconds Timeout)
{
    std::vector<TWindowId> Found;
    WaitUntil(
        "a visible window \"" + Caption + "\"",
        [&] { return !(Found = VisibleWindowsNamed(CaptionPattern(Caption))).empty(); }, Timeout);
    return Found.front();
}

void TLiveProgram::WaitUntilHidden(const std::string& Caption)
{
    WaitUntil("the window \"" + Caption + "\" to be hidden",
              [&] { return VisibleWindowsNamed(CaptionPattern(Caption)).empty(); });
}

// An activation the program itself asked for a moment earlier (a popup taking
// the focus) may reach the window manager after ours; ask again, as a user
// clicks again.
void TLiveProgram::Activate(TWindowId Window)
{
    const std::string What = "window " + std::to_string(Window) + " to be active";
    const auto Deadline = std::chrono::steady_clock::now() + WindowTimeout;
    while (std::chrono::steady_clock::now() < Deadline) {
        RequestActivation(Window);
        if (PollUntil(
                What, [Window] { return ActiveWindow() == Window; }, ActivationRetry))
            return;
    }
    throw std::runtime_error("waited " + std::to_string(WindowTimeout.count()) + " ms in vain for " + What);
}

void TLiveProgram::CloseWindow(TWindowId Window, const std::string& Caption)
{
    const std::string Hidden = "the window \"" + Caption + "\" to be hidden";
    auto IsHidden = [&Caption] { return VisibleWindowsNamed(CaptionPattern(Caption)).empty(); };
    // The window manager may drop a shortcut that comes while its focus is still
    // settling; a second press, as a user would give, is noted in the log.
    for (int Press = 1; Press <= CloseAttempts; ++Press) {
        Activate(Window);
        PressCloseShortcut();
        if (PollUntil(Hidden, IsHidden, CloseTimeout)) {
            if (Press > 1)
                std::cout << "note: \"" << Caption << "\" closed at press " << Press << " of its close box\n";
            return;
        }
        std::cout << "note: \"" << Caption << "\" still visible " << CloseTimeout.count()
                  << " ms after press " << Press << " of its close box; active window "
                  << ActiveWindow().value_or(0) << "\n";
    }
    throw std::runtime_error("the window \"" + Caption + "\" stays visible after " +
                             std::to_string(CloseAttempts) + " presses of its close box");
}

void TLiveProgram::Close(TWindowId MainWindow)
{
    Activate(MainWindow);
    PressCloseShortcut();
    const auto Status = FProcess.WaitFor(WindowTimeout);
    Require(Status.has_value(), "cardsetup did not end when its main window was closed");
    Require(*Status == 0,
            "cardsetup ended with status " + std::to_string(*Status) + " when its main window was closed");
}

std::string CaptionPattern(const std::string& Caption) { return "^" + Caption + "$"; }

} // namespace realwindow
