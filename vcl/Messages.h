#pragma once

#include "vcl/Object.h"

#include <cstdint>

namespace vcl {

struct TMessage
{
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_QUERYNEWPALETTE = 0x030F;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_USER = 0x0400;

// Component notifications, apart from the window messages.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
// Notifications of native controls: WParam carries the code.
constexpr uint32_t CN_COMMAND = 0xBD11;

constexpr intptr_t WA_INACTIVE = 0;
constexpr intptr_t WA_ACTIVE = 1;
constexpr intptr_t WA_CLICKACTIVE = 2;

constexpr intptr_t VK_RETURN = 0x0D;
constexpr intptr_t VK_ESCAPE = 0x1B;
constexpr intptr_t VK_TAB = 0x09;

// Codes carried by CN_COMMAND.
constexpr intptr_t BN_CLICKED = 0;
constexpr intptr_t CBN_SELCHANGE = 1;
constexpr intptr_t CBN_EDITCHANGE = 5;

inline intptr_t MakeLParam(int Low, int High)
{
    return static_cast<intptr_t>(static_cast<uint32_t>(static_cast<uint16_t>(Low)) |
                                 (static_cast<uint32_t>(static_cast<uint16_t>(High)) << 16));
}
inline int LParamX(intptr_t LParam) { return static_cast<int16_t>(LParam & 0xFFFF); }
inline int LParamY(intptr_t LParam) { return static_cast<int16_t>((LParam >> 16) & 0xFFFF); }

// A class's handler table: id -> member function, searched before the base class.
template <class C>
struct TMessageHandler
{
    uint32_t Msg;
    void (C::*Handler)(TMessage&);
};

template <class C, class Table>
bool DispatchFromTable(C* Self, const Table& Handlers, TMessage& Message)
{
    for (const TMessageHandler<C>& Entry : Handlers)
        if (Entry.Msg == Message.Msg) {
            (Self->*Entry.Handler)(Message);
            return true;
        }
    return false;
}

} // namespace vcl
