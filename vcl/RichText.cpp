#include "vcl/RichText.h"

namespace vcl {

void TRichTextParagraph::Append(std::string_view text, const TRichTextFormat& format)
{
    if (text.empty())
        return;
    if (!Runs.empty() && Runs.back().Format == format)
        Runs.back().Text += text;
    else
        Runs.push_back({std::string(text), format});
}

std::string TRichTextParagraph::Text() const
{
    std::string text;
    for (const TRichTextRun& run : Runs)
        text += run.Text;
    return text;
}

std::string TRichTextDocument::PlainText() const
{
    std::string text;
    for (std::size_t index = 0; index < Paragraphs.size(); ++index) {
        if (index > 0)
            text += '\n';
        text += Paragraphs[index].Text();
    }
    return text;
}

} // namespace vcl
