#pragma once

#include "ChildProcess.h"
#include "Desktop.h"

#include <chrono>
#include <functional>
#include <string>

namespace realwindow {

// cardsetup running as a user runs it, with the pointer parked before it starts.
// Still running when this goes, it is killed.
class TLiveProgram
{
public:
    // Generous: a sanitizer build is slow to start and to answer.
    static constexpr std::chrono::milliseconds WindowTimeout = std::chrono::seconds(30);
    static constexpr std::chrono::milliseconds ActivationRetry = std::chrono::milliseconds(1000);

    explicit TLiveProgram(const std::string& ProgramPath);

    // Polls Done until it holds. Raises, naming What, when the program ends first or Timeout passes.
    void WaitUntil(const std::string& What, const std::function<bool()>& Done,
                   std::chrono::milliseconds Timeout = WindowTimeout);
    // Captions are matched whole; they must hold no regular-expression characters.
    TWindowId WaitForVisibleWindow(const std::string& Caption,
                                   std::chrono::milliseconds Timeout = WindowTimeout);
    void WaitUntilHidden(const std::string& Caption);
    void Activate(TWindowId Window);
    // Closes one of the program's windows with its close box and waits until it is hidden.
    void CloseWindow(TWindowId Window, const std::string& Caption);
    // Closes the main window with its close box; raises unless the program then ends with status 0.
    void Close(TWindowId MainWindow);

private:
    // False when Timeout passes first; raises, naming What, when the program ends first.
    bool PollUntil(const std::string& What, const std::function<bool()>& Done,
                   std::chrono::milliseconds Timeout);

    TChildProcess FProcess;
};

// Whole-caption pattern for the desktop's window searches.
std::string CaptionPattern(const std::string& Caption);

} // namespace realwindow
