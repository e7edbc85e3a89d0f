#include "setup_controls/BoardImage.h"

#include "setup_controls/BoardHighlight.h"
#include "setup_controls/SetupMessages.h"
#include "vcl/Form.h"

namespace setup {

using namespace vcl;

const std::array<TMessageHandler<TBoardImage>, 1> TBoardImage::Handlers{{
    {UM_STARTTOUR, &TBoardImage::UMStartTour},
}};

TBoardImage::TBoardImage(TComponent* AOwner) : TCustomPanel(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this] { HandlePictureChange(); };
    SetHeight(105);
    SetWidth(105);
}

TBoardImage::~TBoardImage()
{
    FPicture->OnChange = nullptr;
    FPicture.reset();
}

void TBoardImage::SetStretch(bool Value)
{
    if (Value == FStretch)
        return;
    FStretch = Value;
    HandlePictureChange();
}

void TBoardImage::SetCenter(bool Value)
{
    if (Value == FCenter)
        return;
    FCenter = Value;
    HandlePictureChange();
}

void TBoardImage::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    HandlePictureChange();
}

void TBoardImage::SetScale(bool Value)
{
    if (Value == FScale)
        return;
    FScale = Value;
    HandlePictureChange();
}

void TBoardImage::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    int NewWidth = Width(), NewHeight = Height();
    if (FAutoSize && CanAutoSize(NewWidth, NewHeight))
        SetBounds(Left(), Top(), NewWidth, NewHeight);
}

void TBoardImage::SetMenu(TMainMenu* Value)
{
    if (FMenu)
        FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (FMenu)
        FMenu->FreeNotification(this);
}

void TBoardImage::SetFirst(TBoardHighlight* Value)
{
    if (FFirst)
        FFirst->RemoveFreeNotification(this);
    FFirst = Value;
    if (FFirst)
        FFirst->FreeNotification(this);
}

void TBoardImage::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FMenu)
        FMenu = nullptr;
    if (AComponent == FFirst)
        FFirst = nullptr;
}

void TBoardImage::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TCustomPanel::Dispatch(Message);
}

void TBoardImage::UMStartTour(TMessage& Message)
{
    if (!FFirst)
        return;
    FFirst->CMMouseEnter(Message);
    FFirst->Click();
    FFirst->CMMouseLeave(Message);
}

TRect TBoardImage::PictureRect() const
{
    const int PW = FPicture->Width(), PH = FPicture->Height();
    if (FStretch)
        return {0, 0, ClientWidth(), ClientHeight()};
    if (FCenter)
        return Bounds((Width() - PW) / 2, (Height() - PH) / 2, PW, PH);
    return {0, 0, PW, PH};
}

void TBoardImage::HandlePictureChange()
{
    const int PW = FPicture->Width(), PH = FPicture->Height();
    if (PW > 0 && PH > 0)
        FAspectRatio = static_cast<double>(PH) / PW;
    if (FAutoSize && PW > 0 && PH > 0)
        SetBounds(Left(), Top(), PW, PH);
    if (TGraphic* Graphic = FPicture->Graphic()) {
        if (!Graphic->IsMetafileOrIcon())
            Graphic->SetTransparent(FTransparent);
        const bool Uncovered = !FStretch && (PW < Width() || PH < Height());
        if (Graphic->Transparent() || Uncovered)
            FControlStyle.Exclude(csOpaque);
        else
            FControlStyle.Include(csOpaque);
        if (NotifyPaletteChange() && FDrawing)
            Update();
    } else {
        FControlStyle.Exclude(csOpaque);
    }
    if (!FDrawing)
        Invalidate();
}

bool TBoardImage::NotifyPaletteChange()
{
    TGraphic* Graphic = FPicture->Graphic();
    if (!Visible() || ComponentState().Contains(csLoading) || !Graphic || !Graphic->PaletteModified())
        return false;
    if (Graphic->Palette() == 0) {
        Graphic->SetPaletteModified(false);
        return false;
    }
    TCustomForm* Form = ParentForm();
    if (Form && Form->Active() && Form->HandleAllocated()) {
        if (FDrawing)
            SendMessage(Form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
        else
            PostMessage(Form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
        Graphic->SetPaletteModified(false);
        return true;
    }
    return false;
}

HPALETTE TBoardImage::GetPalette() const
{
    TGraphic* Graphic = FPicture->Graphic();
    return Graphic ? Graphic->Palette() : 0;
}

bool TBoardImage::CanAutoSize(int& NewWidth, int& NewHeight) const
{
    const int PW = FPicture->Width(), PH = FPicture->Height();
    if (ComponentState().Contains(csDesigning) && (PW <= 0 || PH <= 0))
        return true;
    if (Align() == alNone || Align() == alLeft || Align() == alRight)
        NewWidth = PW;
    if (Align() == alNone || Align() == alTop || Align() == alBottom)
        NewHeight = PH;
    return true;
}

void TBoardImage::Paint()
{
    if (!FDesignPosRecorded) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FDesignPosRecorded = true;
    }
    const bool Designing = ComponentState().Contains(csDesigning);
    if (FCenterOnForm && !Designing && Parent())
        SetBounds((Parent()->Width() - Width()) / 2, (Parent()->Height() - Height()) / 2, Width(), Height());
    TCanvas& C = Canvas();
    if (Designing) {
        if (FScale)
            SetHeight(RoundHalfEven(Width() * FAspectRatio));
        C.Pen = {clBlack, 1, psDash};
        C.Brush.Style = bsClearBrush;
        C.Rectangle(0, 0, Width(), Height());
    }
    const bool WasDrawing = FDrawing;
    FDrawing = true;
    try {
        if (TGraphic* Graphic = FPicture->Graphic())
            C.StretchDraw(PictureRect(), *Graphic);
    } catch (...) {
        FDrawing = WasDrawing;
        throw;
    }
    FDrawing = WasDrawing;
}

} // namespace setup
