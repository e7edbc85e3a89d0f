#pragma once

#include "vcl/Application.h"

#include <chrono>
#include <functional>

// Runs the message loop until Done, or gives up after a deadline far beyond any timer period.
inline bool PumpUntil(const std::function<bool()>& Done)
{
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Done()) {
        if (std::chrono::steady_clock::now() > Deadline)
            return false;
        vcl::Application->ProcessMessages();
    }
    return true;
}

// Runs the message loop for a while, long enough for several timer periods.
inline void PumpFor(std::chrono::milliseconds Span)
{
    const auto End = std::chrono::steady_clock::now() + Span;
    while (std::chrono::steady_clock::now() < End)
        vcl::Application->ProcessMessages();
}
