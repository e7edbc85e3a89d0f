#pragma once

#include "vcl/Control.h"
#include "vcl/Messages.h"
#include "vcl/WinControl.h"

#include <cstdint>
#include <initializer_list>

// Left-button messages as the window system sends them to the parent of a
// windowless control, aimed at the middle of Target.
inline void SendButtons(vcl::TWinControl& Parent, const vcl::TControl& Target,
                        std::initializer_list<uint32_t> Messages)
{
    const intptr_t Middle =
        vcl::MakeLParam(Target.Left() + Target.Width() / 2, Target.Top() + Target.Height() / 2);
    for (uint32_t Msg : Messages)
        Parent.Perform(Msg, 0, Middle);
}

inline void ClickControl(vcl::TWinControl& Parent, const vcl::TControl& Target)
{
    SendButtons(Parent, Target, {vcl::WM_LBUTTONDOWN, vcl::WM_LBUTTONUP});
}

inline void DoubleClickControl(vcl::TWinControl& Parent, const vcl::TControl& Target)
{
    SendButtons(Parent, Target,
                {vcl::WM_LBUTTONDOWN, vcl::WM_LBUTTONUP, vcl::WM_LBUTTONDBLCLK, vcl::WM_LBUTTONUP});
}
