#pragma once

#include "vcl/WinControl.h"

namespace vcl {

// What check boxes and radio buttons share: a checked state shown by the widget,
// a user click arriving as BN_CLICKED.
class TButtonControl : public TWinControl
{
public:
    explicit TButtonControl(TComponent* AOwner);

    std::string ClassName() const override { return "TButtonControl"; }

    bool Checked() const { return FChecked; }
    // Set by program: a change raises the click.
    virtual void SetChecked(bool Value) = 0;

    void Dispatch(TMessage& Message) override;

protected:
    void InitializeWidget(IWidget& Widget) override;
    void StoreChecked(bool Value);
    virtual void UserClicked() = 0;

private:
    void CNCommand(TMessage& Message);
    static const std::array<TMessageHandler<TButtonControl>, 1> Handlers;
    bool FChecked = false;
};

} // namespace vcl
