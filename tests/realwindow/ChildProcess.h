#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace realwindow {

// A program started with a few environment variables added to ours; still
// running when this goes, it is killed and reaped.
class TChildProcess
{
public:
    TChildProcess(const std::vector<std::string>& Arguments,
                  const std::vector<std::string>& ExtraEnvironment);
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    pid_t Pid() const { return FPid; }
    // The exit status once the program has ended (128 + signal when killed).
    std::optional<int> Poll();
    std::optional<int> WaitFor(std::chrono::milliseconds Timeout);

private:
    pid_t FPid = -1;
    std::optional<int> FStatus;
};

} // namespace realwindow
