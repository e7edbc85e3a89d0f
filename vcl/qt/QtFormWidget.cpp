#include "vcl/qt/QtFormWidget.h"

#include "vcl/Form.h"
#include "vcl/Menus.h"
#include "vcl/qt/QtConvert.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QTimer>

namespace vcl::qt {
namespace {

// Frame sizes are known only once the window manager has framed a window; until
// then a window takes those last seen on a window of its kind.
TRect& KnownFrame(bool ToolWindow)
{
    static TRect Normal, Tool;
    return ToolWindow ? Tool : Normal;
}

bool IsToolStyle(TFormBorderStyle Style) { return Style == bsToolWindow || Style == bsSizeToolWin; }

bool InTree(const TMenuItem* Root, const TMenuItem* Item)
{
    if (Root == Item)
        return true;
    for (const TMenuItem* Child : Root->ItemList())
        if (InTree(Child, Item))
            return true;
    return false;
}

} // namespace

TFormWindow::TFormWindow(TCustomForm& Form)
    : FMenuBar(new QMenuBar(this)), FClient(new TSurfaceWidget(Form, this))
{
    FMenuBar->setNativeMenuBar(false);
    FMenuBar->hide();
}

int TFormWindow::MenuBarHeight() const { return FMenuBar->isHidden() ? 0 : FMenuBar->sizeHint().height(); }

void TFormWindow::resizeEvent(QResizeEvent* Event)
{
    const int Bar = MenuBarHeight();
    FMenuBar->setGeometry(0, 0, Event->size().width(), Bar);
    FClient->setGeometry(0, Bar, Event->size().width(), std::max(0, Event->size().height() - Bar));
    QWidget::resizeEvent(Event);
    if (OnGeometryChanged && isVisible())
        OnGeometryChanged();
}

void TFormWindow::moveEvent(QMoveEvent* Event)
{
    QWidget::moveEvent(Event);
    if (OnGeometryChanged && isVisible())
        OnGeometryChanged();
}

void TFormWindow::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    if (OnShown)
        OnShown();
}

TQtFormWidget::TQtFormWidget(TCustomForm& Form)
    : TQtWidget(Form, new TFormWindow(Form), TEventTranslator::Window), FForm(Form),
      FInputTranslator(new TEventTranslator(&Form, Window()->Client(), TEventTranslator::Input))
{
    // The frame window reports window events; the client area reports input.
    Window()->Client()->installEventFilter(FInputTranslator);
    Window()->setAttribute(Qt::WA_QuitOnClose, false);
    Window()->OnShown = [this] { SettleFrame(); };
    Window()->OnGeometryChanged = [this] {
        const QRect Frame = FWidget->frameGeometry();
        Guarded([&] {
            FForm.UpdateBoundsFromWidget(vcl::Bounds(Frame.x(), Frame.y(), Frame.width(), Frame.height()));
        });
    };
}

TQtFormWidget::~TQtFormWidget()
{
    FInputTranslator->Detach();
    if (FWidget) {
        Window()->Client()->Detach();
        Window()->hide();
    }
}

TFormWindow* TQtFormWidget::Window() const { return static_cast<TFormWindow*>(FWidget.data()); }

QWidget* TQtFormWidget::ClientArea() const { return Window()->Client(); }

void TQtFormWidget::SetBounds(const TRect& Bounds)
{
    const TRect Frame = FrameExtents();
    FRequestedBounds = Bounds;
    FAssumedFrame = Frame;
    FWidget->setGeometry(Bounds.Left + Frame.Left, Bounds.Top + Frame.Top,
                         std::max(1, Bounds.Width() - Frame.Left - Frame.Right),
                         std::max(1, Bounds.Height() - Frame.Top - Frame.Bottom));
}

void TQtFormWidget::SettleFrame()
{
    const TRect Frame = FrameExtents();
    if (!(Frame == FAssumedFrame) && !FWidget->isMaximized() && !FWidget->isFullScreen()) {
        const TRect& Outer = FRequestedBounds;
        const int ClientWidth = Outer.Width() - FAssumedFrame.Left - FAssumedFrame.Right;
        const int ClientHeight = Outer.Height() - FAssumedFrame.Top - FAssumedFrame.Bottom;
        FAssumedFrame = Frame;
        FRequestedBounds = Bounds(Outer.Left, Outer.Top, ClientWidth + Frame.Left + Frame.Right,
                                  ClientHeight + Frame.Top + Frame.Bottom);
        FWidget->setGeometry(Outer.Left + Frame.Left, Outer.Top + Frame.Top, std::max(1, ClientWidth),
                             std::max(1, ClientHeight));
    }
    const QRect Actual = FWidget->frameGeometry();
    Guarded([&] {
        FForm.UpdateBoundsFromWidget(vcl::Bounds(Actual.x(), Actual.y(), Actual.width(), Actual.height()));
    });
}

void TQtFormWidget::SetText(const std::string& Text) { FWidget->setWindowTitle(ToQString(Text)); }

void TQtFormWidget::SetVisible(bool Value)
{
    if (!Value)
        FWidget->hide();
}

void TQtFormWidget::ApplyFlags()
{
    Qt::WindowFlags Flags = IsToolStyle(FBorderStyle) ? Qt::Tool : Qt::Window;
    if (FStayOnTop)
        Flags |= Qt::WindowStaysOnTopHint;
    const bool WasVisible = FWidget->isVisible();
    FWidget->setWindowFlags(Flags);
    if (WasVisible)
        FWidget->show();
}

void TQtFormWidget::SetBorderStyle(TFormBorderStyle Style)
{
    FBorderStyle = Style;
    ApplyFlags();
}

void TQtFormWidget::SetStayOnTop(bool Value)
{
    FStayOnTop = Value;
    ApplyFlags();
}

void TQtFormWidget::SetMinimumSize(int OuterWidth, int OuterHeight)
{
    const TRect Frame = FrameExtents();
    FWidget->setMinimumSize(std::max(0, OuterWidth - Frame.Left - Frame.Right),
                            std::max(0, OuterHeight - Frame.Top - Frame.Bottom));
}

void TQtFormWidget::ShowWindow(TWindowState State)
{
    switch (State) {
    case wsMaximized:
        FWidget->showMaximized();
        break;
    case wsMinimized:
        FWidget->showMinimized();
        break;
    case wsNormal:
        FWidget->show();
        break;
    }
    FWidget->raise();
    FWidget->activateWindow();
}

void TQtFormWidget::Activate()
{
    FWidget->raise();
    FWidget->activateWindow();
}

bool TQtFormWidget::IsActive() const { return FWidget && FWidget->isActiveWindow(); }

TRect TQtFormWidget::FrameExtents() const
{
    TRect& Known = KnownFrame(IsToolStyle(FBorderStyle));
    if (!FWidget || !FWidget->isVisible())
        return Known;
    const QRect Frame = FWidget->frameGeometry();
    const QRect Inner = FWidget->geometry();
    const TRect Measured{Inner.left() - Frame.left(), Inner.top() - Frame.top(),
                         Frame.right() - Inner.right(), Frame.bottom() - Inner.bottom()};
    if (Measured.Left || Measured.Top || Measured.Right || Measured.Bottom)
        Known = Measured;
    return Measured;
}

int TQtFormWidget::MenuBarHeight() const { return Window()->MenuBarHeight(); }

TPoint TQtFormWidget::ClientSize() const
{
    const QWidget* Client = Window()->Client();
    return {Client->width(), Client->height()};
}

void TQtFormWidget::MenuChanged()
{
    // A menu command may change the menu; its own QAction must outlive the command.
    if (!FInMenuCommand) {
        RebuildMenuBar();
        return;
    }
    if (FRebuildQueued)
        return;
    FRebuildQueued = true;
    QTimer::singleShot(0, FWidget, [this] {
        FRebuildQueued = false;
        RebuildMenuBar();
    });
}

void TQtFormWidget::RebuildMenuBar()
{
    QMenuBar* Bar = Window()->MenuBar();
    Bar->clear();
    TMainMenu* Menu = FForm.Menu();
    TMenuItem* Root = Menu ? Menu->Items() : nullptr;
    auto AddAction = [this, Root](auto* Container, TMenuItem* Item) {
        QAction* Action = Container->addAction(MenuText(Item->Caption()));
        Action->setEnabled(Item->Enabled());
        Action->setCheckable(Item->Checked());
        Action->setChecked(Item->Checked());
        QObject::connect(Action, &QAction::triggered, FWidget, [this, Root, Item] {
            if (FForm.Menu() && FForm.Menu()->Items() == Root && InTree(Root, Item)) {
                FInMenuCommand = true;
                Guarded([Item] { Item->Click(); });
                FInMenuCommand = false;
            }
        });
    };
    if (Root)
        for (TMenuItem* Top : Root->ItemList()) {
            if (!Top->Visible())
                continue;
            if (Top->Count() == 0) {
                AddAction(Bar, Top);
                continue;
            }
            QMenu* Sub = Bar->addMenu(MenuText(Top->Caption()));
            for (TMenuItem* Item : Top->ItemList())
                if (Item->Visible()) {
                    if (Item->Caption() == "-")
                        Sub->addSeparator();
                    else
                        AddAction(Sub, Item);
                }
        }
    const bool HasItems = Root && Root->Count() > 0;
    Bar->setVisible(HasItems);
    const QSize Size = FWidget->size();
    QResizeEvent Relayout(Size, Size);
    QCoreApplication::sendEvent(FWidget, &Relayout);
}

} // namespace vcl::qt
