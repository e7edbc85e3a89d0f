#include "vcl/qt/QtPlatform.h"

#include "vcl/Bitmap.h"
#include "vcl/Dialogs.h"
#include "vcl/Form.h"
#include "vcl/qt/QtConvert.h"
#include "vcl/qt/QtFormWidget.h"
#include "vcl/qt/QtSession.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <cstring>

namespace vcl::qt {

std::unique_ptr<IWidget> TQtPlatform::CreateWidget(TWinControl& Control, TWidgetKind Kind)
{
    if (Kind == TWidgetKind::Form)
        return std::make_unique<TQtFormWidget>(dynamic_cast<TCustomForm&>(Control));
    return CreateControlWidget(Control, Kind);
}

void TQtPlatform::Post(std::function<void()> Work)
{
    QMetaObject::invokeMethod(
        qApp, [Work = std::move(Work)] { Work(); }, Qt::QueuedConnection);
}

void TQtPlatform::Run()
{
    if (FQuitRequested)
        return;
    QApplication::exec();
}

void TQtPlatform::Quit()
{
    // Only leave the loop: a quit request would also try to close every window.
    FQuitRequested = true;
    QCoreApplication::exit(0);
}

void TQtPlatform::ProcessMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int TQtPlatform::ScreenWidth() const { return QGuiApplication::primaryScreen()->geometry().width(); }

int TQtPlatform::ScreenHeight() const { return QGuiApplication::primaryScreen()->geometry().height(); }

TPoint TQtPlatform::CursorPos() const
{
    const QPoint P = QCursor::pos();
    return {P.x(), P.y()};
}

TColor TQtPlatform::SystemColorRGB(int Index) const
{
    const QPalette Palette = QApplication::palette();
    QColor Color;
    switch (Index) {
    case COLOR_WINDOW:
        Color = Palette.color(QPalette::Base);
        break;
    case COLOR_WINDOWTEXT:
        Color = Palette.color(QPalette::Text);
        break;
    default:
        Color = Palette.color(QPalette::Button);
        break;
    }
    return RGB(Color.red(), Color.green(), Color.blue());
}

TPoint TQtPlatform::TextExtent(const TFont& Font, const std::string& Text) const
{
    const QFontMetrics Metrics(ToQFont(Font));
    return {Metrics.horizontalAdvance(ToQString(Text)), Metrics.height()};
}

void TQtPlatform::DrawText(TBitmap& Target, const TRect& Clip, int X, int Y, const std::string& Text,
                           const TFont& Font)
{
    if (Target.Width() == 0 || Target.Height() == 0)
        return;
    QImage Image(Target.Bits(), Target.Width(), Target.Height(), Target.BytesPerLine(), QImage::Format_RGB32);
    QPainter Painter(&Image);
    Painter.setClipRect(Clip.Left, Clip.Top, Clip.Width(), Clip.Height());
    const QFont QtFont = ToQFont(Font);
    Painter.setFont(QtFont);
    Painter.setPen(ToQColor(Font.Color()));
    Painter.drawText(X, Y + QFontMetrics(QtFont).ascent(), ToQString(Text));
}

int TQtPlatform::StartTimer(int Milliseconds, std::function<void()> Tick)
{
    const int Id = FNextTimerId++;
    auto Timer = std::make_unique<QTimer>();
    Timer->setInterval(Milliseconds);
    QObject::connect(Timer.get(), &QTimer::timeout, [Tick = std::move(Tick)] { Tick(); });
    Timer->start();
    FTimers[Id] = std::move(Timer);
    return Id;
}

void TQtPlatform::StopTimer(int TimerId)
{
    auto It = FTimers.find(TimerId);
    if (It == FTimers.end())
        return;
    It->second->stop();
    // A timer may be stopped from its own tick: let Qt finish with it first.
    It->second.release()->deleteLater();
    FTimers.erase(It);
}

int TQtPlatform::ShowMessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    QMessageBox Box;
    Box.setText(ToQString(Text));
    Box.setWindowTitle(ToQString(Caption));
    switch (Flags & 0xF0) {
    case MB_ICONSTOP:
        Box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        Box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        Box.setIcon(QMessageBox::Warning);
        break;
    default:
        break;
    }
    struct TChoice
    {
        QMessageBox::StandardButton Button;
        int Answer;
    };
    std::vector<TChoice> Choices;
    switch (Flags & 0x0F) {
    case MB_OKCANCEL:
        Choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        Choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_RETRYCANCEL:
        Choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        Choices = {{QMessageBox::Ok, IDOK}};
        break;
    }
    for (const TChoice& Choice : Choices)
        Box.addButton(Choice.Button);
    Box.setDefaultButton(Choices[(Flags & MB_DEFBUTTON2) && Choices.size() > 1 ? 1 : 0].Button);
    Box.setWindowModality(Qt::ApplicationModal);
    if (Flags & MB_TOPMOST)
        Box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (Flags & MB_SETFOREGROUND) {
        Box.show();
        Box.raise();
        Box.activateWindow();
    }
    const int Pressed = Box.exec();
    for (const TChoice& Choice : Choices)
        if (Pressed == Choice.Button)
            return Choice.Answer;
    return Choices.size() > 1 ? IDCANCEL : IDOK;
}

bool TQtPlatform::GrabScreen(TBitmap& Target)
{
    QScreen* Screen = QGuiApplication::primaryScreen();
    if (!Screen)
        return false;
    const QImage Image = Screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    if (Image.isNull())
        return false;
    Target.SetSize(Image.width(), Image.height());
    for (int Row = 0; Row < Image.height(); ++Row)
        std::memcpy(Target.ScanLine(Row), Image.constScanLine(Row),
                    static_cast<size_t>(Target.BytesPerLine()));
    return true;
}

bool TQtPlatform::SaveScreenshot(const std::string& Path)
{
    TBitmap Screen;
    if (!GrabScreen(Screen))
        return false;
    const QImage Image(Screen.Bits(), Screen.Width(), Screen.Height(), Screen.BytesPerLine(),
                       QImage::Format_RGB32);
    return Image.save(ToQString(Path), "PNG");
}

namespace {

// Platforms without a window manager (the offscreen one) say so at every raise;
// that is no news to a user.
QtMessageHandler PreviousHandler = nullptr;

void FilterPlatformNoise(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Message.startsWith("This plugin does not support"))
        return;
    if (PreviousHandler)
        PreviousHandler(Type, Context, Message);
}

} // namespace

struct TQtSession::TImpl
{
    TImpl(int& Argc, char** Argv) : App((InstallFilter(), Argc), Argv)
    {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setQuitOnLastWindowClosed(false);
        SetPlatform(&Platform);
    }
    ~TImpl() { SetPlatform(nullptr); }
    static void InstallFilter()
    {
        if (!PreviousHandler)
            PreviousHandler = qInstallMessageHandler(FilterPlatformNoise);
    }
    QApplication App;
    TQtPlatform Platform;
};

TQtSession::TQtSession(int& Argc, char** Argv) : FImpl(std::make_unique<TImpl>(Argc, Argv)) {}

TQtSession::~TQtSession() = default;

} // namespace vcl::qt
