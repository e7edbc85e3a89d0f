#include "setup_controls/PopupForm.h"

#include "setup_controls/BoardHighlight.h"
#include "vcl/Windows.h"

namespace setup {

using namespace vcl;

const std::array<TMessageHandler<TPopupForm>, 2> TPopupForm::Handlers{{
    {WM_ACTIVATE, &TPopupForm::WMActivate},
    {CM_MOUSELEAVE, &TPopupForm::CMMouseLeave},
}};

void TPopupForm::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TForm::Dispatch(Message);
}

// The circle's look follows the window's activation, and nothing else happens.
void TPopupForm::WMActivate(TMessage& Message)
{
    if (Highlight)
        Highlight->SetActive(Message.WParam != WA_INACTIVE, true);
    Message.Result = 0;
}

// Leaves from the window's own controls arrive here too: only a pointer that is
// really outside the window closes it.
void TPopupForm::CMMouseLeave(TMessage& Message)
{
    if (!CloseOnLeave || PtInRect(BoundsRect(), GetCursorPos())) {
        TForm::Dispatch(Message);
        return;
    }
    Close();
}

} // namespace setup
