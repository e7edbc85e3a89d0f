#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

struct TRichTextColor
{
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    bool operator==(const TRichTextColor&) const = default;
};

struct TRichTextFormat
{
    std::string FontName; // empty: the showing control's own font
    double Size = 12.0;   // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    std::optional<TRichTextColor> Color; // empty: the showing control's text colour

    bool operator==(const TRichTextFormat&) const = default;
};

// Text is UTF-8; '\n' is a line break inside the paragraph and '\t' a tab.
struct TRichTextRun
{
    std::string Text;
    TRichTextFormat Format;

    bool operator==(const TRichTextRun&) const = default;
};

struct TRichTextParagraph
{
    std::vector<TRichTextRun> Runs;
    // The format at the paragraph mark: an empty paragraph takes its line height from it.
    TRichTextFormat EndFormat;

    // Adjacent text of one format is kept in a single run, so runs never repeat a format.
    void Append(std::string_view text, const TRichTextFormat& format);
    std::string Text() const;

    bool operator==(const TRichTextParagraph&) const = default;
};

struct TRichTextDocument
{
    std::vector<TRichTextParagraph> Paragraphs;

    // Paragraph texts joined by '\n'.
    std::string PlainText() const;

    bool operator==(const TRichTextDocument&) const = default;
};

} // namespace vcl
