// The highlight's popup window: built once, then hidden and shown.
#include "setup_controls/BoardHighlight.h"
#include "setup_controls/BoardImage.h"
#include "setup_controls/PopupForm.h"
#include "setup_controls/RadioPanel.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Screen.h"

#include <algorithm>

namespace setup {

using namespace vcl;

namespace {

constexpr int ButtonWidth = 58;
constexpr int ButtonHeight = 25;

TButton* AddButton(TPopupForm& Popup, const char* Name, const char* Caption, int Left, int Top,
                   TAnchors Anchors, TNotifyEvent OnClick)
{
    auto* Button = new TButton(&Popup);
    Button->SetName(Name);
    Button->SetCaption(Caption);
    Button->SetBounds(Left, Top, ButtonWidth, ButtonHeight);
    Button->SetParent(&Popup);
    Button->SetAnchors(Anchors);
    Button->OnClick = std::move(OnClick);
    return Button;
}

// A caption and tag already on screen belong to a group member that owns the popup.
bool SharedPopupExists(const std::string& Caption, int Tag)
{
    const auto& Forms = Screen->Forms();
    return std::any_of(Forms.begin(), Forms.end(), [&](const TCustomForm* Form) {
        return Form->Caption() == Caption && Form->Tag() == Tag;
    });
}

} // namespace

void TBoardHighlight::ShowPopup()
{
    if (FPopup) {
        if (!FPopup->Visible())
            FPinned = false;
        FPopup->Show();
        if (IFormWidget* Window = dynamic_cast<IFormWidget*>(FPopup->Widget()))
            Window->Activate();
        return;
    }
    const int Ordinal = static_cast<int>(FHighlightType);
    if (SharedPopupExists(FPlainTitle, Ordinal))
        return;

    auto* Popup = new TPopupForm(this);
    FPopup = Popup;
    Popup->Highlight = this;
    Popup->SetAutoScroll(false);
    Popup->SetBorderStyle(bsSizeToolWin);
    Popup->SetFormStyle(fsStayOnTop);
    FPinned = false;

    int MemoHeight = 58, PanelLeft = 0, PanelTop = 0;
    if (TRadioPanel* Panel = FRadioPanel) {
        MemoHeight = Panel->MemoHeight();
        Popup->OnActivate = Panel->OnActivate;
        Popup->OnDeactivate = Panel->OnDeactivate;
        PanelLeft = Panel->Left();
        PanelTop = Panel->Top();
        Panel->SetBounds(0, 0, Panel->Width(), Panel->Height());
        Panel->SetVisible(true);
        Popup->SetClientSize(Panel->Width(), Panel->Height() + MemoHeight + 51);
        Panel->SetParent(Popup);
        Panel->SetAnchors(Panel->FinalAnchors());
        Panel->SetInPopup(true);
    } else {
        Popup->SetBounds(Popup->Left(), Popup->Top(), 194, 141);
    }

    Popup->SetCaption(FPlainTitle);
    Popup->SetBounds(Popup->Left(), Popup->Top(), std::max(194, Popup->Width()),
                     std::max(122, Popup->Height()));
    Popup->Constraints().MinWidth = Popup->Width();
    Popup->Constraints().MinHeight = Popup->Height();
    Popup->ConstraintsChanged();
    Popup->SetTag(Ordinal);
    Popup->SetPosition(poDesigned);

    // The panel's layout position, shifted as far as the board image moved since its
    // first paint; client coordinates of the main window serve as screen coordinates.
    TWinControl* Board = Parent();
    int DX = 0, DY = 0;
    if (auto* Image = dynamic_cast<TBoardImage*>(Board); Image && OnBoardImage()) {
        DX = Image->DesignLeft() - PanelLeft;
        DY = Image->DesignTop() - PanelTop;
    }
    if (!FRadioPanel) {
        DX = 0;
        DY = Board ? -(Board->Height() + 38) : 0;
    }
    const int BoardLeft = Board ? Board->Left() : 0, BoardTop = Board ? Board->Top() : 0;
    Popup->SetBounds(BoardLeft - DX, BoardTop - DY, Popup->Width(), Popup->Height());

    Popup->OnClose = [this](TObject* Sender, TCloseAction& Action) { PopupClose(Sender, Action); };

    const int CW = Popup->ClientWidth(), CH = Popup->ClientHeight();
    auto* Status = new TStatusBar(Popup);
    Status->SetName("PopupStatus");
    Popup->PopupStatus = Status;
    Status->SetAlign(alNone);
    Status->SetBounds(0, CH - 19, CW, 19);
    Status->AddPanel({"", 50, pbNone});
    Status->SetParent(Popup);
    Status->SetAnchors({akLeft, akRight, akBottom});
    AddButton(*Popup, "PreviousButton", "Previous", 6, CH - 44, {akLeft, akBottom},
              [this](TObject* Sender) { PreviousClick(Sender); });
    AddButton(*Popup, "NextButton", "Next", (CW - ButtonWidth) / 2, CH - 44, {akBottom},
              [this](TObject* Sender) { NextClick(Sender); });
    TButton* Done = AddButton(*Popup, "DoneButton", "Done", CW - 64, CH - 44, {akRight, akBottom},
                              [this](TObject* Sender) { DoneClick(Sender); });
    auto* Memo = new TMemo(Popup);
    Memo->SetName("StatusMemo");
    Memo->SetBounds(6, Done->Top() - 6 - MemoHeight, CW - 12, MemoHeight);
    Memo->SetParent(Popup);
    Memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(ssVertical);
    Memo->SetWordWrap(true);
    if (FRadioPanel)
        Memo->SetLines(FRadioPanel->Lines());

    int Left = Popup->Left(), Top = Popup->Top();
    if (Left < 0)
        Left = 0;
    else if (Left + Popup->Width() > Screen->Width())
        Left = Screen->Width() - Popup->Width();
    if (Top < 0)
        Top = 0;
    else if (Top + Popup->Height() > Screen->Height())
        Top = Screen->Height() - Popup->Height();
    Popup->SetBounds(Left, Top, Popup->Width(), Popup->Height());

    Popup->Show();
    if (FRadioPanel)
        FRadioPanel->SetFocus();
    else
        Done->SetFocus();
}

void TBoardHighlight::PopupClose(TObject*, TCloseAction&)
{
    SetMenuChecked(false);
    if (FPopup)
        FPopup->CloseOnLeave = false;
    ClearEntered();
    for (TBoardHighlight* Member : GroupMembers())
        Member->ClearEntered();
}

void TBoardHighlight::DoneClick(TObject*)
{
    if (FPopup)
        FPopup->Close();
}

} // namespace setup
