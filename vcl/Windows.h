#pragma once

#include "vcl/Messages.h"
#include "vcl/Types.h"

#include <cstdint>
#include <functional>

namespace vcl {

// Window handles name a window procedure; a message to a window that is gone is dropped.
using HWND = uintptr_t;
using TWndMethod = std::function<void(TMessage&)>;

HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);
bool IsWindow(HWND Wnd);

intptr_t SendMessage(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam);
// Queued behind what is already waiting, dispatched before later input.
bool PostMessage(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam);
intptr_t DefWindowProc(HWND Wnd, uint32_t Msg, intptr_t WParam, intptr_t LParam);

// WM_TIMER with WParam = Id every Milliseconds; answers 0 when no timer can be had.
uintptr_t SetTimer(HWND Wnd, uintptr_t Id, unsigned Milliseconds);
bool KillTimer(HWND Wnd, uintptr_t Id);
// Tests make every SetTimer answer 0 while Fail is set.
void SetTimerFailureForTesting(bool Fail);

TPoint GetCursorPos();
// Tests put the pointer where they like.
void SetCursorPosSource(std::function<TPoint()> Source);

} // namespace vcl
