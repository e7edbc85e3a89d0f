#pragma once

#include "vcl/Platform.h"
#include "vcl/WinControl.h"

#include <vector>

namespace vcl {

class TStatusBar : public TWinControl
{
public:
    explicit TStatusBar(TComponent* AOwner);

    std::string ClassName() const override { return "TStatusBar"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::StatusBar; }

    const std::vector<TStatusPanelInfo>& Panels() const { return FPanels; }
    void AddPanel(const TStatusPanelInfo& Panel);

protected:
    void InitializeWidget(IWidget& Widget) override;

private:
    std::vector<TStatusPanelInfo> FPanels;
};

} // namespace vcl
