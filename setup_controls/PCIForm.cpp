#include "setup_controls/PCIForm.h"

#include "setup_controls/SupportWindowParts.h"
#include "vcl/Font.h"

namespace setup {

using namespace vcl;

TPCIForm::TPCIForm(TComponent* AOwner, const std::string& CardName, TNotifyEvent OnCloseClick) : TForm(AOwner)
{
    SetName("PCIForm");
    SetCaption(CardName + " Cards installed");
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);
    // Client sizes below then count against the frame the window system gives.
    HandleNeeded();

    PCIMemo = CreateTextMemo(*this, "PCIMemo");
    PCIMemo->Font().SetName("Tahoma");
    PCIMemo->Font().SetSize(10);
    PCIMemo->Font().SetStyle({fsBold});
    // The button is centred on the window's first outer width and not again after
    // the fit, so it ends one pixel left of the centre.
    SetWidth(320);
    CloseButton = CreateCloseButton(*this, (Width() - 73) / 2, std::move(OnCloseClick));

    FitToControls();
    PCIMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetAnchors({akBottom});
}

} // namespace setup
