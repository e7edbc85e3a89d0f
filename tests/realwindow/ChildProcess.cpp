#include "ChildProcess.h"

#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace realwindow {

TChildProcess::TChildProcess(const std::vector<std::string>& Arguments,
                             const std::vector<std::string>& ExtraEnvironment)
{
    std::vector<char*> Argv;
    for (const std::string& Argument : Arguments)
        Argv.push_back(const_cast<char*>(Argument.c_str()));
    Argv.push_back(nullptr);
    // Ours first, less those that the added ones replace.
    auto Replaced = [&ExtraEnvironment](const std::string_view Variable) {
        for (const std::string& Extra : ExtraEnvironment)
            if (Variable.substr(0, Variable.find('=')) == std::string_view(Extra).substr(0, Extra.find('=')))
                return true;
        return false;
    };
    std::vector<char*> Environment;
    for (char** Variable = environ; *Variable; ++Variable)
        if (!Replaced(*Variable))
            Environment.push_back(*Variable);
    for (const std::string& Variable : ExtraEnvironment)
        Environment.push_back(const_cast<char*>(Variable.c_str()));
    Environment.push_back(nullptr);
    if (posix_spawn(&FPid, Argv[0], nullptr, nullptr, Argv.data(), Environment.data()) != 0)
        throw std::runtime_error("cannot start " + Arguments.at(0));
}

TChildProcess::~TChildProcess()
{
    if (Poll())
        return;
    kill(FPid, SIGKILL);
    waitpid(FPid, nullptr, 0);
}

std::optional<int> TChildProcess::Poll()
{
    if (FStatus)
        return FStatus;
    int Status = 0;
    if (waitpid(FPid, &Status, WNOHANG) != FPid)
        return std::nullopt;
    FStatus = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
    return FStatus;
}

std::optional<int> TChildProcess::WaitFor(std::chrono::milliseconds Timeout)
{
    const auto Deadline = std::chrono::steady_clock::now() + Timeout;
    while (!Poll() && std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return Poll();
}

} // namespace realwindow
