#include "vcl/ComboBox.h"

#include <algorithm>

namespace vcl {

const std::array<TMessageHandler<TComboBox>, 1> TComboBox::Handlers{{
    {CN_COMMAND, &TComboBox::CNCommand},
}};

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TComboBox::SetItems(const std::vector<std::string>& Value)
{
    FItems = Value;
    FItemIndex = -1;
    if (FWidget) {
        FWidget->SetItems(FItems);
        FWidget->SetText(Text());
    }
}

void TComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= static_cast<int>(FItems.size()))
        Value = -1;
    FItemIndex = Value;
    TControl::SetText(Value >= 0 ? FItems[static_cast<size_t>(Value)] : std::string());
    if (FWidget) {
        FWidget->SetItemIndex(Value);
        FWidget->SetText(Text());
    }
}

void TComboBox::SetText(const std::string& Value)
{
    const auto It = std::find(FItems.begin(), FItems.end(), Value);
    FItemIndex = It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
    TControl::SetText(Value);
    if (FWidget) {
        FWidget->SetItemIndex(FItemIndex);
        FWidget->SetText(Value);
    }
}

void TComboBox::InitializeWidget(IWidget& Widget)
{
    TWinControl::InitializeWidget(Widget);
    Widget.SetItems(FItems);
    Widget.SetItemIndex(FItemIndex);
    Widget.SetText(Text());
}

void TComboBox::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TWinControl::Dispatch(Message);
}

void TComboBox::CNCommand(TMessage& Message)
{
    if (Message.WParam == CBN_SELCHANGE) {
        const int Index = static_cast<int>(Message.LParam);
        FItemIndex = Index >= 0 && Index < static_cast<int>(FItems.size()) ? Index : -1;
        TControl::SetText(FItemIndex >= 0 ? FItems[static_cast<size_t>(FItemIndex)] : std::string());
        Change();
    } else if (Message.WParam == CBN_EDITCHANGE && Message.LParam) {
        const std::string Typed = *reinterpret_cast<const std::string*>(Message.LParam);
        const auto It = std::find(FItems.begin(), FItems.end(), Typed);
        FItemIndex = It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
        TControl::SetText(Typed);
        Change();
    }
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

} // namespace vcl
