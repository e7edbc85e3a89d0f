#pragma once

#include "vcl/WinControl.h"

namespace vcl {

class TMainMenu;

// A top-level window. Width and Height are its outer size, frame, caption and
// menu bar included; the client area starts below the menu bar.
class TCustomForm : public TWinControl
{
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    std::string ClassName() const override { return "TCustomForm"; }
    TWidgetKind WidgetKind() const override { return TWidgetKind::Form; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientToScreen(TPoint P) const override;

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    void MenuChanged();
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value) { FAutoScroll = Value; }
    // Applies Constraints' minimum size to the window.
    void ConstraintsChanged();

    void Close();
    // A window taking the focus becomes the active window.
    void SetFocus() override;
    bool Active() const;
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control) { SetFocusedControl(Control); }
    // Focus moved to Control: controls it lies in that the old one did not get their enter event.
    void SetFocusedControl(TWinControl* Control);
    void ControlDestroying(TWinControl* Control);
    void UpdateTabChain();

    // The text height the layout was made with; loading scales every position
    // and size by the actual text height over it.
    int DesignTextHeight() const { return FDesignTextHeight; }
    void SetDesignTextHeight(int Value) { FDesignTextHeight = Value; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void ScaleBy(int M, int D);

    // Makes the client area the bounding box of the visible controls, moved to its top left.
    void FitToControls();

    // Called by the backend when the window system (de)activates the window.
    void ActivationChanged(bool Activated);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

    void Dispatch(TMessage& Message) override;

protected:
    void VisibleChanged() override;
    void Resize() override;
    void Loaded() override;
    void InitializeWidget(IWidget& Widget) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoClose(TCloseAction& Action);
    IFormWidget* FormWidget() const;

    void WMActivate(TMessage& Message);
    void WMClose(TMessage& Message);
    void CMDialogKey(TMessage& Message);

private:
    static const std::array<TMessageHandler<TCustomForm>, 3> Handlers;
    void PlaceForShow();
    TRect FrameExtents() const;
    int MenuBarHeight() const;

    TMainMenu* FMenu = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FAutoScroll = true;
    bool FShownOnce = false;
    int FDesignTextHeight = 0;
    int FPixelsPerInch = 96;
    TWinControl* FActiveControl = nullptr;
};

class TForm : public TCustomForm
{
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
    std::string ClassName() const override { return "TForm"; }
};

} // namespace vcl
