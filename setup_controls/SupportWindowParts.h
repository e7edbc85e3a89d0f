#pragma once

#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Types.h"
#include "vcl/WinControl.h"

#include <string>

namespace setup {

// The support windows are built in code: each part is owned by the window it sits on.
template <class T>
T* CreateChild(vcl::TWinControl& Window, const std::string& Name)
{
    auto* Child = new T(&Window);
    Child->SetName(Name);
    Child->SetParent(&Window);
    return Child;
}

// A read-only text box at 8, 8 of 305 x 89 with a vertical scroll bar only.
vcl::TMemo* CreateTextMemo(vcl::TWinControl& Window, const std::string& Name);

// "Close" below the text box, pressed by Esc and first in tab order.
vcl::TButton* CreateCloseButton(vcl::TWinControl& Window, int Left, vcl::TNotifyEvent OnClick);

} // namespace setup
