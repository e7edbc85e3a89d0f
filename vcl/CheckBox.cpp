#include "vcl/CheckBox.h"

namespace vcl {

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

void TCheckBox::SetChecked(bool Value)
{
    if (Value == Checked())
        return;
    StoreChecked(Value);
    // A stored state is no click.
    if (!ComponentState().Contains(csLoading))
        Click();
}

} // namespace vcl
