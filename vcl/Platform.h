#pragma once

#include "vcl/Color.h"
#include "vcl/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TBitmap;
class TFont;
class TWinControl;
struct TRichTextDocument;

enum class TWidgetKind { Form, Custom, Button, ComboBox, CheckBox, RadioButton, Memo, RichEdit, StatusBar };

struct TStatusPanelInfo
{
    std::string Text;
    int Width = 50;
    TStatusPanelBevel Bevel = pbLowered;
};

// The backend object of one windowed control. Events travel the other way, as
// typed messages to the control's WindowProc.
class IWidget
{
public:
    virtual ~IWidget() = default;

    // Parent client coordinates; for a top-level window the outer frame on screen.
    virtual void SetBounds(const TRect& Bounds) = 0;
    virtual void SetVisible(bool Value) = 0;
    virtual bool IsShown() const = 0;
    virtual void SetText(const std::string& Text) = 0;
    virtual void Invalidate() = 0;
    virtual void Update() = 0;
    virtual void Raise() = 0;
    virtual TPoint MapToScreen(TPoint ClientPoint) const = 0;
    virtual void CaptureMouse(bool Capture) = 0;

    virtual void SetEnabled(bool Value) = 0;
    virtual void SetFont(const TFont& Font) = 0;
    virtual void SetColor(TColor Color) = 0;
    virtual void SetFocus() = 0;
    virtual bool Focused() const = 0;
    virtual void SetTabOrder(const std::vector<IWidget*>& Siblings) = 0;

    // Kind-specific verbs; the other kinds ignore them.
    virtual void SetItems(const std::vector<std::string>&) {}
    virtual void SetItemIndex(int) {}
    virtual void SetChecked(bool) {}
    virtual void SetReadOnly(bool) {}
    virtual void SetScrollBars(TScrollStyle) {}
    virtual void SetWordWrap(bool) {}
    virtual void SetLines(const std::vector<std::string>&) {}
    virtual void SetRichText(const TRichTextDocument&) {}
    virtual void SetStatusPanels(const std::vector<TStatusPanelInfo>&) {}
    virtual void SetDefaultButton(bool) {}
    // What the user left in an editable control.
    virtual std::string CurrentText() const { return {}; }
    virtual int CurrentItemIndex() const { return -1; }
};

// What a top-level window adds.
class IFormWidget : public virtual IWidget
{
public:
    virtual void SetBorderStyle(TFormBorderStyle Style) = 0;
    virtual void SetStayOnTop(bool Value) = 0;
    virtual void SetMinimumSize(int OuterWidth, int OuterHeight) = 0;
    virtual void ShowWindow(TWindowState State) = 0;
    virtual void Activate() = 0;
    virtual bool IsActive() const = 0;
    // Widths of the frame on each side; Top includes the caption.
    virtual TRect FrameExtents() const = 0;
    virtual int MenuBarHeight() const = 0;
    // The client area as the window system has it now.
    virtual TPoint ClientSize() const = 0;
    // The menu tree changed: rebuild the menu bar from the form's Menu.
    virtual void MenuChanged() = 0;
};

class IPlatform
{
public:
    virtual ~IPlatform() = default;

    virtual std::unique_ptr<IWidget> CreateWidget(TWinControl& Control, TWidgetKind Kind) = 0;

    virtual void Post(std::function<void()> Work) = 0;
    virtual void Run() = 0;
    virtual void Quit() = 0;
    virtual void ProcessMessages() = 0;

    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual TPoint CursorPos() const = 0;
    virtual TColor SystemColorRGB(int Index) const = 0;

    virtual TPoint TextExtent(const TFont& Font, const std::string& Text) const = 0;
    virtual void DrawText(TBitmap& Target, const TRect& Clip, int X, int Y, const std::string& Text,
                          const TFont& Font) = 0;

    // Answers 0 when no timer can be had.
    virtual int StartTimer(int Milliseconds, std::function<void()> Tick) = 0;
    virtual void StopTimer(int TimerId) = 0;

    virtual int ShowMessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) = 0;
    // The whole primary screen as it is shown now; False when it cannot be read.
    virtual bool GrabScreen(TBitmap& Target) = 0;
    virtual bool SaveScreenshot(const std::string& Path) = 0;
};

IPlatform* Platform();
void SetPlatform(IPlatform* Value);

} // namespace vcl
