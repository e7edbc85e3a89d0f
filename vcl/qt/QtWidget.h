#pragma once

#include "vcl/Platform.h"
#include "vcl/qt/QtEventTranslator.h"

#include <QPointer>
#include <QWidget>

namespace vcl::qt {

// The backend object of a windowed control: owns its QWidget and the translator
// that turns the widget's events into messages to the control.
class TQtWidget : public virtual IWidget
{
public:
    TQtWidget(TWinControl& Control, QWidget* Widget, TEventTranslator::TRole Role = TEventTranslator::Input);
    ~TQtWidget() override;

    QWidget* Widget() const { return FWidget; }
    // Where child controls' widgets go.
    virtual QWidget* ClientArea() const { return FWidget; }
    TEventTranslator* Translator() const { return FTranslator; }

    void SetBounds(const TRect& Bounds) override;
    void SetVisible(bool Value) override;
    bool IsShown() const override { return FWidget && FWidget->isVisible(); }
    void SetText(const std::string&) override {}
    void Invalidate() override;
    void Update() override;
    void Raise() override;
    TPoint MapToScreen(TPoint ClientPoint) const override;
    void CaptureMouse(bool) override {}
    void SetEnabled(bool Value) override;
    void SetFont(const TFont& Font) override;
    void SetColor(TColor) override {}
    void SetFocus() override;
    bool Focused() const override;
    void SetTabOrder(const std::vector<IWidget*>& Chain) override;

    // The QWidget that children of Control are created in.
    static QWidget* ParentAreaOf(const TWinControl& Control);

protected:
    void Watch(QWidget* Source);
    void ApplyGeometry(const TRect& Bounds);
    QPointer<QWidget> FWidget;
    TRect FPendingBounds;
    bool FBoundsPending = false;
    TEventTranslator* FTranslator;
};

// A control that paints itself: shows the control's off-screen image.
class TSurfaceWidget : public QWidget
{
public:
    TSurfaceWidget(TWinControl& Control, QWidget* Parent);
    void Detach() { FControl = nullptr; }
    // Moving a widget while any widget paints would show stale pixels.
    static bool AnyPainting() { return PaintDepth > 0; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    // Mouse input ends here; a parent window must not see it again at other coordinates.
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    TWinControl* FControl;
    bool FPainting = false;
    static inline int PaintDepth = 0;
};

std::unique_ptr<IWidget> CreateControlWidget(TWinControl& Control, TWidgetKind Kind);

} // namespace vcl::qt
