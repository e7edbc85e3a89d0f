#include "vcl/RtfReader.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "vcl/RichText.h"

namespace vcl {
namespace {

constexpr TRichTextColor Grey{64, 64, 64};
constexpr TRichTextColor Yellow{255, 255, 64};
constexpr TRichTextColor Blue{64, 64, 255};
constexpr TRichTextColor Red{255, 64, 64};

TRichTextFormat Verdana(double size, bool bold, TRichTextColor color)
{
    TRichTextFormat format;
    format.FontName = "Verdana";
    format.Size = size;
    format.Bold = bold;
    format.Color = color;
    return format;
}

std::string ParsePlainText(std::string_view rtf, std::string* error = nullptr)
{
    return ParseRtf(rtf, error).PlainText();
}

// Wraps a body in a header with a one-font table and an automatic colour 0.
std::string Wrap(std::string_view body)
{
    return std::string("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}") +
           std::string(body) + "}";
}

const char* const HelpDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
    "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n"
    "{\\b ZENTA VUZE422(485)/8 Series Settings Program}\\par\\par\\fs24\r\n"
    "This program will help you configure the option jumpers and settings associated with this "
    "product. You should have the product in-hand when first using this program.\\par\\par\r\n"
    "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n"
    "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and "
    "optional features of the product family.\\par\\par\r\n"
    "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
    "controlling the hardware device. Run this settings program again once the card is installed. "
    "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then "
    "perform the {\\cf3 calibration circles}.\\par\\par\r\n"
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
    "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain "
    "on-screen. You can have all or as many of these popups onscreen at the same time as you "
    "desire.\\par\\par\r\n"
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
    "options for each port are handled identically; this program only shows the setup once, but you "
    "need to perform this setup for each group of options on your device.\\par\\par\r\n"
    "}";

class HelpDocumentTest : public testing::Test
{
protected:
    void SetUp() override { Document = ParseRtf(HelpDocument, &Error); }

    TRichTextDocument Document;
    std::string Error;
};

TEST_F(HelpDocumentTest, ReadsWithoutErrorIntoTextAndBlankParagraphs)
{
    EXPECT_EQ(Error, "");
    ASSERT_EQ(Document.Paragraphs.size(), 14u);
    for (std::size_t index = 1; index < Document.Paragraphs.size(); index += 2)
        EXPECT_TRUE(Document.Paragraphs[index].Runs.empty()) << "paragraph " << index;
    EXPECT_EQ(Document.Paragraphs[2].Text(),
              "This program will help you configure the option jumpers and settings associated with this "
              "product. You should have the product in-hand when first using this program.");
}

TEST_F(HelpDocumentTest, TitleIsSixteenPointBoldVerdanaInColourZero)
{
    const TRichTextParagraph& title = Document.Paragraphs.at(0);
    ASSERT_EQ(title.Runs.size(), 1u);
    EXPECT_EQ(title.Runs[0].Text, "ZENTA VUZE422(485)/8 Series Settings Program");
    EXPECT_EQ(title.Runs[0].Format, Verdana(16, true, Grey));
    // The bold group has closed before the marks, and \fs24 comes only after them.
    EXPECT_EQ(Document.Paragraphs.at(1).EndFormat, Verdana(16, false, Grey));
}

TEST_F(HelpDocumentTest, ColouredGroupRestoresTheBodyFormatAfterIt)
{
    const TRichTextParagraph& yellow = Document.Paragraphs.at(4);
    ASSERT_EQ(yellow.Runs.size(), 2u);
    EXPECT_EQ(yellow.Runs[0], (TRichTextRun{"Yellow circles", Verdana(12, true, Yellow)}));
    EXPECT_EQ(yellow.Runs[1], (TRichTextRun{" provide information on configuring jumpers and switches.",
                                            Verdana(12, false, Grey)}));
}

TEST_F(HelpDocumentTest, ParagraphJoinsPiecesAndKeepsEachColouredWord)
{
    const TRichTextParagraph& red = Document.Paragraphs.at(8);
    ASSERT_EQ(red.Runs.size(), 6u);
    EXPECT_EQ(red.Runs[0], (TRichTextRun{"Red circles", Verdana(12, true, Red)}));
    EXPECT_TRUE(red.Runs[1].Text.ends_with("once the card is installed. Repeat the "));
    EXPECT_EQ(red.Runs[2], (TRichTextRun{"setup circles", Verdana(12, false, Yellow)}));
    EXPECT_EQ(red.Runs[4], (TRichTextRun{"calibration circles", Verdana(12, false, Red)}));
    EXPECT_EQ(red.Runs[5], (TRichTextRun{".", Verdana(12, false, Grey)}));
    EXPECT_EQ(Document.Paragraphs.at(10).Runs.at(3), (TRichTextRun{"features", Verdana(12, false, Blue)}));
}

TEST_F(HelpDocumentTest, NoteUsesEmDashAndItsOwnSize)
{
    const TRichTextParagraph& note = Document.Paragraphs.at(12);
    ASSERT_EQ(note.Runs.size(), 2u);
    EXPECT_EQ(note.Runs[0], (TRichTextRun{"Note:", Verdana(16, true, Grey)}));
    EXPECT_TRUE(
        note.Runs[1].Text.starts_with(" Make sure to set the jumpers for each option group \u2014 the"))
        << note.Runs[1].Text;
    EXPECT_EQ(note.Runs[1].Format, Verdana(12, false, Grey));
}

TEST(RtfReader, ParagraphsLineBreaksAndTabs)
{
    struct TCase
    {
        const char* Name;
        const char* Body;
        const char* PlainText;
        std::size_t Paragraphs;
    };
    const TCase cases[] = {
        {"text only", "one", "one", 1},
        {"closing mark", "one\\par", "one", 1},
        {"blank line", "one\\par\\par two", "one\n\ntwo", 3},
        {"escaped line end is a mark", "one\\\ntwo", "one\ntwo", 2},
        {"line ends are ignored", "on\r\ne\ntwo", "onetwo", 1},
        {"line and tab stay in the paragraph", "a\\line b\\tab c", "a\nb\tc", 1},
    };
    for (const TCase& test : cases) {
        std::string error;
        const TRichTextDocument document = ParseRtf(Wrap(test.Body), &error);
        EXPECT_EQ(document.PlainText(), test.PlainText) << test.Name;
        EXPECT_EQ(document.Paragraphs.size(), test.Paragraphs) << test.Name;
        EXPECT_EQ(error, "") << test.Name;
    }
}

TEST(RtfReader, ControlWordDelimitersAndSymbols)
{
    struct TCase
    {
        const char* Name;
        const char* Body;
        const char* PlainText;
    };
    const TCase cases[] = {
        {"one delimiting space is eaten", "\\b  x", " x"},
        {"parameter ends at a non-digit", "\\b0x", "x"},
        {"negative parameter", "\\fs-4;", ";"},
        {"hyphen without digits is text", "\\b-x", "-x"},
        {"unknown words are ignored", "\\foo12 a\\bar b", "ab"},
        {"escaped braces and backslash", "\\{\\}\\\\", "{}\\"},
        {"non-breaking space, soft and non-breaking hyphen", "\\~\\-\\_", "\u00A0\u00AD\u2011"},
        {"named characters", "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
         "\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
        {"control characters are dropped",
         "a\x01\x7f"
         "b\tc",
         "a\x7f"
         "b\tc"},
    };
    for (const TCase& test : cases)
        EXPECT_EQ(ParsePlainText(Wrap(test.Body)), test.PlainText) << test.Name;
}

TEST(RtfReader, HexEscapesAreCodePage1252)
{
    struct TCase
    {
        const char* Body;
        const char* PlainText;
    };
    const TCase cases[] = {
        {"caf\\'e9", "caf\u00E9"}, {"\\'C9", "\u00C9"},  {"\\'80 \\'97", "\u20AC \u2014"},
        {"\\'81", "\uFFFD"},       {"\\'41\\'42", "AB"}, {"raw \xe9\x93", "raw \u00E9\u201C"},
    };
    for (const TCase& test : cases)
        EXPECT_EQ(ParsePlainText(Wrap(test.Body)), test.PlainText) << test.Body;
}

TEST(RtfReader, UnicodeCharactersSkipTheirFallback)
{
    struct TCase
    {
        const char* Body;
        const char* PlainText;
    };
    const TCase cases[] = {
        {"\\u8212?x", "\u2014x"},         {"\\u8212\\'97x", "\u2014x"},
        {"\\uc2\\u8212??x", "\u2014x"},   {"\\uc2\\u8212\\'97\\'97x", "\u2014x"},
        {"\\uc0\\u8212 x", "\u2014x"},    {"{\\uc3 \\u8212 abc}\\u8212 de", "\u2014\u2014e"},
        {"\\uc5\\u8212 a{b}", "\u2014b"}, {"\\u-10179?\\u-8704?", "\U0001F600"},
        {"\\u-10179?x", "\uFFFDx"},       {"\\u-8704?", "\uFFFD"},
        {"\\u99999999?", "\uFFFD"},
    };
    for (const TCase& test : cases)
        EXPECT_EQ(ParsePlainText(Wrap(test.Body)), test.PlainText) << test.Body;
}

TEST(RtfReader, SkipsDestinationsThatHoldNoDocumentText)
{
    struct TCase
    {
        const char* Name;
        const char* Body;
    };
    const TCase cases[] = {
        {"ignorable destination", "{\\*\\generator Writer 1.0;}"},
        {"unknown ignorable destination", "{\\*\\somethingnew {nested} text}"},
        {"style sheet", "{\\stylesheet{\\s0\\b Normal;}{\\s1 Heading;}}"},
        {"document information", "{\\info{\\title T}{\\author A}{\\*\\company C}}"},
        {"picture in hex", "{\\pict\\pngblip 89504e470d0a}"},
        {"binary data with braces", "{\\pict\\bin6 }}{\\{x}"},
        {"field instruction", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt }}"},
    };
    for (const TCase& test : cases) {
        std::string error;
        EXPECT_EQ(ParsePlainText(Wrap(std::string("a") + test.Body + "b"), &error), "ab") << test.Name;
        EXPECT_EQ(error, "") << test.Name;
    }
}

TEST(RtfReader, FormatsFollowGroupsAndResets)
{
    const TRichTextDocument document =
        ParseRtf(Wrap("\\fs20\\i\\ul a{\\b\\i0\\ulnone\\cf1 b}c\\plain d\\fs25\\b1\\b0 e"));
    ASSERT_EQ(document.Paragraphs.size(), 1u);
    const auto& runs = document.Paragraphs[0].Runs;
    ASSERT_EQ(runs.size(), 5u);

    TRichTextFormat outer;
    outer.FontName = "Arial";
    outer.Size = 10;
    outer.Italic = true;
    outer.Underline = true;
    EXPECT_EQ(runs[0], (TRichTextRun{"a", outer}));

    TRichTextFormat inner = outer;
    inner.Bold = true;
    inner.Italic = false;
    inner.Underline = false;
    inner.Color = TRichTextColor{255, 0, 0};
    EXPECT_EQ(runs[1], (TRichTextRun{"b", inner}));
    EXPECT_EQ(runs[2], (TRichTextRun{"c", outer}));

    TRichTextFormat plain;
    plain.FontName = "Arial";
    EXPECT_EQ(runs[3], (TRichTextRun{"d", plain}));
    plain.Size = 12.5;
    EXPECT_EQ(runs[4], (TRichTextRun{"e", plain}));
}

TEST(RtfReader, FontTableForms)
{
    struct TCase
    {
        const char* Name;
        const char* Rtf;
        const char* FontName;
    };
    const TCase cases[] = {
        {"entries in groups", "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f1 x}", "Courier New"},
        {"entries without groups", "{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Tahoma;}\\f1 x}", "Tahoma"},
        {"last ';' left out", "{\\rtf1{\\fonttbl{\\f0 Arial}}\\f0 x}", "Arial"},
        {"alternative name skipped", "{\\rtf1{\\fonttbl{\\f0 Arial{\\*\\falt Helv};}}x}", "Arial"},
        {"hex escape in name", "{\\rtf1{\\fonttbl{\\f0 Caf\\'e9;}}x}", "Caf\u00E9"},
        {"default font from \\deff", "{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Tahoma;}}x}", "Tahoma"},
        {"missing font falls back to the default", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f7 x}", "Arial"},
        {"no font table", "{\\rtf1\\f3 x}", ""},
    };
    for (const TCase& test : cases) {
        const TRichTextDocument document = ParseRtf(test.Rtf);
        ASSERT_EQ(document.Paragraphs.size(), 1u) << test.Name;
        ASSERT_EQ(document.Paragraphs[0].Runs.size(), 1u) << test.Name;
        EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.FontName, test.FontName) << test.Name;
    }
}

TEST(RtfReader, ColourTableEntries)
{
    struct TCase
    {
        const char* Name;
        const char* Rtf;
        std::optional<TRichTextColor> Color;
    };
    const TCase cases[] = {
        {"explicit colour 0 is the default", "{\\rtf1{\\colortbl\\red1\\green2\\blue3;}x}",
         TRichTextColor{1, 2, 3}},
        {"empty entry 0 is automatic", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf0 x}", std::nullopt},
        {"index beyond the table", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf9 x}", std::nullopt},
        {"components clamped", "{\\rtf1{\\colortbl\\red999\\green-5\\blue7;}x}", TRichTextColor{255, 0, 7}},
        {"last ';' left out", "{\\rtf1{\\colortbl;\\red9\\green8\\blue7}\\cf1 x}", TRichTextColor{9, 8, 7}},
        {"no colour table", "{\\rtf1\\cf2 x}", std::nullopt},
    };
    for (const TCase& test : cases) {
        const TRichTextDocument document = ParseRtf(test.Rtf);
        ASSERT_EQ(document.Paragraphs.size(), 1u) << test.Name;
        ASSERT_EQ(document.Paragraphs[0].Runs.size(), 1u) << test.Name;
        EXPECT_EQ(document.Paragraphs[0].Runs[0].Format.Color, test.Color) << test.Name;
    }
}

TEST(RtfReader, FontSizeIsClamped)
{
    struct TCase
    {
        const char* Body;
        double Size;
    };
    const TCase cases[] = {
        {"\\fs99999999999999999 x", 1638}, {"\\fs-99999999999999999 x", 1}, {"\\fs0 x", 1}, {"\\fs x", 12}};
    for (const TCase& test : cases)
        EXPECT_EQ(ParseRtf(Wrap(test.Body)).Paragraphs.at(0).Runs.at(0).Format.Size, test.Size) << test.Body;
}

TEST(RtfReader, MalformedInputYieldsWhatCanBeReadAndAnError)
{
    struct TCase
    {
        const char* Name;
        std::string Rtf;
        const char* PlainText;
    };
    const TCase cases[] = {
        {"empty", "", ""},
        {"not rich text", "hello", "hello"},
        {"open brace only", "{", ""},
        {"stray closing braces", "}}}}", ""},
        {"ends after a backslash", "{\\rtf1 \\", ""},
        {"ends inside the document", "{\\rtf1 text", "text"},
        {"huge parameter without a header", "\\fs99999999999999999", ""},
        {"bad hex escape", "{\\rtf1 a\\'zzb}", "azzb"},
        {"truncated hex escape", "{\\rtf1 a\\'4", "a4"},
        {"binary data past the end", "{\\rtf1 a\\bin999 xyz", "a"},
        {"text after the document", "{\\rtf1 a}b", "a"},
        {"deep nesting, balanced",
         "{\\rtf1 before" + std::string(10000, '{') + "deep" + std::string(10000, '}') + " after}",
         "before after"},
        {"deep nesting, never closed", "{\\rtf1 x" + std::string(10000, '{'), "x"},
    };
    for (const TCase& test : cases) {
        std::string error;
        EXPECT_EQ(ParsePlainText(test.Rtf, &error), test.PlainText) << test.Name;
        EXPECT_NE(error, "") << test.Name;
    }
}

TEST(RtfReader, NestingUpToTheLimitIsRead)
{
    std::string error;
    const std::string rtf = "{\\rtf1" + std::string(255, '{') + "\\b x" + std::string(256, '}');
    const TRichTextDocument document = ParseRtf(rtf, &error);
    EXPECT_EQ(document.PlainText(), "x");
    EXPECT_EQ(error, "");
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t index = 0; index < text.size();) {
        const auto lead = static_cast<unsigned char>(text[index]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || index + length > text.size())
            return false;
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[index + next]);
            if ((byte & 0xC0) != 0x80)
                return false;
            character = (character << 6) | (byte & 0x3F);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (character < smallest[length] || character > 0x10FFFF ||
            (character >= 0xD800 && character <= 0xDFFF))
            return false;
        index += length;
    }
    return true;
}

// Whatever the input, the document must be well formed: UTF-8 text, no empty runs, and no two
// neighbouring runs of one format.
void ExpectWellFormed(const TRichTextDocument& document, const std::string& input)
{
    for (const TRichTextParagraph& paragraph : document.Paragraphs) {
        for (std::size_t index = 0; index < paragraph.Runs.size(); ++index) {
            const TRichTextRun& run = paragraph.Runs[index];
            ASSERT_FALSE(run.Text.empty()) << testing::PrintToString(input);
            ASSERT_TRUE(IsValidUtf8(run.Text)) << testing::PrintToString(input);
            if (index > 0) {
                ASSERT_FALSE(run.Format == paragraph.Runs[index - 1].Format) << testing::PrintToString(input);
            }
        }
    }
}

TEST(RtfReader, RandomInputNeverBreaksTheReader)
{
    std::mt19937 random(20240611);
    // Mostly syntax, so that random input reaches deep into the reader, and some arbitrary bytes.
    const std::string_view alphabet = "{}\\\\\\'*;-0123456789 abcdefuilnprst\r\n\xe9\x81";
    for (int round = 0; round < 2000; ++round) {
        const bool arbitraryBytes = round % 4 == 0;
        std::string input = round % 2 == 0 ? "{\\rtf1 " : "";
        const int length = std::uniform_int_distribution<int>(0, 400)(random);
        for (int index = 0; index < length; ++index) {
            if (arbitraryBytes)
                input += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
            else
                input += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        }
        std::string error;
        ExpectWellFormed(ParseRtf(input, &error), input);
    }
}

} // namespace
} // namespace vcl
