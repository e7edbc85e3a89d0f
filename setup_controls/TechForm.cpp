#include "setup_controls/TechForm.h"

#include "setup_controls/SupportWindowParts.h"

namespace setup {

using namespace vcl;

TTechForm::TTechForm(TComponent* AOwner, const std::string& SupportText, TNotifyEvent OnCloseClick)
    : TForm(AOwner)
{
    SetName("TechForm");
    SetCaption("Technical Support");
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);
    // Client sizes below then count against the frame the window system gives.
    HandleNeeded();

    TechMemo = CreateTextMemo(*this, "TechMemo");
    TechMemo->SetWordWrap(true);
    TechMemo->SetText(SupportText);
    CloseButton = CreateCloseButton(*this, 165, std::move(OnCloseClick));

    FitToControls();
    TechMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    // Anchored to neither side, the button stays centred when the window is resized.
    CloseButton->SetLeft((ClientWidth() - CloseButton->Width()) / 2);
    CloseButton->SetAnchors({akBottom});
}

std::string TechSupportText(const std::string& CompanyName, const std::string& CallHow)
{
    return "There are several ways to get technical support. First and fastest is to skim the relevant "
           "sections "
           "of the manual. However, some questions require personal assistance, and " +
           CompanyName + " stands ready to provide that help. You can call us " + CallHow +
           " for any of your product questions.\r\n\r\nIn order to provide the best and fastest support "
           "possible, "
           "we ask that you be at your computer when you call, and have the " +
           CompanyName + " product manual and Reveraze Roride VO at hand.";
}

} // namespace setup
