#include "vcl/RadioButton.h"

namespace vcl {

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool Value)
{
    if (Value == Checked())
        return;
    StoreChecked(Value);
    if (!Value)
        return;
    if (Parent())
        for (TControl* Sibling : Parent()->Controls())
            if (auto* Other = dynamic_cast<TRadioButton*>(Sibling);
                Other && Other != this && Other->Checked())
                Other->StoreChecked(false);
    // A stored state is no click.
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TRadioButton::UserClicked()
{
    if (!Checked())
        SetChecked(true);
}

} // namespace vcl
