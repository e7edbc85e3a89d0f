#include "vcl/RichText.h"
#include "vcl/WinControl.h"
#include "vcl/qt/QtConvert.h"
#include "vcl/qt/QtWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextEdit>

namespace vcl::qt {
namespace {

// Programmatic changes never raise the control's own notifications.
template <class W>
W* Quiet(QWidget* Widget, QSignalBlocker& Blocker)
{
    Blocker = QSignalBlocker(Widget);
    return static_cast<W*>(Widget);
}

class TCustomWidget : public TQtWidget
{
public:
    TCustomWidget(TWinControl& Control, QWidget* Parent)
        : TQtWidget(Control, new TSurfaceWidget(Control, Parent))
    {}
};

class TButtonWidget : public TQtWidget
{
public:
    TButtonWidget(TWinControl& Control, QWidget* Parent) : TQtWidget(Control, new QPushButton(Parent))
    {
        auto* Button = static_cast<QPushButton*>(FWidget.data());
        Button->setAutoDefault(false);
        QObject::connect(Button, &QPushButton::clicked, FTranslator,
                         [this] { FTranslator->Send(CN_COMMAND, BN_CLICKED); });
    }
    void SetText(const std::string& Text) override
    {
        static_cast<QPushButton*>(FWidget.data())->setText(ToQString(Text));
    }
    void SetDefaultButton(bool Value) override
    {
        static_cast<QPushButton*>(FWidget.data())->setDefault(Value);
    }
};

class TComboWidget : public TQtWidget
{
public:
    TComboWidget(TWinControl& Control, QWidget* Parent) : TQtWidget(Control, new QComboBox(Parent))
    {
        auto* Combo = static_cast<QComboBox*>(FWidget.data());
        Combo->setEditable(true);
        Combo->setInsertPolicy(QComboBox::NoInsert);
        Combo->lineEdit()->installEventFilter(FTranslator);
        QObject::connect(Combo, qOverload<int>(&QComboBox::activated), FTranslator,
                         [this](int Index) { FTranslator->Send(CN_COMMAND, CBN_SELCHANGE, Index); });
        QObject::connect(Combo->lineEdit(), &QLineEdit::textEdited, FTranslator, [this, Combo] {
            // Typed text selects the item it matches exactly, or none.
            QSignalBlocker Blocker(Combo);
            const QString Text = Combo->currentText();
            const int Match = Combo->findText(Text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            Combo->setCurrentIndex(Match);
            Combo->setEditText(Text);
            const std::string Typed = FromQString(Text);
            FTranslator->Send(CN_COMMAND, CBN_EDITCHANGE, reinterpret_cast<intptr_t>(&Typed));
        });
    }
    void SetItems(const std::vector<std::string>& Items) override
    {
        QSignalBlocker Blocker(FWidget);
        auto* Combo = static_cast<QComboBox*>(FWidget.data());
        const QString Text = Combo->currentText();
        Combo->clear();
        for (const std::string& Item : Items)
            Combo->addItem(ToQString(Item));
        Combo->setCurrentIndex(-1);
        Combo->setEditText(Text);
    }
    void SetItemIndex(int Index) override
    {
        QSignalBlocker Blocker(FWidget);
        static_cast<QComboBox*>(FWidget.data())->setCurrentIndex(Index);
    }
    void SetText(const std::string& Text) override
    {
        QSignalBlocker Blocker(FWidget);
        static_cast<QComboBox*>(FWidget.data())->setEditText(ToQString(Text));
    }
    std::string CurrentText() const override
    {
        return FromQString(static_cast<QComboBox*>(FWidget.data())->currentText());
    }
    int CurrentItemIndex() const override { return static_cast<QComboBox*>(FWidget.data())->currentIndex(); }
};

template <class Q>
class TToggleWidget : public TQtWidget
{
public:
    TToggleWidget(TWinControl& Control, QWidget* Parent) : TQtWidget(Control, new Q(Parent))
    {
        auto* Toggle = static_cast<Q*>(FWidget.data());
        Toggle->setAutoExclusive(false);
        QObject::connect(Toggle, &Q::clicked, FTranslator,
                         [this] { FTranslator->Send(CN_COMMAND, BN_CLICKED); });
    }
    void SetText(const std::string& Text) override
    {
        static_cast<Q*>(FWidget.data())->setText(ToQString(Text));
    }
    void SetChecked(bool Value) override
    {
        QSignalBlocker Blocker(FWidget);
        static_cast<Q*>(FWidget.data())->setChecked(Value);
    }
};

Qt::ScrollBarPolicy VerticalPolicy(TScrollStyle Style)
{
    return Style == ssVertical || Style == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
}

Qt::ScrollBarPolicy HorizontalPolicy(TScrollStyle Style)
{
    return Style == ssHorizontal || Style == ssBoth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// What the plain and the rich text box share; Edit is QPlainTextEdit or QTextEdit.
template <class Edit>
class TTextBoxWidget : public TQtWidget
{
public:
    TTextBoxWidget(TWinControl& Control, QWidget* Parent) : TQtWidget(Control, new Edit(Parent))
    {
        Box()->viewport()->installEventFilter(FTranslator);
    }
    void SetReadOnly(bool Value) override { Box()->setReadOnly(Value); }
    void SetScrollBars(TScrollStyle Style) override
    {
        Box()->setVerticalScrollBarPolicy(VerticalPolicy(Style));
        Box()->setHorizontalScrollBarPolicy(HorizontalPolicy(Style));
    }
    void SetWordWrap(bool Value) override
    {
        Box()->setLineWrapMode(Value ? Edit::WidgetWidth : Edit::NoWrap);
    }
    void SetColor(TColor Color) override
    {
        QPalette Palette = Box()->palette();
        Palette.setColor(QPalette::Base, ToQColor(Color));
        Box()->setPalette(Palette);
    }

protected:
    Edit* Box() const { return static_cast<Edit*>(FWidget.data()); }
};

class TMemoWidget : public TTextBoxWidget<QPlainTextEdit>
{
public:
    using TTextBoxWidget::TTextBoxWidget;
    void SetLines(const std::vector<std::string>& Lines) override
    {
        QStringList List;
        for (const std::string& Line : Lines)
            List << ToQString(Line);
        Box()->setPlainText(List.join('\n'));
    }
};

class TRichEditWidget : public TTextBoxWidget<QTextEdit>
{
public:
    using TTextBoxWidget::TTextBoxWidget;
    void SetRichText(const TRichTextDocument& Document) override;
};

class TStatusBarWidget : public TQtWidget
{
public:
    TStatusBarWidget(TWinControl& Control, QWidget* Parent) : TQtWidget(Control, new QStatusBar(Parent)) {}
    void SetStatusPanels(const std::vector<TStatusPanelInfo>& Panels) override
    {
        auto* Bar = static_cast<QStatusBar*>(FWidget.data());
        for (QLabel* Label : FLabels)
            delete Label;
        FLabels.clear();
        for (const TStatusPanelInfo& Panel : Panels) {
            auto* Label = new QLabel(ToQString(Panel.Text));
            Label->setMinimumWidth(Panel.Width);
            Label->setFrameStyle(Panel.Bevel == pbNone
                                     ? QFrame::NoFrame
                                     : QFrame::Panel |
                                           (Panel.Bevel == pbRaised ? QFrame::Raised : QFrame::Sunken));
            Bar->addWidget(Label);
            FLabels.push_back(Label);
        }
    }

private:
    std::vector<QLabel*> FLabels;
};

} // namespace

std::unique_ptr<IWidget> CreateControlWidget(TWinControl& Control, TWidgetKind Kind)
{
    QWidget* Parent = TQtWidget::ParentAreaOf(Control);
    switch (Kind) {
    case TWidgetKind::Button:
        return std::make_unique<TButtonWidget>(Control, Parent);
    case TWidgetKind::ComboBox:
        return std::make_unique<TComboWidget>(Control, Parent);
    case TWidgetKind::CheckBox:
        return std::make_unique<TToggleWidget<QCheckBox>>(Control, Parent);
    case TWidgetKind::RadioButton:
        return std::make_unique<TToggleWidget<QRadioButton>>(Control, Parent);
    case TWidgetKind::Memo:
        return std::make_unique<TMemoWidget>(Control, Parent);
    case TWidgetKind::RichEdit:
        return std::make_unique<TRichEditWidget>(Control, Parent);
    case TWidgetKind::StatusBar:
        return std::make_unique<TStatusBarWidget>(Control, Parent);
    case TWidgetKind::Custom:
    case TWidgetKind::Form:
        break;
    }
    return std::make_unique<TCustomWidget>(Control, Parent);
}

} // namespace vcl::qt

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace vcl::qt {
namespace {

QTextCharFormat ToCharFormat(const TRichTextFormat& Format, const QFont& Base)
{
    QTextCharFormat Result;
    Result.setFontFamilies({Format.FontName.empty() ? Base.family() : ToQString(Format.FontName)});
    Result.setFontPointSize(Format.Size);
    Result.setFontWeight(Format.Bold ? QFont::Bold : QFont::Normal);
    Result.setFontItalic(Format.Italic);
    Result.setFontUnderline(Format.Underline);
    if (Format.Color)
        Result.setForeground(QColor(Format.Color->R, Format.Color->G, Format.Color->B));
    return Result;
}

} // namespace

void TRichEditWidget::SetRichText(const TRichTextDocument& Document)
{
    QTextEdit* Edit = Box();
    Edit->clear();
    QTextCursor Cursor(Edit->document());
    bool First = true;
    for (const TRichTextParagraph& Paragraph : Document.Paragraphs) {
        const QTextCharFormat EndFormat = ToCharFormat(Paragraph.EndFormat, Edit->font());
        if (First)
            Cursor.setBlockCharFormat(EndFormat);
        else
            Cursor.insertBlock(QTextBlockFormat(), EndFormat);
        First = false;
        for (const TRichTextRun& Run : Paragraph.Runs)
            Cursor.insertText(ToQString(Run.Text), ToCharFormat(Run.Format, Edit->font()));
    }
    Edit->moveCursor(QTextCursor::Start);
}

} // namespace vcl::qt
