#include "vcl/StatusBar.h"

namespace vcl {

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::AddPanel(const TStatusPanelInfo& Panel)
{
    FPanels.push_back(Panel);
    if (FWidget)
        FWidget->SetStatusPanels(FPanels);
}

void TStatusBar::InitializeWidget(IWidget& Widget)
{
    TWinControl::InitializeWidget(Widget);
    Widget.SetStatusPanels(FPanels);
}

} // namespace vcl
