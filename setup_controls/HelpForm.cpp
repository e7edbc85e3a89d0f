#include "setup_controls/HelpForm.h"

#include "setup_controls/BoardImage.h"
#include "setup_controls/SetupMessages.h"
#include "setup_controls/SupportWindowParts.h"
#include "vcl/Application.h"
#include "vcl/Color.h"
#include "vcl/Font.h"
#include "vcl/Screen.h"
#include "vcl/Windows.h"

#include <algorithm>

namespace setup {

using namespace vcl;

THelpForm::THelpForm(TComponent* AOwner, std::string_view Document) : TForm(AOwner)
{
    SetName("HelpForm");
    SetCaption("Instructions for Settings utility");
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    // Client sizes below then count against the frame the window system gives.
    HandleNeeded();

    HelpLabel = CreateChild<TLabel>(*this, "HelpLabel");
    HelpLabel->SetAlign(alTop);
    HelpLabel->SetAlignment(taCenter);
    HelpLabel->SetCaption("How to use this program");
    HelpLabel->Font().SetName("Verdana");
    HelpLabel->Font().SetSize(12);
    HelpLabel->Font().SetStyle({fsBold});

    HelpRich = CreateChild<TRichEdit>(*this, "HelpRich");
    HelpRich->SetBounds(0, 24, 305, 73);
    HelpRich->SetReadOnly(true);
    HelpRich->SetScrollBars(ssVertical);
    HelpRich->SetWordWrap(true);
    HelpRich->SetColor(RGB(221, 221, 221));
    HelpRich->LoadRtf(Document);

    StartButton = CreateChild<TButton>(*this, "StartButton");
    StartButton->SetDefault(true);
    StartButton->SetCancel(true);
    StartButton->SetBounds(0, 105, 173, 25);
    StartButton->SetCaption("Start");
    StartButton->SetTabOrder(0);
    StartButton->OnClick = [this](TObject* Sender) { StartButtonClick(Sender); };

    SetClientWidth(HelpRich->Width());
    FitToControls();
    SetClientHeight(ClientHeight() + 8);
    HelpRich->SetAnchors({akLeft, akTop, akRight, akBottom});
    // Anchored to neither side, the button stays centred when the window is resized.
    StartButton->SetLeft((ClientWidth() - StartButton->Width()) / 2);
    StartButton->SetAnchors({akBottom});

    const TPoint Scaled =
        HelpClientSizeForScreen({ClientWidth(), ClientHeight()}, Screen->Width(), Screen->Height());
    SetClientWidth(Scaled.X);
    SetClientHeight(Scaled.Y);
}

void THelpForm::StartButtonClick(TObject*)
{
    Hide();
    const TCustomForm* Main = Application->MainForm();
    if (!Main)
        return;
    for (TControl* Control : Main->Controls())
        if (auto* Board = dynamic_cast<TBoardImage*>(Control)) {
            SendMessage(Board->Handle(), UM_STARTTOUR, 0, 0);
            return;
        }
}

TPoint HelpClientSizeForScreen(TPoint ClientSize, int ScreenWidth, int ScreenHeight)
{
    const double Scale = std::max(1.0, std::min(ScreenHeight / 450.0, ScreenWidth / 800.0));
    return {RoundHalfEven(ClientSize.X * Scale), RoundHalfEven(ClientSize.Y * Scale)};
}

} // namespace setup
