#pragma once

#include "vcl/ButtonControl.h"

namespace vcl {

// Radio buttons of one parent form a group: checking one unchecks the others
// silently, then raises its own click.
class TRadioButton : public TButtonControl
{
public:
    explicit TRadioButton(TComponent* AOwner);

    std::string ClassName() const override { return "TRadioButton"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::RadioButton; }

    void SetChecked(bool Value) override;

protected:
    void UserClicked() override;
};

} // namespace vcl
