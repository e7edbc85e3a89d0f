#include "vcl/Button.h"

namespace vcl {

const std::array<TMessageHandler<TButton>, 2> TButton::Handlers{{
    {CN_COMMAND, &TButton::CNCommand},
    {CM_DIALOGKEY, &TButton::CMDialogKey},
}};

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool Value)
{
    if (Value == FDefault)
        return;
    FDefault = Value;
    if (FWidget)
        FWidget->SetDefaultButton(Value);
}

void TButton::InitializeWidget(IWidget& Widget)
{
    TWinControl::InitializeWidget(Widget);
    Widget.SetDefaultButton(FDefault);
}

void TButton::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TWinControl::Dispatch(Message);
}

void TButton::CNCommand(TMessage& Message)
{
    if (Message.WParam == BN_CLICKED)
        Click();
}

// LParam 1 asks the focused control: a focused button takes Enter itself.
void TButton::CMDialogKey(TMessage& Message)
{
    const bool Takes = (Message.WParam == VK_RETURN && (FDefault || Message.LParam == 1)) ||
                       (Message.WParam == VK_ESCAPE && FCancel && Message.LParam == 0);
    if (Takes && Enabled() && Showing()) {
        Click();
        Message.Result = 1;
    }
}

} // namespace vcl
