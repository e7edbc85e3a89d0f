#include "vcl/Control.h"

#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/WinControl.h"

namespace vcl {

const std::array<TMessageHandler<TControl>, 6> TControl::Handlers{{
    {WM_LBUTTONDOWN, &TControl::WMLButtonDown},
    {WM_LBUTTONUP, &TControl::WMLButtonUp},
    {WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk},
    {WM_MOUSEMOVE, &TControl::WMMouseMove},
    {CM_MOUSEENTER, &TControl::CMMouseEnter},
    {CM_MOUSELEAVE, &TControl::CMMouseLeave},
}};

TControl::TControl(TComponent* AOwner) : TComponent(AOwner)
{
    FFont.OnChange = [this] {
        FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    FFont.OnChange = nullptr;
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    if (AParent == this)
        throw EComponentError("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
    ParentFontChanged();
    ParentColorChanged();
    RecordAnchorBase();
}

void TControl::SetParentComponent(TComponent* Value)
{
    if (auto* Window = dynamic_cast<TWinControl*>(Value))
        SetParent(Window);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    if (FParent && !FParent->Windowed(this))
        FParent->InvalidateRect(BoundsRect());
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (!FAnchoring)
        RecordAnchorBase();
    BoundsChanged();
    if (FParent && !FParent->Windowed(this))
        FParent->InvalidateRect(BoundsRect());
}

void TControl::SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }

void TControl::SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }

void TControl::SetClientSize(int AWidth, int AHeight)
{
    SetBounds(FLeft, FTop, FWidth + AWidth - ClientWidth(), FHeight + AHeight - ClientHeight());
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    if (!FParent)
        return P;
    return FParent->ClientToScreen({P.X + FLeft, P.Y + FTop});
}

void TControl::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    VisibleChanged();
    if (FParent) {
        if (FAlign != alNone)
            FParent->Realign();
        if (!FParent->Windowed(this))
            FParent->InvalidateRect(BoundsRect());
    }
}

bool TControl::Showing() const
{
    if (!FVisible)
        return false;
    if (!FParent)
        return dynamic_cast<const TCustomForm*>(this) != nullptr;
    return FParent->Showing();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
    Invalidate();
}

void TControl::SetColor(TColor Value)
{
    if (Value == FColor && !FParentColor)
        return;
    FColor = Value;
    FParentColor = false;
    ColorChanged();
}

void TControl::SetParentColor(bool Value)
{
    if (Value == FParentColor)
        return;
    FParentColor = Value;
    ParentColorChanged();
}

void TControl::SetParentFont(bool Value)
{
    if (Value == FParentFont)
        return;
    FParentFont = Value;
    ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || !FParent)
        return;
    auto Handler = std::move(FFont.OnChange);
    FFont.OnChange = nullptr;
    const bool Differs = !(FFont == FParent->Font());
    FFont.Assign(FParent->Font());
    FFont.OnChange = std::move(Handler);
    if (Differs)
        FontChanged();
}

void TControl::ParentColorChanged()
{
    if (FParentColor && FParent && FColor != FParent->Color()) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetAnchors(TAnchors Value)
{
    if (Value == FAnchors)
        return;
    FAnchors = Value;
    RecordAnchorBase();
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == FAlign)
        return;
    FAlign = Value;
    if (FParent)
        FParent->Realign();
}

void TControl::RecordAnchorBase()
{
    FAnchorBase = BoundsRect();
    if (FParent)
        FAnchorParentSize = {FParent->ClientWidth(), FParent->ClientHeight()};
}

// Anchored edges keep their distance to the parent's edges; a control anchored to
// neither side of an axis keeps its centre in proportion to the parent.
void TControl::AnchorRealign(int ParentClientWidth, int ParentClientHeight)
{
    if (FAlign != alNone || FAnchorParentSize.X <= 0 || FAnchorParentSize.Y <= 0)
        return;
    auto Axis = [](bool Near, bool Far, int BasePos, int BaseSize, int OldParent, int NewParent, int& Pos,
                   int& Size) {
        Size = BaseSize;
        Pos = BasePos;
        if (Near && Far)
            Size = BaseSize + NewParent - OldParent;
        else if (Far)
            Pos = BasePos + NewParent - OldParent;
        else if (!Near)
            Pos = static_cast<int>(static_cast<int64_t>(BasePos + BaseSize / 2) * NewParent / OldParent) -
                  BaseSize / 2;
    };
    int L, W, T, H;
    Axis(FAnchors.Contains(akLeft), FAnchors.Contains(akRight), FAnchorBase.Left, FAnchorBase.Width(),
         FAnchorParentSize.X, ParentClientWidth, L, W);
    Axis(FAnchors.Contains(akTop), FAnchors.Contains(akBottom), FAnchorBase.Top, FAnchorBase.Height(),
         FAnchorParentSize.Y, ParentClientHeight, T, H);
    FAnchoring = true;
    SetBounds(L, T, W, H);
    FAnchoring = false;
}

void TControl::SetText(const std::string& Value)
{
    if (Value == FText)
        return;
    FText = Value;
    TextChanged();
}

void TControl::Invalidate()
{
    if (FParent)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::BringToFront()
{
    if (FParent) {
        FParent->MoveControlToEnd(this);
        return;
    }
    // A window comes to the front of the others.
    if (auto* Window = dynamic_cast<TWinControl*>(this); Window && Window->Widget())
        Window->Widget()->Raise();
}

intptr_t TControl::Perform(uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    TMessage Message{Msg, WParam, LParam, 0};
    WindowProc(Message);
    return Message.Result;
}

void TControl::WindowProc(TMessage& Message) { Dispatch(Message); }

void TControl::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TComponent::Dispatch(Message);
}

void TControl::DefaultHandler(TMessage&) {}

TCustomForm* TControl::ParentForm() const
{
    const TControl* C = this;
    while (C->FParent)
        C = C->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(C));
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

// A click is a press and a release both inside; the press of a double click is
// not a click.
void TControl::WMLButtonDown(TMessage& Message)
{
    FClicked = true;
    MouseDown(mbLeft, {ssLeft}, LParamX(Message.LParam), LParamY(Message.LParam));
}

void TControl::WMLButtonDblClk(TMessage& Message)
{
    FClicked = false;
    DblClick();
    MouseDown(mbLeft, {ssLeft, ssDouble}, LParamX(Message.LParam), LParamY(Message.LParam));
}

void TControl::WMLButtonUp(TMessage& Message)
{
    const TPoint P{LParamX(Message.LParam), LParamY(Message.LParam)};
    const bool WasClicked = FClicked;
    FClicked = false;
    if (WasClicked && ClientRect().Contains(P))
        Click();
    MouseUp(mbLeft, {}, P.X, P.Y);
}

void TControl::WMMouseMove(TMessage& Message)
{
    MouseMove({}, LParamX(Message.LParam), LParamY(Message.LParam));
}

// Enter and leave travel on to the parent, so a window hears them from its controls.
void TControl::CMMouseEnter(TMessage& Message)
{
    if (FParent)
        FParent->Perform(CM_MOUSEENTER, Message.WParam, Message.LParam ? Message.LParam : intptr_t(this));
}

void TControl::CMMouseLeave(TMessage& Message)
{
    if (FParent)
        FParent->Perform(CM_MOUSELEAVE, Message.WParam, Message.LParam ? Message.LParam : intptr_t(this));
}

} // namespace vcl
