#include "vcl/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vcl {
namespace {

constexpr std::size_t MaxGroupDepth = 256;
constexpr std::int64_t MaxParameterMagnitude = 2'147'483'647;
constexpr int DefaultHalfPoints = 24;
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;
constexpr char32_t ReplacementCharacter = 0xFFFD;

// Destinations that hold no text of the document itself.
constexpr std::array<std::string_view, 52> SkippedDestinations = {"annotation",
                                                                  "atnauthor",
                                                                  "atnid",
                                                                  "author",
                                                                  "bkmkend",
                                                                  "bkmkstart",
                                                                  "buptim",
                                                                  "colorschememapping",
                                                                  "comment",
                                                                  "company",
                                                                  "creatim",
                                                                  "datastore",
                                                                  "doccomm",
                                                                  "docvar",
                                                                  "filetbl",
                                                                  "fldinst",
                                                                  "footer",
                                                                  "footerf",
                                                                  "footerl",
                                                                  "footerr",
                                                                  "footnote",
                                                                  "ftncn",
                                                                  "ftnsep",
                                                                  "ftnsepc",
                                                                  "generator",
                                                                  "header",
                                                                  "headerf",
                                                                  "headerl",
                                                                  "headerr",
                                                                  "info",
                                                                  "keywords",
                                                                  "latentstyles",
                                                                  "listoverridetable",
                                                                  "listtable",
                                                                  "nonshppict",
                                                                  "object",
                                                                  "operator",
                                                                  "pgdsctbl",
                                                                  "pict",
                                                                  "printim",
                                                                  "private",
                                                                  "revtbl",
                                                                  "revtim",
                                                                  "rsidtbl",
                                                                  "shp",
                                                                  "stylesheet",
                                                                  "subject",
                                                                  "tc",
                                                                  "themedata",
                                                                  "title",
                                                                  "xe",
                                                                  "xmlnsttbl"};

struct TSpecialCharacter
{
    std::string_view Word;
    char32_t Character;
};

constexpr std::array<TSpecialCharacter, 7> SpecialCharacters = {{{"emdash", 0x2014},
                                                                 {"endash", 0x2013},
                                                                 {"bullet", 0x2022},
                                                                 {"lquote", 0x2018},
                                                                 {"rquote", 0x2019},
                                                                 {"ldblquote", 0x201C},
                                                                 {"rdblquote", 0x201D}}};

// Code page 1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes become U+FFFD.
constexpr std::array<char32_t, 32> Cp1252Upper = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t Cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return Cp1252Upper[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t character)
{
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsTextByte(char c) { return c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n'; }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class TErrorLog
{
public:
    // Only the first problem is kept: later ones are usually its consequences.
    void Report(std::string_view message, std::size_t offset)
    {
        if (FFirst.empty())
            FFirst = std::string(message) + " at offset " + std::to_string(offset);
    }

    const std::string& First() const { return FFirst; }

private:
    std::string FFirst;
};

enum class TTokenKind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text, Binary };

struct TToken
{
    TTokenKind Kind = TTokenKind::End;
    std::string_view Text{}; // control word name, text bytes or binary data
    std::optional<int> Parameter{};
    unsigned char Byte = 0; // control symbol or the byte of a hex escape
};

class TRtfTokenizer
{
public:
    TRtfTokenizer(std::string_view input, TErrorLog& errors) : FInput(input), FErrors(errors) {}

    TToken Next()
    {
        // Line ends carry no meaning in the text.
        while (FPosition < FInput.size() && (FInput[FPosition] == '\r' || FInput[FPosition] == '\n'))
            ++FPosition;
        if (FPosition >= FInput.size())
            return {};
        switch (FInput[FPosition]) {
        case '{':
            ++FPosition;
            return {.Kind = TTokenKind::GroupOpen};
        case '}':
            ++FPosition;
            return {.Kind = TTokenKind::GroupClose};
        case '\\':
            return ReadControl();
        default:
            return ReadText();
        }
    }

    std::size_t Offset() const { return FPosition; }
    std::string_view Rest() const { return FInput.substr(FPosition); }

private:
    TToken ReadText()
    {
        const std::size_t start = FPosition;
        while (FPosition < FInput.size() && IsTextByte(FInput[FPosition]))
            ++FPosition;
        return {.Kind = TTokenKind::Text, .Text = FInput.substr(start, FPosition - start)};
    }

    TToken ReadControl()
    {
        const std::size_t start = FPosition++;
        if (FPosition >= FInput.size()) {
            FErrors.Report("input ends after a backslash", start);
            return {};
        }
        const char first = FInput[FPosition];
        if (IsLetter(first))
            return ReadControlWord();
        ++FPosition;
        if (first == '\'')
            return ReadHexByte(start);
        return {.Kind = TTokenKind::ControlSymbol, .Byte = static_cast<unsigned char>(first)};
    }

    TToken ReadControlWord()
    {
        const std::size_t start = FPosition;
        while (FPosition < FInput.size() && IsLetter(FInput[FPosition]))
            ++FPosition;
        TToken token{.Kind = TTokenKind::ControlWord, .Text = FInput.substr(start, FPosition - start)};
        token.Parameter = ReadParameter();
        if (FPosition < FInput.size() && FInput[FPosition] == ' ')
            ++FPosition;
        if (token.Text == "bin")
            return ReadBinary(std::max(token.Parameter.value_or(0), 0));
        return token;
    }

    // Saturates instead of overflowing; each control word clamps the value to its own range.
    std::optional<int> ReadParameter()
    {
        const bool negative =
            FPosition + 1 < FInput.size() && FInput[FPosition] == '-' && IsDigit(FInput[FPosition + 1]);
        if (negative)
            ++FPosition;
        if (FPosition >= FInput.size() || !IsDigit(FInput[FPosition]))
            return std::nullopt;
        std::int64_t magnitude = 0;
        while (FPosition < FInput.size() && IsDigit(FInput[FPosition])) {
            magnitude = std::min(magnitude * 10 + (FInput[FPosition] - '0'), MaxParameterMagnitude);
            ++FPosition;
        }
        return static_cast<int>(negative ? -magnitude : magnitude);
    }

    TToken ReadHexByte(std::size_t start)
    {
        const int high = FPosition < FInput.size() ? HexValue(FInput[FPosition]) : -1;
        const int low = FPosition + 1 < FInput.size() ? HexValue(FInput[FPosition + 1]) : -1;
        if (high < 0 || low < 0) {
            FErrors.Report("bad hex escape", start);
            return {.Kind = TTokenKind::ControlSymbol, .Byte = '\''};
        }
        FPosition += 2;
        return {.Kind = TTokenKind::HexByte, .Byte = static_cast<unsigned char>(high * 16 + low)};
    }

    // Binary data may contain braces and backslashes, so it is taken by count, never tokenized.
    TToken ReadBinary(int length)
    {
        const std::size_t available = FInput.size() - FPosition;
        std::size_t taken = static_cast<std::size_t>(length);
        if (taken > available) {
            FErrors.Report("\\bin data runs past the end of the input", FPosition);
            taken = available;
        }
        TToken token{.Kind = TTokenKind::Binary, .Text = FInput.substr(FPosition, taken)};
        FPosition += taken;
        return token;
    }

    std::string_view FInput;
    std::size_t FPosition = 0;
    TErrorLog& FErrors;
};

class TFontTable
{
public:
    void BeginEntry(int number)
    {
        EndEntry();
        FNumber = number;
    }

    void AppendToName(char32_t character) { AppendUtf8(FName, character); }

    void EndEntry()
    {
        const std::size_t first = FName.find_first_not_of(' ');
        if (first != std::string::npos)
            FNames[FNumber] = FName.substr(first, FName.find_last_not_of(' ') - first + 1);
        FName.clear();
    }

    std::string NameOf(int number) const
    {
        const auto found = FNames.find(number);
        return found == FNames.end() ? std::string() : found->second;
    }

private:
    std::map<int, std::string> FNames;
    int FNumber = 0;
    std::string FName;
};

class TColorTable
{
public:
    void SetRed(int value) { Set(FColor.R, value); }
    void SetGreen(int value) { Set(FColor.G, value); }
    void SetBlue(int value) { Set(FColor.B, value); }

    // An entry without components stands for the showing control's text colour.
    void EndEntry()
    {
        FColors.push_back(FHasComponents ? std::optional(FColor) : std::nullopt);
        FColor = {};
        FHasComponents = false;
    }

    // Some writers leave out the last ';'.
    void EndGroup()
    {
        if (FHasComponents)
            EndEntry();
    }

    std::optional<TRichTextColor> At(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= FColors.size())
            return std::nullopt;
        return FColors[static_cast<std::size_t>(index)];
    }

private:
    void Set(std::uint8_t& component, int value)
    {
        component = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
        FHasComponents = true;
    }

    std::vector<std::optional<TRichTextColor>> FColors;
    TRichTextColor FColor;
    bool FHasComponents = false;
};

enum class TDestination { Document, FontTable, ColorTable, Skipped };

struct TCharacterFormat
{
    std::optional<int> Font; // empty: the default font
    int HalfPoints = DefaultHalfPoints;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int ColorIndex = 0;
};

struct TGroupState
{
    TCharacterFormat Format;
    int UnicodeSkip = 1;
    TDestination Destination = TDestination::Document;
};

class TRtfReader
{
public:
    explicit TRtfReader(std::string_view rtf) : FInput(rtf), FTokenizer(rtf, FErrors) {}

    TRichTextDocument Read()
    {
        const std::size_t start = FInput.find_first_not_of(" \t\r\n");
        if (start == std::string_view::npos || !FInput.substr(start).starts_with("{\\rtf"))
            FErrors.Report("not an RTF document: it does not start with {\\rtf", 0);
        while (!FDocumentClosed) {
            const TToken token = FTokenizer.Next();
            if (token.Kind == TTokenKind::End)
                break;
            Handle(token);
        }
        if (FDocumentClosed) {
            const std::size_t trailing =
                FTokenizer.Rest().find_first_not_of(std::string_view(" \t\r\n\0", 5));
            if (trailing != std::string_view::npos)
                FErrors.Report("text after the end of the document", FTokenizer.Offset() + trailing);
        } else if (const std::size_t open = FGroups.size() - 1 + FOverflowDepth; open > 0) {
            FErrors.Report("input ends inside " + std::to_string(open) + " open group(s)", FInput.size());
        }
        DropHighSurrogate();
        FlushText();
        if (!FParagraph.Runs.empty())
            EndParagraph();
        return std::move(FDocument);
    }

    const std::string& Error() const { return FErrors.First(); }

private:
    TGroupState& Group() { return FGroups.back(); }

    TDestination Destination() const
    {
        return FOverflowDepth > 0 ? TDestination::Skipped : FGroups.back().Destination;
    }

    void Handle(const TToken& token)
    {
        if (token.Kind == TTokenKind::GroupOpen || token.Kind == TTokenKind::GroupClose) {
            DropHighSurrogate();
            FlushText();
            FUnicodeSkipLeft = 0;
            if (token.Kind == TTokenKind::GroupOpen)
                OpenGroup();
            else
                CloseGroup();
            return;
        }
        if (Destination() == TDestination::Skipped)
            return;
        std::string_view text = token.Text;
        if (FUnicodeSkipLeft > 0) {
            // The fallback after \u is counted in bytes of text, or one per escape or control word.
            const std::size_t skipped =
                token.Kind == TTokenKind::Text ? std::min<std::size_t>(text.size(), FUnicodeSkipLeft) : 1;
            FUnicodeSkipLeft -= static_cast<int>(skipped);
            text.remove_prefix(token.Kind == TTokenKind::Text ? skipped : 0);
            if (token.Kind != TTokenKind::Text || text.empty())
                return;
        }
        if (FHighSurrogate && !(token.Kind == TTokenKind::ControlWord && token.Text == "u"))
            DropHighSurrogate();
        switch (token.Kind) {
        case TTokenKind::Text:
            HandleText(text);
            break;
        case TTokenKind::HexByte:
            AppendByte(token.Byte);
            break;
        case TTokenKind::ControlSymbol:
            FlushText();
            HandleControlSymbol(token.Byte);
            break;
        case TTokenKind::ControlWord:
            FlushText();
            HandleControlWord(token.Text, token.Parameter);
            break;
        default:
            break; // binary data belongs to pictures and objects, which are not shown
        }
    }

    void OpenGroup()
    {
        if (FOverflowDepth > 0 || FGroups.size() > MaxGroupDepth) {
            if (FOverflowDepth == 0)
                FErrors.Report("groups nested too deeply; their content is skipped", FTokenizer.Offset() - 1);
            ++FOverflowDepth;
            return;
        }
        FGroups.push_back(FGroups.back());
    }

    void CloseGroup()
    {
        if (FOverflowDepth > 0) {
            --FOverflowDepth;
            return;
        }
        if (FGroups.size() == 1) {
            FErrors.Report("unmatched '}'", FTokenizer.Offset() - 1);
            return;
        }
        if (Group().Destination == TDestination::FontTable)
            FFonts.EndEntry();
        else if (Group().Destination == TDestination::ColorTable)
            FColors.EndGroup();
        FGroups.pop_back();
        FDocumentClosed = FGroups.size() == 1;
    }

    void HandleText(std::string_view text)
    {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == ';' && Destination() == TDestination::FontTable)
                FFonts.EndEntry();
            else if (byte == ';' && Destination() == TDestination::ColorTable)
                FColors.EndEntry();
            else
                AppendByte(byte);
        }
    }

    void HandleControlSymbol(unsigned char symbol)
    {
        switch (symbol) {
        case '*':
            Group().Destination = TDestination::Skipped;
            break;
        case '\\':
        case '{':
        case '}':
            AppendCharacter(symbol);
            break;
        case '~':
            AppendCharacter(0x00A0);
            break;
        case '-':
            AppendCharacter(0x00AD);
            break;
        case '_':
            AppendCharacter(0x2011);
            break;
        case '\r':
        case '\n':
            if (Destination() == TDestination::Document)
                EndParagraph();
            break;
        default:
            break;
        }
    }

    void HandleControlWord(std::string_view word, std::optional<int> parameter)
    {
        if (std::ranges::find(SkippedDestinations, word) != SkippedDestinations.end()) {
            Group().Destination = TDestination::Skipped;
        } else if (word == "fonttbl") {
            Group().Destination = TDestination::FontTable;
        } else if (word == "colortbl") {
            Group().Destination = TDestination::ColorTable;
        } else if (word == "u") {
            HandleUnicode(parameter.value_or(0));
            FUnicodeSkipLeft = Group().UnicodeSkip;
        } else if (word == "uc") {
            Group().UnicodeSkip = std::max(parameter.value_or(1), 0);
        } else if (Destination() == TDestination::FontTable) {
            if (word == "f")
                FFonts.BeginEntry(parameter.value_or(0));
        } else if (Destination() == TDestination::ColorTable) {
            HandleColorTableWord(word, parameter.value_or(0));
        } else {
            HandleDocumentWord(word, parameter);
        }
    }

    void HandleColorTableWord(std::string_view word, int value)
    {
        if (word == "red")
            FColors.SetRed(value);
        else if (word == "green")
            FColors.SetGreen(value);
        else if (word == "blue")
            FColors.SetBlue(value);
    }

    void HandleDocumentWord(std::string_view word, std::optional<int> parameter)
    {
        TCharacterFormat& format = Group().Format;
        const auto special = std::ranges::find(SpecialCharacters, word, &TSpecialCharacter::Word);
        if (special != SpecialCharacters.end())
            AppendCharacter(special->Character);
        else if (word == "par")
            EndParagraph();
        else if (word == "line")
            AppendCharacter('\n');
        else if (word == "tab")
            AppendCharacter('\t');
        else if (word == "b")
            format.Bold = parameter.value_or(1) != 0;
        else if (word == "i")
            format.Italic = parameter.value_or(1) != 0;
        else if (word == "ul")
            format.Underline = parameter.value_or(1) != 0;
        else if (word == "ulnone")
            format.Underline = false;
        else if (word == "fs")
            format.HalfPoints =
                std::clamp(parameter.value_or(DefaultHalfPoints), MinHalfPoints, MaxHalfPoints);
        else if (word == "f")
            format.Font = parameter.value_or(0);
        else if (word == "cf")
            format.ColorIndex = std::max(parameter.value_or(0), 0);
        else if (word == "plain")
            format = {};
        else if (word == "deff")
            FDefaultFont = parameter.value_or(0);
    }

    // \u takes a signed 16-bit UTF-16 unit; characters beyond the BMP come as a surrogate pair.
    void HandleUnicode(int value)
    {
        const int unit = value < 0 ? value + 0x10000 : value;
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low && FHighSurrogate) {
            AppendCharacter(0x10000 + ((*FHighSurrogate - 0xD800) << 10) + (unit - 0xDC00));
            FHighSurrogate.reset();
            return;
        }
        DropHighSurrogate();
        if (high)
            FHighSurrogate = static_cast<char32_t>(unit);
        else if (low || unit < 0 || unit > 0xFFFF)
            AppendCharacter(ReplacementCharacter);
        else
            AppendCharacter(static_cast<char32_t>(unit));
    }

    void DropHighSurrogate()
    {
        if (!FHighSurrogate)
            return;
        FHighSurrogate.reset();
        AppendCharacter(ReplacementCharacter);
    }

    void AppendByte(unsigned char byte)
    {
        if (byte >= 0x20 || byte == '\t')
            AppendCharacter(Cp1252ToUnicode(byte));
    }

    void AppendCharacter(char32_t character)
    {
        if (Destination() == TDestination::Document)
            AppendUtf8(FPendingText, character);
        else if (Destination() == TDestination::FontTable)
            FFonts.AppendToName(character);
    }

    void FlushText()
    {
        if (FPendingText.empty())
            return;
        FParagraph.Append(FPendingText, CurrentFormat());
        FPendingText.clear();
    }

    void EndParagraph()
    {
        FlushText();
        FParagraph.EndFormat = CurrentFormat();
        FDocument.Paragraphs.push_back(std::move(FParagraph));
        FParagraph = {};
    }

    TRichTextFormat CurrentFormat() const
    {
        const TCharacterFormat& format = FGroups.back().Format;
        TRichTextFormat result;
        result.FontName = FFonts.NameOf(format.Font.value_or(FDefaultFont));
        if (result.FontName.empty())
            result.FontName = FFonts.NameOf(FDefaultFont);
        result.Size = format.HalfPoints / 2.0;
        result.Bold = format.Bold;
        result.Italic = format.Italic;
        result.Underline = format.Underline;
        result.Color = FColors.At(format.ColorIndex);
        return result;
    }

    std::string_view FInput;
    TErrorLog FErrors;
    TRtfTokenizer FTokenizer;
    std::vector<TGroupState> FGroups{TGroupState{}}; // the first entry is the state outside every group
    std::size_t FOverflowDepth = 0;
    bool FDocumentClosed = false;
    int FUnicodeSkipLeft = 0;
    std::optional<char32_t> FHighSurrogate;
    int FDefaultFont = 0;
    TFontTable FFonts;
    TColorTable FColors;
    TRichTextDocument FDocument;
    TRichTextParagraph FParagraph;
    std::string FPendingText;
};

} // namespace

TRichTextDocument ParseRtf(std::string_view rtf, std::string* error)
{
    TRtfReader reader(rtf);
    TRichTextDocument document = reader.Read();
    if (error)
        *error = reader.Error();
    return document;
}

} // namespace vcl
