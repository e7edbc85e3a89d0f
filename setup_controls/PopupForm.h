#pragma once

#include "vcl/Form.h"
#include "vcl/StatusBar.h"

namespace setup {

class TBoardHighlight;

// The small stay-on-top window a highlight opens: its panel, the explanation,
// Previous, Next and Done. Built once in code, then only hidden and shown.
class TPopupForm : public vcl::TForm
{
public:
    explicit TPopupForm(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {}

    std::string ClassName() const override { return "TPopupForm"; }

    vcl::TStatusBar* PopupStatus = nullptr;
    TBoardHighlight* Highlight = nullptr;
    // The pointer came straight from the circle: leaving the window closes it.
    bool CloseOnLeave = false;

    void Dispatch(vcl::TMessage& Message) override;

private:
    void WMActivate(vcl::TMessage& Message);
    void CMMouseLeave(vcl::TMessage& Message);
    static const std::array<vcl::TMessageHandler<TPopupForm>, 2> Handlers;
};

} // namespace setup
