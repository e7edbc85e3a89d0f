#include "vcl/qt/QtEventTranslator.h"

#include "vcl/Application.h"
#include "vcl/Form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vcl::qt {

void Guarded(const std::function<void()>& Work)
{
    try {
        Work();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}

TEventTranslator::TEventTranslator(TWinControl* Control, QObject* Parent, TRole Role)
    : QObject(Parent), FControl(Control), FRole(Role)
{}

void TEventTranslator::Send(uint32_t Msg, intptr_t WParam, intptr_t LParam)
{
    if (!FControl)
        return;
    Guarded([&] { FControl->Perform(Msg, WParam, LParam); });
}

bool TEventTranslator::eventFilter(QObject*, QEvent* Event)
{
    if (!FControl)
        return false;
    bool Consumed = false;
    Guarded([&] { Consumed = FRole == Input ? TranslateInput(Event) : TranslateWindow(Event); });
    return Consumed;
}

namespace {

intptr_t PositionOf(const QMouseEvent* Event)
{
    const QPoint P = Event->position().toPoint();
    return MakeLParam(P.x(), P.y());
}

} // namespace

bool TEventTranslator::TranslateInput(QEvent* Event)
{
    TWinControl* Control = FControl;
    const bool Painted =
        Control->WidgetKind() == TWidgetKind::Custom || Control->WidgetKind() == TWidgetKind::Form;
    switch (Event->type()) {
    case QEvent::MouseMove:
        if (Painted)
            Control->Perform(WM_MOUSEMOVE, 0, PositionOf(static_cast<QMouseEvent*>(Event)));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* Mouse = static_cast<QMouseEvent*>(Event);
        if (Mouse->button() != Qt::LeftButton || !Painted)
            return false;
        const uint32_t Msg = Event->type() == QEvent::MouseButtonPress     ? WM_LBUTTONDOWN
                             : Event->type() == QEvent::MouseButtonRelease ? WM_LBUTTONUP
                                                                           : WM_LBUTTONDBLCLK;
        Control->Perform(Msg, 0, PositionOf(Mouse));
        return false;
    }
    case QEvent::Enter:
        Control->Perform(CM_MOUSEENTER, 0, 0);
        return false;
    case QEvent::Leave:
        Control->Perform(CM_MOUSELEAVE, 0, 0);
        return false;
    case QEvent::FocusIn:
        Control->Perform(WM_SETFOCUS, 0, 0);
        return false;
    default:
        return false;
    }
}

bool TEventTranslator::TranslateWindow(QEvent* Event)
{
    auto* Form = dynamic_cast<TCustomForm*>(FControl);
    auto* Window = static_cast<QWidget*>(parent());
    if (!Form)
        return false;
    switch (Event->type()) {
    case QEvent::Close:
        Event->ignore();
        Form->Perform(WM_CLOSE, 0, 0);
        return true;
    case QEvent::ActivationChange: {
        const bool Active = Window->isActiveWindow();
        Form->Perform(WM_ACTIVATE, Active ? WA_ACTIVE : WA_INACTIVE, 0);
        if (FControl)
            Form->ActivationChanged(Active);
        return false;
    }
    case QEvent::KeyPress: {
        const int Key = static_cast<QKeyEvent*>(Event)->key();
        const intptr_t Code = Key == Qt::Key_Escape                             ? VK_ESCAPE
                              : (Key == Qt::Key_Return || Key == Qt::Key_Enter) ? VK_RETURN
                                                                                : 0;
        return Code && Form->Perform(CM_DIALOGKEY, Code, 0) != 0;
    }
    default:
        return false;
    }
}

} // namespace vcl::qt
