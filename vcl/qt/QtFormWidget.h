#pragma once

#include "vcl/qt/QtWidget.h"

#include <functional>

class QMenuBar;

namespace vcl {
class TCustomForm;
}

namespace vcl::qt {

// A form's frame window: the menu bar on top, the painted client area below it.
class TFormWindow : public QWidget
{
public:
    TFormWindow(TCustomForm& Form);
    QMenuBar* MenuBar() const { return FMenuBar; }
    TSurfaceWidget* Client() const { return FClient; }
    int MenuBarHeight() const;
    std::function<void()> OnShown;
    // After the client area has been laid out anew.
    std::function<void()> OnGeometryChanged;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void moveEvent(QMoveEvent* Event) override;
    void showEvent(QShowEvent* Event) override;

private:
    QMenuBar* FMenuBar;
    TSurfaceWidget* FClient;
};

class TQtFormWidget : public TQtWidget, public IFormWidget
{
public:
    explicit TQtFormWidget(TCustomForm& Form);
    ~TQtFormWidget() override;

    QWidget* ClientArea() const override;

    void SetBounds(const TRect& Bounds) override;
    void SetText(const std::string& Text) override;
    void SetColor(TColor) override {}
    void SetVisible(bool Value) override;

    void SetBorderStyle(TFormBorderStyle Style) override;
    void SetStayOnTop(bool Value) override;
    void SetMinimumSize(int OuterWidth, int OuterHeight) override;
    void ShowWindow(TWindowState State) override;
    void Activate() override;
    bool IsActive() const override;
    TRect FrameExtents() const override;
    int MenuBarHeight() const override;
    void MenuChanged() override;
    TPoint ClientSize() const override;

private:
    // The window manager framed the window: keep its outer position and client size.
    void SettleFrame();
    void ApplyFlags();
    void RebuildMenuBar();
    TFormWindow* Window() const;

    TCustomForm& FForm;
    TEventTranslator* FInputTranslator;
    TRect FRequestedBounds;
    TRect FAssumedFrame;
    TFormBorderStyle FBorderStyle = bsSizeable;
    bool FStayOnTop = false;
    bool FRebuildQueued = false;
    bool FInMenuCommand = false;
};

} // namespace vcl::qt
