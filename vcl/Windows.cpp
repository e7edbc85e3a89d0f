#include "vcl/Windows.h"

#include "vcl/Application.h"
#include "vcl/Platform.h"

#include <map>

namespace vcl {
namespace {

struct TWindowTable
{
    HWND NextHandle = 1;
    std::map<HWND, TWndMethod> Methods;
    std::map<std::pair<HWND, uintptr_t>, int> Timers;
};

TWindowTable& Windows()
{
    static TWindowTable Table;
    return Table;
}

bool& TimerFailure()
{
    static bool Fail = false;
    return Fail;
}

std::function<TPoint()>& CursorSource()
{
    static std::function<TPoint()> Source;
    return Source;
}

// A handler's exception must not unwind into the event loop.
void Deliver(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    try {
        SendMessage(Wnd, Msg, WParam, LParam);
    } catch (...) {
        Application->HandleException(nullptr);
    }
}

} // namespace

HWND AllocateHWnd(TWndMethod Method)
{
    const HWND Wnd = Windows().NextHandle++;
    Windows().Methods[Wnd] = std::move(Method);
    return Wnd;
}

void DeallocateHWnd(HWND Wnd)
{
    auto& Timers = Windows().Timers;
    for (auto It = Timers.begin(); It != Timers.end();) {
        if (It->first.first == Wnd) {
            if (Platform())
                Platform()->StopTimer(It->second);
            It = Timers.erase(It);
        } else {
            ++It;
        }
    }
    Windows().Methods.erase(Wnd);
}

bool IsWindow(HWND Wnd) { return Windows().Methods.count(Wnd) != 0; }

intptr_t SendMessage(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    auto It = Windows().Methods.find(Wnd);
    if (It == Windows().Methods.end())
        return 0;
    TMessage Message{Msg, WParam, LParam, 0};
    TWndMethod Method = It->second;
    Method(Message);
    return Message.Result;
}

bool PostMessage(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    if (!IsWindow(Wnd) || !Platform())
        return false;
    Platform()->Post([=] { Deliver(Wnd, Msg, WParam, LParam); });
    return true;
}

intptr_t DefWindowProc(HWND, uint32_t, intptr_t, intptr_t) { return 0; }

uintptr_t SetTimer(HWND Wnd, uintptr_t Id, unsigned Milliseconds)
{
    if (!IsWindow(Wnd) || !Platform() || TimerFailure())
        return 0;
    KillTimer(Wnd, Id);
    const int TimerId =
        Platform()->StartTimer(static_cast<int>(Milliseconds), [=] { Deliver(Wnd, WM_TIMER, Id, 0); });
    if (TimerId == 0)
        return 0;
    Windows().Timers[{Wnd, Id}] = TimerId;
    return Id;
}

bool KillTimer(HWND Wnd, uintptr_t Id)
{
    auto& Timers = Windows().Timers;
    auto It = Timers.find({Wnd, Id});
    if (It == Timers.end())
        return false;
    if (Platform())
        Platform()->StopTimer(It->second);
    Timers.erase(It);
    return true;
}

void SetTimerFailureForTesting(bool Fail) { TimerFailure() = Fail; }

TPoint GetCursorPos()
{
    if (CursorSource())
        return CursorSource()();
    return Platform() ? Platform()->CursorPos() : TPoint{};
}

void SetCursorPosSource(std::function<TPoint()> Source) { CursorSource() = std::move(Source); }

} // namespace vcl
