#include "vcl/qt/QtWidget.h"

#include "vcl/WinControl.h"
#include "vcl/qt/QtConvert.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vcl::qt {

TQtWidget::TQtWidget(TWinControl& Control, QWidget* Widget, TEventTranslator::TRole Role)
    : FWidget(Widget), FTranslator(new TEventTranslator(&Control, Widget, Role))
{
    Watch(Widget);
}

TQtWidget::~TQtWidget()
{
    // The control is going: no event of the dying widget may reach it.
    if (FWidget) {
        FTranslator->Detach();
        if (auto* Surface = dynamic_cast<TSurfaceWidget*>(FWidget.data()))
            Surface->Detach();
        delete FWidget.data();
    }
}

void TQtWidget::Watch(QWidget* Source) { Source->installEventFilter(FTranslator); }

QWidget* TQtWidget::ParentAreaOf(const TWinControl& Control)
{
    const TWinControl* Parent = Control.Parent();
    if (!Parent || !Parent->Widget())
        return nullptr;
    return dynamic_cast<TQtWidget*>(Parent->Widget())->ClientArea();
}

void TQtWidget::SetBounds(const TRect& Bounds)
{
    if (!FWidget)
        return;
    if (!TSurfaceWidget::AnyPainting()) {
        ApplyGeometry(Bounds);
        return;
    }
    // A control that moves itself while painting moves once the paint is over.
    FPendingBounds = Bounds;
    if (FBoundsPending)
        return;
    FBoundsPending = true;
    QTimer::singleShot(0, FWidget, [this] {
        FBoundsPending = false;
        ApplyGeometry(FPendingBounds);
    });
}

void TQtWidget::ApplyGeometry(const TRect& Bounds)
{
    FWidget->setGeometry(Bounds.Left, Bounds.Top, std::max(0, Bounds.Width()), std::max(0, Bounds.Height()));
}

void TQtWidget::SetVisible(bool Value)
{
    if (FWidget)
        FWidget->setVisible(Value);
}

void TQtWidget::Invalidate()
{
    if (FWidget)
        ClientArea()->update();
}

void TQtWidget::Update()
{
    if (FWidget && FWidget->isVisible())
        ClientArea()->repaint();
}

void TQtWidget::Raise()
{
    if (FWidget)
        FWidget->raise();
}

TPoint TQtWidget::MapToScreen(TPoint ClientPoint) const
{
    if (!FWidget)
        return ClientPoint;
    const QPoint P = ClientArea()->mapToGlobal(QPoint(ClientPoint.X, ClientPoint.Y));
    return {P.x(), P.y()};
}

void TQtWidget::SetEnabled(bool Value)
{
    if (FWidget)
        FWidget->setEnabled(Value);
}

void TQtWidget::SetFont(const TFont& Font)
{
    if (!FWidget)
        return;
    FWidget->setFont(ToQFont(Font));
    QPalette Palette = FWidget->palette();
    Palette.setColor(QPalette::WindowText, ToQColor(Font.Color()));
    Palette.setColor(QPalette::Text, ToQColor(Font.Color()));
    Palette.setColor(QPalette::ButtonText, ToQColor(Font.Color()));
    FWidget->setPalette(Palette);
}

void TQtWidget::SetFocus()
{
    if (FWidget)
        FWidget->setFocus(Qt::OtherFocusReason);
}

bool TQtWidget::Focused() const { return FWidget && FWidget->hasFocus(); }

void TQtWidget::SetTabOrder(const std::vector<IWidget*>& Chain)
{
    for (size_t I = 1; I < Chain.size(); ++I) {
        QWidget* First = dynamic_cast<TQtWidget*>(Chain[I - 1])->Widget();
        QWidget* Second = dynamic_cast<TQtWidget*>(Chain[I])->Widget();
        if (First && Second && First->window() == Second->window())
            QWidget::setTabOrder(First, Second);
    }
}

TSurfaceWidget::TSurfaceWidget(TWinControl& Control, QWidget* Parent) : QWidget(Parent), FControl(&Control)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void TSurfaceWidget::paintEvent(QPaintEvent*)
{
    if (!FControl || FPainting)
        return;
    FPainting = true;
    ++PaintDepth;
    Guarded([this] {
        const TBitmap& Surface = FControl->PaintWindow();
        if (Surface.Width() == 0 || Surface.Height() == 0)
            return;
        const QImage Image(Surface.Bits(), Surface.Width(), Surface.Height(), Surface.BytesPerLine(),
                           QImage::Format_RGB32);
        QPainter Painter(this);
        Painter.drawImage(0, 0, Image);
    });
    --PaintDepth;
    FPainting = false;
}

void TSurfaceWidget::mouseMoveEvent(QMouseEvent* Event) { Event->accept(); }

void TSurfaceWidget::mousePressEvent(QMouseEvent* Event) { Event->accept(); }

void TSurfaceWidget::mouseReleaseEvent(QMouseEvent* Event) { Event->accept(); }

void TSurfaceWidget::mouseDoubleClickEvent(QMouseEvent* Event) { Event->accept(); }

} // namespace vcl::qt
