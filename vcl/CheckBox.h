#pragma once

#include "vcl/ButtonControl.h"

namespace vcl {

class TCheckBox : public TButtonControl
{
public:
    explicit TCheckBox(TComponent* AOwner);

    std::string ClassName() const override { return "TCheckBox"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::CheckBox; }

    void SetChecked(bool Value) override;

protected:
    void UserClicked() override { SetChecked(!Checked()); }
};

} // namespace vcl
