#include "vcl/Form.h"

#include "vcl/Application.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"

#include <algorithm>
#include <climits>

namespace vcl {

const std::array<TMessageHandler<TCustomForm>, 3> TCustomForm::Handlers{{
    {WM_ACTIVATE, &TCustomForm::WMActivate},
    {WM_CLOSE, &TCustomForm::WMClose},
    {CM_DIALOGKEY, &TCustomForm::CMDialogKey},
}};

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    TControl::SetVisible(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    // Menu items freed later in this destruction must not report to a form that is gone.
    if (FMenu && FMenu->Form() == this)
        FMenu->SetForm(nullptr);
    Screen->RemoveForm(this);
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
}

IFormWidget* TCustomForm::FormWidget() const { return dynamic_cast<IFormWidget*>(FWidget.get()); }

TRect TCustomForm::FrameExtents() const { return FWidget ? FormWidget()->FrameExtents() : TRect{}; }

int TCustomForm::MenuBarHeight() const { return FWidget && FMenu ? FormWidget()->MenuBarHeight() : 0; }

int TCustomForm::ClientWidth() const
{
    if (FWidget && FWidget->IsShown())
        return FormWidget()->ClientSize().X;
    const TRect Frame = FrameExtents();
    return std::max(0, Width() - Frame.Left - Frame.Right);
}

int TCustomForm::ClientHeight() const
{
    if (FWidget && FWidget->IsShown())
        return FormWidget()->ClientSize().Y;
    const TRect Frame = FrameExtents();
    return std::max(0, Height() - Frame.Top - Frame.Bottom - MenuBarHeight());
}

TPoint TCustomForm::ClientToScreen(TPoint P) const
{
    if (FWidget)
        return FWidget->MapToScreen(P);
    return {P.X + Left(), P.Y + Top()};
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
    if (Value == FMenu)
        return;
    if (FMenu)
        FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (FMenu) {
        FMenu->FreeNotification(this);
        FMenu->SetForm(this);
    }
    MenuChanged();
}

void TCustomForm::MenuChanged()
{
    if (FWidget) {
        FormWidget()->MenuChanged();
        Realign();
    }
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMenu) {
        FMenu = nullptr;
        MenuChanged();
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    if (FWidget)
        FormWidget()->SetBorderStyle(Value);
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (Value == FFormStyle)
        return;
    FFormStyle = Value;
    if (FWidget)
        FormWidget()->SetStayOnTop(Value == fsStayOnTop);
}

void TCustomForm::SetWindowState(TWindowState Value)
{
    if (Value == FWindowState)
        return;
    FWindowState = Value;
    if (FWidget && Visible())
        FormWidget()->ShowWindow(Value);
}

void TCustomForm::ConstraintsChanged()
{
    if (FWidget)
        FormWidget()->SetMinimumSize(Constraints().MinWidth, Constraints().MinHeight);
}

void TCustomForm::InitializeWidget(IWidget& Widget)
{
    auto& Form = dynamic_cast<IFormWidget&>(Widget);
    Form.SetBorderStyle(FBorderStyle);
    Form.SetStayOnTop(FFormStyle == fsStayOnTop);
    Form.MenuChanged();
    Form.SetMinimumSize(Constraints().MinWidth, Constraints().MinHeight);
    Widget.SetBounds(BoundsRect());
    Widget.SetText(Text());
    Widget.SetFont(Font());
    Widget.SetColor(Color());
    Widget.SetEnabled(Enabled());
}

void TCustomForm::PlaceForShow()
{
    const TCustomForm* Main = Application->MainForm();
    switch (FPosition) {
    case poScreenCenter:
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
        break;
    case poMainFormCenter:
        if (Main && Main != this)
            SetBounds(Main->Left() + (Main->Width() - Width()) / 2,
                      Main->Top() + (Main->Height() - Height()) / 2, Width(), Height());
        else
            SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
        break;
    case poDefault:
    case poDefaultPosOnly:
        if (!FShownOnce)
            SetBounds(Screen->Width() / 8 + 24 * (Screen->FormCount() % 8),
                      Screen->Height() / 8 + 24 * (Screen->FormCount() % 8), Width(), Height());
        break;
    default:
        break;
    }
}

void TCustomForm::VisibleChanged()
{
    if (!Visible()) {
        if (FWidget)
            FWidget->SetVisible(false);
        if (OnHide)
            OnHide(this);
        return;
    }
    PlaceForShow();
    FShownOnce = true;
    if (OnShow)
        OnShow(this);
    if (!Visible())
        return;
    HandleNeeded();
    if (FWidget)
        FormWidget()->ShowWindow(FWindowState);
}

void TCustomForm::Close()
{
    TCloseAction Action = Application->MainForm() == this ? caFree : caHide;
    DoClose(Action);
    switch (Action) {
    case caHide:
        Hide();
        break;
    case caFree:
        if (Application->MainForm() == this)
            Application->Terminate();
        else
            Hide();
        break;
    case caMinimize:
    case caNone:
        break;
    }
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose)
        OnClose(this, Action);
}

void TCustomForm::SetFocus()
{
    HandleNeeded();
    if (!FWidget || !Visible())
        return;
    FormWidget()->Activate();
    if (FActiveControl && FActiveControl->Widget())
        FActiveControl->Widget()->SetFocus();
}

bool TCustomForm::Active() const { return FWidget && FormWidget()->IsActive(); }

void TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (Control == FActiveControl)
        return;
    auto Chain = [this](TWinControl* C) {
        std::vector<TWinControl*> List;
        for (; C && C != this; C = C->Parent())
            List.push_back(C);
        return List;
    };
    const std::vector<TWinControl*> OldChain = Chain(FActiveControl);
    const std::vector<TWinControl*> NewChain = Chain(Control);
    FActiveControl = Control;
    for (TWinControl* C : OldChain)
        if (std::find(NewChain.begin(), NewChain.end(), C) == NewChain.end())
            C->DoExit();
    for (auto It = NewChain.rbegin(); It != NewChain.rend(); ++It)
        if (std::find(OldChain.begin(), OldChain.end(), *It) == OldChain.end())
            (*It)->DoEnter();
}

void TCustomForm::ControlDestroying(TWinControl* Control)
{
    for (TWinControl* C = FActiveControl; C; C = C->Parent())
        if (C == Control) {
            FActiveControl = nullptr;
            return;
        }
}

void TCustomForm::UpdateTabChain()
{
    if (!FWidget)
        return;
    std::vector<IWidget*> Chain;
    auto Walk = [&Chain](auto& Self, const TWinControl* Parent) -> void {
        for (TWinControl* Child : Parent->TabList()) {
            if (Child->Widget())
                Chain.push_back(Child->Widget());
            Self(Self, Child);
        }
    };
    Walk(Walk, this);
    FWidget->SetTabOrder(Chain);
}

// Controls that place themselves at paint time (the board image centres itself)
// must paint again when the window's size changes.
void TCustomForm::Resize()
{
    for (TControl* Control : Controls())
        if (Windowed(Control))
            Control->Invalidate();
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    if (FDesignTextHeight <= 0)
        return;
    TCanvas Measure;
    Measure.Font.Assign(Font());
    const int Actual = Measure.TextHeight("0");
    if (Actual > 0 && Actual != FDesignTextHeight)
        ScaleBy(Actual, FDesignTextHeight);
}

void TCustomForm::ScaleBy(int M, int D)
{
    auto Scale = [M, D](int Value) { return static_cast<int>(static_cast<int64_t>(Value) * M / D); };
    auto ScaleChildren = [&](auto& Self, TWinControl* Parent) -> void {
        for (TControl* Control : std::vector<TControl*>(Parent->Controls())) {
            Control->SetBounds(Scale(Control->Left()), Scale(Control->Top()), Scale(Control->Width()),
                               Scale(Control->Height()));
            if (auto* Window = dynamic_cast<TWinControl*>(Control))
                Self(Self, Window);
        }
    };
    SetClientSize(Scale(ClientWidth()), Scale(ClientHeight()));
    ScaleChildren(ScaleChildren, this);
}

void TCustomForm::FitToControls()
{
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;
    for (TControl* Control : Controls()) {
        if (!Control->Visible())
            continue;
        Left = std::min(Left, Control->Left());
        Top = std::min(Top, Control->Top());
        Right = std::max(Right, Control->Left() + Control->Width());
        Bottom = std::max(Bottom, Control->Top() + Control->Height());
    }
    if (Left > Right)
        return;
    for (TControl* Control : std::vector<TControl*>(Controls()))
        if (Control->Visible())
            Control->SetBounds(Control->Left() - Left, Control->Top() - Top, Control->Width(),
                               Control->Height());
    SetClientSize(Right - Left, Bottom - Top);
}

void TCustomForm::ActivationChanged(bool Activated)
{
    if (Activated)
        Screen->SetActiveForm(this);
    else if (Screen->ActiveForm() == this)
        Screen->SetActiveForm(nullptr);
    TNotifyEvent& Event = Activated ? OnActivate : OnDeactivate;
    if (Event)
        Event(this);
}

void TCustomForm::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TWinControl::Dispatch(Message);
}

// The form's own activation keeps the focus where it was.
void TCustomForm::WMActivate(TMessage& Message)
{
    if (Message.WParam != WA_INACTIVE && FActiveControl && FActiveControl->Widget())
        FActiveControl->Widget()->SetFocus();
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CMDialogKey(TMessage& Message)
{
    if (FActiveControl && FActiveControl->Perform(CM_DIALOGKEY, Message.WParam, 1)) {
        Message.Result = 1;
        return;
    }
    auto Broadcast = [&Message](auto& Self, const TWinControl* Parent) -> bool {
        for (TControl* Child : std::vector<TControl*>(Parent->Controls())) {
            if (!Child->Visible() || !Child->Enabled())
                continue;
            if (Child->Perform(CM_DIALOGKEY, Message.WParam, 0))
                return true;
            if (auto* Win = dynamic_cast<TWinControl*>(Child); Win && Self(Self, Win))
                return true;
        }
        return false;
    };
    Message.Result = Broadcast(Broadcast, this) ? 1 : 0;
}

} // namespace vcl
