#pragma once

#include "vcl/WinControl.h"

namespace vcl {

// Push button; the default one answers Enter, the cancel one Esc.
class TButton : public TWinControl
{
public:
    explicit TButton(TComponent* AOwner);

    std::string ClassName() const override { return "TButton"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::Button; }

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }

    void Dispatch(TMessage& Message) override;

protected:
    void InitializeWidget(IWidget& Widget) override;

private:
    void CNCommand(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    static const std::array<TMessageHandler<TButton>, 2> Handlers;

    bool FDefault = false;
    bool FCancel = false;
};

} // namespace vcl
