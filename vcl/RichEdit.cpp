#include "vcl/RichEdit.h"

#include "vcl/RtfReader.h"

namespace vcl {

void TRichEdit::LoadRtf(std::string_view Rtf)
{
    FDocument = ParseRtf(Rtf);
    std::vector<std::string> Lines;
    for (const TRichTextParagraph& Paragraph : FDocument.Paragraphs)
        Lines.push_back(Paragraph.Text());
    SetLines(Lines);
    if (FWidget)
        FWidget->SetRichText(FDocument);
}

void TRichEdit::InitializeWidget(IWidget& Widget)
{
    TMemo::InitializeWidget(Widget);
    Widget.SetRichText(FDocument);
}

// The lines mirror the document; the widget shows the formatted document.
void TRichEdit::LinesChanged() {}

} // namespace vcl
