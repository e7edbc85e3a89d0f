// The highlight's reaction to the pointer: enter opens, leave closes unless
// pinned, a click pins. Every direct event is relayed to the linked group.
#include "setup_controls/BoardHighlight.h"
#include "setup_controls/PopupForm.h"
#include "vcl/Windows.h"

namespace setup {

using namespace vcl;

namespace {
constexpr intptr_t Relayed = 1;
}

void TBoardHighlight::CMMouseEnter(TMessage& Message)
{
    if (FEntered)
        return;
    FEntered = true;
    Invalidate();
    if (FCreatePopup)
        ShowPopup();
    if (Message.WParam == Relayed)
        return;
    for (TBoardHighlight* Member : GroupMembers())
        Member->Perform(CM_MOUSEENTER, Relayed, 0);
}

void TBoardHighlight::CMMouseLeave(TMessage& Message)
{
    if (!FEntered)
        return;
    if (FPopup && !FPinned) {
        if (PtInRect(FPopup->BoundsRect(), GetCursorPos())) {
            FPopup->CloseOnLeave = true;
            Pin();
        } else {
            FPopup->Close();
        }
    }
    if (Message.WParam == Relayed)
        return;
    for (TBoardHighlight* Member : GroupMembers())
        Member->Perform(CM_MOUSELEAVE, Relayed, 0);
}

void TBoardHighlight::Click()
{
    TGraphicControl::Click();
    Pin();
}

void TBoardHighlight::Pin()
{
    if (FPopup) {
        FPinned = true;
        SetMenuChecked(true);
    }
    for (TBoardHighlight* Member : GroupMembers())
        Member->PinMember();
}

void TBoardHighlight::PinMember()
{
    if (!FPopup)
        return;
    FPinned = true;
    SetMenuChecked(true);
    FPopup->SetFocus();
}

} // namespace setup

namespace setup {

const std::array<vcl::TMessageHandler<TBoardHighlight>, 2> TBoardHighlight::Handlers{{
    {vcl::CM_MOUSEENTER, &TBoardHighlight::CMMouseEnter},
    {vcl::CM_MOUSELEAVE, &TBoardHighlight::CMMouseLeave},
}};

// Enter and leave are handled here alone: they do not travel on to the board image.
void TBoardHighlight::Dispatch(vcl::TMessage& Message)
{
    if (!vcl::DispatchFromTable(this, Handlers, Message))
        vcl::TGraphicControl::Dispatch(Message);
}

} // namespace setup
