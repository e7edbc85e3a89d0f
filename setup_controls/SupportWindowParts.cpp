#include "setup_controls/SupportWindowParts.h"

namespace setup {

vcl::TMemo* CreateTextMemo(vcl::TWinControl& Window, const std::string& Name)
{
    auto* Memo = CreateChild<vcl::TMemo>(Window, Name);
    Memo->SetBounds(8, 8, 305, 89);
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(vcl::ssVertical);
    return Memo;
}

vcl::TButton* CreateCloseButton(vcl::TWinControl& Window, int Left, vcl::TNotifyEvent OnClick)
{
    auto* Button = CreateChild<vcl::TButton>(Window, "CloseButton");
    Button->SetBounds(Left, 105, 73, 25);
    Button->SetCancel(true);
    Button->SetCaption("Close");
    Button->SetTabOrder(0);
    Button->OnClick = std::move(OnClick);
    return Button;
}

} // namespace setup
