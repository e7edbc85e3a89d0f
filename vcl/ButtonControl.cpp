#include "vcl/ButtonControl.h"

namespace vcl {

const std::array<TMessageHandler<TButtonControl>, 1> TButtonControl::Handlers{{
    {CN_COMMAND, &TButtonControl::CNCommand},
}};

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) { SetParentColor(true); }

void TButtonControl::StoreChecked(bool Value)
{
    FChecked = Value;
    if (FWidget)
        FWidget->SetChecked(Value);
}

void TButtonControl::InitializeWidget(IWidget& Widget)
{
    TWinControl::InitializeWidget(Widget);
    Widget.SetChecked(FChecked);
}

void TButtonControl::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TWinControl::Dispatch(Message);
}

void TButtonControl::CNCommand(TMessage& Message)
{
    if (Message.WParam != BN_CLICKED)
        return;
    UserClicked();
    // The widget may have toggled on its own: show the state we hold.
    if (FWidget)
        FWidget->SetChecked(FChecked);
}

} // namespace vcl
