#include "vcl/WinControl.h"

#include "vcl/Form.h"
#include "vcl/GraphicControl.h"

#include <algorithm>

namespace vcl {

const std::array<TMessageHandler<TWinControl>, 7> TWinControl::Handlers{{
    {WM_MOUSEMOVE, &TWinControl::WMMouseMove},
    {WM_LBUTTONDOWN, &TWinControl::WMMouseButton},
    {WM_LBUTTONUP, &TWinControl::WMMouseButton},
    {WM_LBUTTONDBLCLK, &TWinControl::WMMouseButton},
    {CM_MOUSEENTER, &TWinControl::CMMouseEnter},
    {CM_MOUSELEAVE, &TWinControl::CMMouseLeave},
    {WM_SETFOCUS, &TWinControl::WMSetFocus},
}};

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    // A window destroys its child controls with it, whoever owns them.
    while (!FControls.empty())
        delete FControls.back();
    if (TCustomForm* Form = ParentForm(); Form && Form != this)
        Form->ControlDestroying(this);
    DestroyHandle();
    if (FHandle)
        DeallocateHWnd(FHandle);
}

HWND TWinControl::Handle()
{
    if (!FHandle)
        FHandle = AllocateHWnd([this](TMessage& Message) { WindowProc(Message); });
    return FHandle;
}

bool TWinControl::Windowed(const TControl* Control) const
{
    return dynamic_cast<const TWinControl*>(Control);
}

void TWinControl::InsertControl(TControl* Control)
{
    FControls.push_back(Control);
    Control->FParent = this;
    if (auto* Child = dynamic_cast<TWinControl*>(Control)) {
        if (Child->FTabOrder < 0)
            Child->FTabOrder = static_cast<int>(TabList().size()) - 1;
        if (HandleAllocated())
            Child->HandleNeeded();
        UpdateTabOrder();
    }
    if (Control->Align() != alNone)
        Realign();
    InvalidateRect(Control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* Control)
{
    auto It = std::find(FControls.begin(), FControls.end(), Control);
    if (It == FControls.end())
        return;
    if (FMouseControl == Control)
        FMouseControl = nullptr;
    if (FCaptureControl == Control)
        FCaptureControl = nullptr;
    FControls.erase(It);
    Control->FParent = nullptr;
    if (auto* Child = dynamic_cast<TWinControl*>(Control)) {
        if (TCustomForm* Form = ParentForm())
            Form->ControlDestroying(Child);
        Child->DestroyHandle();
    }
    InvalidateRect(Control->BoundsRect());
}

void TWinControl::MoveControlToEnd(TControl* Control)
{
    auto It = std::find(FControls.begin(), FControls.end(), Control);
    if (It == FControls.end())
        return;
    FControls.erase(It);
    FControls.push_back(Control);
    if (auto* Child = dynamic_cast<TWinControl*>(Control); Child && Child->FWidget)
        Child->FWidget->Raise();
    InvalidateRect(Control->BoundsRect());
}

void TWinControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    DestroyHandle();
    TControl::SetParent(AParent);
    if (AParent && AParent->HandleAllocated())
        HandleNeeded();
}

void TWinControl::HandleNeeded()
{
    if (FWidget || !Platform())
        return;
    if (FParent) {
        FParent->HandleNeeded();
        if (!FParent->HandleAllocated() || FWidget)
            return;
    } else if (!dynamic_cast<TCustomForm*>(this)) {
        return;
    }
    CreateHandle();
}

void TWinControl::CreateHandle()
{
    FWidget = Platform()->CreateWidget(*this, WidgetKind());
    InitializeWidget(*FWidget);
    for (TControl* Control : std::vector<TControl*>(FControls))
        if (auto* Child = dynamic_cast<TWinControl*>(Control))
            Child->HandleNeeded();
    UpdateTabOrder();
}

void TWinControl::DestroyHandle()
{
    for (TControl* Control : FControls)
        if (auto* Child = dynamic_cast<TWinControl*>(Control))
            Child->DestroyHandle();
    FWidget.reset();
}

void TWinControl::InitializeWidget(IWidget& Widget)
{
    Widget.SetBounds(BoundsRect());
    Widget.SetText(Text());
    Widget.SetFont(Font());
    Widget.SetColor(Color());
    Widget.SetEnabled(Enabled());
    Widget.SetVisible(Visible());
}

void TWinControl::Invalidate()
{
    if (FWidget)
        FWidget->Invalidate();
}

void TWinControl::InvalidateRect(const TRect&) { Invalidate(); }

void TWinControl::Update()
{
    if (FWidget)
        FWidget->Update();
}

void TWinControl::Realign()
{
    if (FAligning)
        return;
    FAligning = true;
    AlignControls();
    for (TControl* Control : std::vector<TControl*>(FControls))
        Control->AnchorRealign(ClientWidth(), ClientHeight());
    FAligning = false;
}

void TWinControl::AlignControls()
{
    TRect Free = ClientRect();
    for (TControl* Control : std::vector<TControl*>(FControls)) {
        if (!Control->Visible())
            continue;
        switch (Control->Align()) {
        case alTop:
            Control->SetBounds(Free.Left, Free.Top, Free.Width(), Control->Height());
            Free.Top += Control->Height();
            break;
        case alBottom:
            Control->SetBounds(Free.Left, Free.Bottom - Control->Height(), Free.Width(), Control->Height());
            Free.Bottom -= Control->Height();
            break;
        case alLeft:
            Control->SetBounds(Free.Left, Free.Top, Control->Width(), Free.Height());
            Free.Left += Control->Width();
            break;
        case alRight:
            Control->SetBounds(Free.Right - Control->Width(), Free.Top, Control->Width(), Free.Height());
            Free.Right -= Control->Width();
            break;
        case alClient:
            Control->SetBounds(Free.Left, Free.Top, Free.Width(), Free.Height());
            break;
        case alNone:
            break;
        }
    }
}

TPoint TWinControl::ClientToScreen(TPoint P) const
{
    if (FWidget)
        return FWidget->MapToScreen(P);
    return TControl::ClientToScreen(P);
}

const TBitmap& TWinControl::PaintWindow()
{
    FSurface.SetSize(ClientWidth(), ClientHeight());
    FSurfaceCanvas.SetTarget(&FSurface, {0, 0}, {});
    if (!FControlStyle.Contains(csOpaque)) {
        FSurfaceCanvas.Brush = {Color(), bsSolidBrush};
        FSurfaceCanvas.FillRect(ClientRect());
    }
    Paint();
    for (TControl* Control : std::vector<TControl*>(FControls))
        if (auto* Graphic = dynamic_cast<TGraphicControl*>(Control); Graphic && Graphic->Visible())
            Graphic->PaintOn(FSurface);
    return FSurface;
}

void TWinControl::SetTabOrder(int Value)
{
    FTabOrder = Value;
    if (FParent)
        FParent->UpdateTabOrder();
}

std::vector<TWinControl*> TWinControl::TabList() const
{
    std::vector<TWinControl*> List;
    for (TControl* Control : FControls)
        if (auto* Child = dynamic_cast<TWinControl*>(Control))
            List.push_back(Child);
    std::stable_sort(List.begin(), List.end(),
                     [](TWinControl* A, TWinControl* B) { return A->FTabOrder < B->FTabOrder; });
    return List;
}

void TWinControl::UpdateTabOrder()
{
    if (TCustomForm* Form = ParentForm())
        Form->UpdateTabChain();
}

bool TWinControl::CanFocus() const { return Showing() && Enabled(); }

void TWinControl::SetFocus()
{
    TCustomForm* Form = ParentForm();
    if (!Form)
        return;
    HandleNeeded();
    Form->SetFocusedControl(this);
    if (FWidget)
        FWidget->SetFocus();
}

bool TWinControl::Focused() const
{
    TCustomForm* Form = ParentForm();
    return Form && Form->ActiveControl() == this;
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::WindowProc(TMessage& Message) { TControl::WindowProc(Message); }

void TWinControl::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TControl::Dispatch(Message);
}

void TWinControl::BoundsChanged()
{
    if (FWidget)
        FWidget->SetBounds(BoundsRect());
    Realign();
    Resize();
}

void TWinControl::VisibleChanged()
{
    if (Visible())
        HandleNeeded();
    if (FWidget)
        FWidget->SetVisible(Visible());
}

void TWinControl::FontChanged()
{
    if (FWidget)
        FWidget->SetFont(Font());
    for (TControl* Control : std::vector<TControl*>(FControls))
        Control->ParentFontChanged();
    Invalidate();
}

void TWinControl::ColorChanged()
{
    if (FWidget)
        FWidget->SetColor(Color());
    for (TControl* Control : std::vector<TControl*>(FControls))
        Control->ParentColorChanged();
    Invalidate();
}

void TWinControl::TextChanged()
{
    if (FWidget)
        FWidget->SetText(Text());
    Invalidate();
}

void TWinControl::Changed()
{
    if (FWidget)
        FWidget->SetEnabled(Enabled());
}

TControl* TWinControl::GraphicControlAt(TPoint P) const
{
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
        TControl* Control = *It;
        if (!Windowed(Control) && Control->Visible() && Control->BoundsRect().Contains(P))
            return Control;
    }
    return nullptr;
}

void TWinControl::ForwardMouse(TControl* Target, TMessage& Message)
{
    const TPoint P{LParamX(Message.LParam), LParamY(Message.LParam)};
    Message.Result =
        Target->Perform(Message.Msg, Message.WParam, MakeLParam(P.X - Target->Left(), P.Y - Target->Top()));
}

void TWinControl::SetMouseControl(TControl* Control)
{
    if (Control == FMouseControl)
        return;
    TControl* Old = FMouseControl;
    FMouseControl = Control;
    if (Old)
        Old->Perform(CM_MOUSELEAVE, 0, 0);
    if (Control && Control == FMouseControl)
        Control->Perform(CM_MOUSEENTER, 0, 0);
}

void TWinControl::WMMouseMove(TMessage& Message)
{
    const TPoint P{LParamX(Message.LParam), LParamY(Message.LParam)};
    TControl* Hovered = GraphicControlAt(P);
    SetMouseControl(Hovered);
    if (TControl* Target = FCaptureControl ? FCaptureControl : FMouseControl)
        ForwardMouse(Target, Message);
    else
        TControl::Dispatch(Message);
}

void TWinControl::WMMouseButton(TMessage& Message)
{
    const TPoint P{LParamX(Message.LParam), LParamY(Message.LParam)};
    if (Message.Msg == WM_LBUTTONUP) {
        if (TControl* Captured = FCaptureControl) {
            FCaptureControl = nullptr;
            if (FWidget)
                FWidget->CaptureMouse(false);
            ForwardMouse(Captured, Message);
            return;
        }
        TControl::Dispatch(Message);
        return;
    }
    TControl* Target = GraphicControlAt(P);
    if (Target && Target->Enabled()) {
        FCaptureControl = Target;
        if (FWidget)
            FWidget->CaptureMouse(true);
        ForwardMouse(Target, Message);
        return;
    }
    if (!Target)
        TControl::Dispatch(Message);
}

void TWinControl::CMMouseEnter(TMessage& Message) { TControl::Dispatch(Message); }

void TWinControl::CMMouseLeave(TMessage& Message)
{
    if (Message.LParam == 0)
        SetMouseControl(nullptr);
    TControl::Dispatch(Message);
}

void TWinControl::WMSetFocus(TMessage&)
{
    if (TCustomForm* Form = ParentForm())
        Form->SetFocusedControl(this);
}

// The window system moved or resized the window: take its bounds without echoing them back.
void TWinControl::UpdateBoundsFromWidget(const TRect& Bounds)
{
    FLeft = Bounds.Left;
    FTop = Bounds.Top;
    FWidth = Bounds.Width();
    FHeight = Bounds.Height();
    Realign();
    Resize();
    Invalidate();
}

} // namespace vcl
