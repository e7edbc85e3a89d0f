#pragma once

#include "vcl/Messages.h"

#include <QObject>
#include <functional>

class QEvent;

namespace vcl {
class TWinControl;
}

namespace vcl::qt {

// The one place where Qt events become our typed messages. No QEvent travels
// further, and no exception from a handler unwinds into Qt.
class TEventTranslator : public QObject
{
public:
    // Input: the widget that shows the control's client area. Window: a form's
    // frame window, which reports activation, closing, moves and dialog keys.
    enum TRole { Input, Window };
    TEventTranslator(TWinControl* Control, QObject* Parent, TRole Role = Input);
    void Detach() { FControl = nullptr; }
    TWinControl* Control() const { return FControl; }

    // Delivers a message to the control, reporting any exception it raises.
    void Send(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool TranslateInput(QEvent* Event);
    bool TranslateWindow(QEvent* Event);
    TWinControl* FControl;
    TRole FRole;
};

// Runs Work, handing an escaped exception to the application's report.
void Guarded(const std::function<void()>& Work);

} // namespace vcl::qt
