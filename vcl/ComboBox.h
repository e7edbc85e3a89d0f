#pragma once

#include "vcl/WinControl.h"

#include <string>
#include <vector>

namespace vcl {

// Drop-down list with an editable text field. Choices made by program raise no
// change; the user's do.
class TComboBox : public TWinControl
{
public:
    explicit TComboBox(TComponent* AOwner);

    std::string ClassName() const override { return "TComboBox"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::ComboBox; }

    const std::vector<std::string>& Items() const { return FItems; }
    void SetItems(const std::vector<std::string>& Value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    void SetText(const std::string& Value) override;
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value) { FStyle = Value; }

    TNotifyEvent OnChange;

    void Dispatch(TMessage& Message) override;

protected:
    void InitializeWidget(IWidget& Widget) override;
    virtual void Change();

private:
    // The user chose item LParam (CBN_SELCHANGE) or typed the text at LParam (CBN_EDITCHANGE).
    void CNCommand(TMessage& Message);
    static const std::array<TMessageHandler<TComboBox>, 1> Handlers;

    std::vector<std::string> FItems;
    int FItemIndex = -1;
    int FItemHeight = 13;
    TComboBoxStyle FStyle = csDropDown;
};

} // namespace vcl
