#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/Control.h"
#include "vcl/Platform.h"
#include "vcl/Windows.h"

#include <memory>
#include <vector>

namespace vcl {

class TGraphicControl;

// A control with a window of its own (a backend widget). It paints into an
// off-screen image of its client area, then its windowless children paint into
// the same image in child order; it routes their mouse input.
class TWinControl : public TControl
{
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    std::string ClassName() const override { return "TWinControl"; }

    const std::vector<TControl*>& Controls() const { return FControls; }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    bool Windowed(const TControl* Control) const;
    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    void MoveControlToEnd(TControl* Control);

    void SetParent(TWinControl* AParent) override;

    // Backend widget, made on first need once the parent has one.
    bool HandleAllocated() const { return FWidget != nullptr; }
    void HandleNeeded();
    IWidget* Widget() const { return FWidget.get(); }
    // The window handle that messages are sent and posted to.
    HWND Handle();
    virtual TWidgetKind WidgetKind() const { return TWidgetKind::Custom; }

    void Invalidate() override;
    void InvalidateRect(const TRect& Rect);
    void Update() override;
    void Realign();
    TPoint ClientToScreen(TPoint P) const override;

    // Called by the backend: the client area's image, freshly painted.
    const TBitmap& PaintWindow();
    // Called by the backend when the window system moved or resized the widget.
    void UpdateBoundsFromWidget(const TRect& Bounds);

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    // Windowed children in tab order.
    std::vector<TWinControl*> TabList() const;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    void DoEnter();
    void DoExit();

    void WindowProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

protected:
    virtual void CreateHandle();
    void DestroyHandle();
    // Pushes the control's state to a fresh widget.
    virtual void InitializeWidget(IWidget& Widget);
    virtual void Paint() {}
    virtual void AlignControls();
    virtual void Resize() {}
    TCanvas& SurfaceCanvas() { return FSurfaceCanvas; }

    void BoundsChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;
    void Changed() override;

    void WMMouseMove(TMessage& Message);
    void WMMouseButton(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void WMSetFocus(TMessage& Message);

    std::unique_ptr<IWidget> FWidget;

private:
    static const std::array<TMessageHandler<TWinControl>, 7> Handlers;
    TControl* GraphicControlAt(TPoint P) const;
    void ForwardMouse(TControl* Target, TMessage& Message);
    void SetMouseControl(TControl* Control);
    void UpdateTabOrder();

    std::vector<TControl*> FControls;
    TBitmap FSurface;
    TCanvas FSurfaceCanvas;
    TControl* FMouseControl = nullptr;
    TControl* FCaptureControl = nullptr;
    HWND FHandle = 0;
    int FTabOrder = -1;
    bool FTabStop = false;
    bool FAligning = false;
};

} // namespace vcl
