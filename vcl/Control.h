#pragma once

#include "vcl/Color.h"
#include "vcl/Component.h"
#include "vcl/Font.h"
#include "vcl/Messages.h"
#include "vcl/Types.h"

#include <array>
#include <string>

namespace vcl {

class TWinControl;
class TCustomForm;

enum TControlStyleKind { csOpaque, csReplicatable, csAcceptsControls };
using TControlStyle = TSet<TControlStyleKind>;

struct TSizeConstraints
{
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

// Anything with a place in a parent window: bounds, visibility, colour, font,
// anchors, caption, mouse events and message dispatch.
class TControl : public TComponent
{
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    void SetParentComponent(TComponent* Value) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    virtual void SetClientSize(int AWidth, int AHeight);
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    virtual TPoint ClientToScreen(TPoint P) const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible here and in every parent up to a shown window.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TSizeConstraints& Constraints() { return FConstraints; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t Value) { FTag = Value; }
    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return FText; }
    virtual void SetText(const std::string& Value);

    virtual void Invalidate();
    virtual void Repaint();
    virtual void Update();
    void BringToFront();

    intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);
    virtual void WindowProc(TMessage& Message);
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    // The parent's anchors realign against a new client size.
    void AnchorRealign(int ParentClientWidth, int ParentClientHeight);
    void RecordAnchorBase();

    TCustomForm* ParentForm() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();
    virtual void DblClick();

protected:
    friend class TWinControl;
    virtual void Changed() {}
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    void ParentFontChanged();
    void ParentColorChanged();

    void WMLButtonDown(TMessage& Message);
    void WMLButtonUp(TMessage& Message);
    void WMLButtonDblClk(TMessage& Message);
    void WMMouseMove(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TWinControl* FParent = nullptr;
    TControlStyle FControlStyle;

private:
    static const std::array<TMessageHandler<TControl>, 6> Handlers;

    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TFont FFont;
    bool FParentFont = true;
    TAnchors FAnchors{akLeft, akTop};
    TAlign FAlign = alNone;
    TSizeConstraints FConstraints;
    intptr_t FTag = 0;
    std::string FText;
    bool FClicked = false;
    bool FAnchoring = false;
    TRect FAnchorBase;
    TPoint FAnchorParentSize;
};

} // namespace vcl
