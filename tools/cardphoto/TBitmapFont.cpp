#include "TBitmapFont.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {
struct TGlyph
{
    char Character;
    std::array<std::string_view, 7> Rows;
};

constexpr TGlyph Glyphs[] = {
    {'0', {"01110", "10001", "10011", "10101", "11001", "10001", "01110"}},
    {'1', {"00100", "01100", "00100", "00100", "00100", "00100", "01110"}},
    {'2', {"01110", "10001", "00001", "00010", "00100", "01000", "11111"}},
    {'3', {"11111", "00010", "00100", "00010", "00001", "10001", "01110"}},
    {'4', {"00010", "00110", "01010", "10010", "11111", "00010", "00010"}},
    {'5', {"11111", "10000", "11110", "00001", "00001", "10001", "01110"}},
    {'6', {"00110", "01000", "10000", "11110", "10001", "10001", "01110"}},
    {'7', {"11111", "00001", "00010", "00100", "01000", "01000", "01000"}},
    {'8', {"01110", "10001", "10001", "01110", "10001", "10001", "01110"}},
    {'9', {"01110", "10001", "10001", "01111", "00001", "00010", "01100"}},
    {'A', {"01110", "10001", "10001", "11111", "10001", "10001", "10001"}},
    {'B', {"11110", "10001", "10001", "11110", "10001", "10001", "11110"}},
    {'C', {"01110", "10001", "10000", "10000", "10000", "10001", "01110"}},
    {'D', {"11100", "10010", "10001", "10001", "10001", "10010", "11100"}},
    {'E', {"11111", "10000", "10000", "11110", "10000", "10000", "11111"}},
    {'F', {"11111", "10000", "10000", "11110", "10000", "10000", "10000"}},
    {'G', {"01110", "10001", "10000", "10111", "10001", "10001", "01111"}},
    {'H', {"10001", "10001", "10001", "11111", "10001", "10001", "10001"}},
    {'I', {"01110", "00100", "00100", "00100", "00100", "00100", "01110"}},
    {'J', {"00111", "00010", "00010", "00010", "00010", "10010", "01100"}},
    {'K', {"10001", "10010", "10100", "11000", "10100", "10010", "10001"}},
    {'L', {"10000", "10000", "10000", "10000", "10000", "10000", "11111"}},
    {'M', {"10001", "11011", "10101", "10101", "10001", "10001", "10001"}},
    {'N', {"10001", "10001", "11001", "10101", "10011", "10001", "10001"}},
    {'O', {"01110", "10001", "10001", "10001", "10001", "10001", "01110"}},
    {'P', {"11110", "10001", "10001", "11110", "10000", "10000", "10000"}},
    {'Q', {"01110", "10001", "10001", "10001", "10101", "10010", "01101"}},
    {'R', {"11110", "10001", "10001", "11110", "10100", "10010", "10001"}},
    {'S', {"01111", "10000", "10000", "01110", "00001", "00001", "11110"}},
    {'T', {"11111", "00100", "00100", "00100", "00100", "00100", "00100"}},
    {'U', {"10001", "10001", "10001", "10001", "10001", "10001", "01110"}},
    {'V', {"10001", "10001", "10001", "10001", "10001", "01010", "00100"}},
    {'W', {"10001", "10001", "10001", "10101", "10101", "10101", "01010"}},
    {'X', {"10001", "10001", "01010", "00100", "01010", "10001", "10001"}},
    {'Y', {"10001", "10001", "10001", "01010", "00100", "00100", "00100"}},
    {'Z', {"11111", "00001", "00010", "00100", "01000", "10000", "11111"}},
    {'-', {"00000", "00000", "00000", "11111", "00000", "00000", "00000"}},
    {'+', {"00000", "00100", "00100", "11111", "00100", "00100", "00000"}},
    {'.', {"00000", "00000", "00000", "00000", "00000", "01100", "01100"}},
    {'/', {"00000", "00001", "00010", "00100", "01000", "10000", "00000"}},
    {':', {"00000", "01100", "01100", "00000", "01100", "01100", "00000"}},
    {'(', {"00010", "00100", "01000", "01000", "01000", "00100", "00010"}},
    {')', {"01000", "00100", "00010", "00010", "00010", "00100", "01000"}},
    {'#', {"01010", "01010", "11111", "01010", "11111", "01010", "01010"}},
    {'=', {"00000", "00000", "11111", "00000", "11111", "00000", "00000"}},
};

// Sub-samples per pixel side when measuring how much of a pixel the glyph covers.
constexpr int Samples = 4;
} // namespace

bool TBitmapFont::IsInk(char Character, int Column, int Row)
{
    for (const TGlyph& Glyph : Glyphs)
        if (Glyph.Character == Character)
            return Glyph.Rows[Row][Column] == '1';
    return false;
}

// U runs along the text and V down the glyphs, both in font pixels.
bool TBitmapFont::IsInkAt(std::string_view Text, float U, float V)
{
    if (U < 0 || V < 0 || V >= GlyphRows)
        return false;
    const int Cell = static_cast<int>(U);
    const std::size_t Index = static_cast<std::size_t>(Cell / Advance);
    const int Column = Cell % Advance;
    if (Index >= Text.size() || Column >= GlyphColumns)
        return false;
    return IsInk(Text[Index], Column, static_cast<int>(V));
}

void TBitmapFont::Draw(TRaster& Raster, float X, float Y, std::string_view Text, const TStyle& Style)
{
    const float Length = Width(Text, Style.PixelSize);
    const float Thickness = Height(Style.PixelSize);
    const bool Upwards = Style.Direction == TDirection::Up;
    const float Left = X;
    const float Top = Upwards ? Y - Length : Y;
    const float Right = Left + (Upwards ? Thickness : Length);
    const float Bottom = Top + (Upwards ? Length : Thickness);
    for (int PY = static_cast<int>(std::floor(Top)); PY < static_cast<int>(std::ceil(Bottom)); ++PY)
        for (int PX = static_cast<int>(std::floor(Left)); PX < static_cast<int>(std::ceil(Right)); ++PX) {
            int Hits = 0;
            for (int SY = 0; SY < Samples; ++SY)
                for (int SX = 0; SX < Samples; ++SX) {
                    const float SampleX = PX + (SX + 0.5f) / Samples;
                    const float SampleY = PY + (SY + 0.5f) / Samples;
                    const float U =
                        Upwards ? (Y - SampleY) / Style.PixelSize : (SampleX - X) / Style.PixelSize;
                    const float V =
                        Upwards ? (SampleX - X) / Style.PixelSize : (SampleY - Y) / Style.PixelSize;
                    Hits += IsInkAt(Text, U, V) ? 1 : 0;
                }
            Raster.Blend(PX, PY, Style.Colour,
                         Style.Opacity * static_cast<float>(Hits) / (Samples * Samples));
        }
}

float TBitmapFont::Width(std::string_view Text, float PixelSize)
{
    if (Text.empty())
        return 0;
    return static_cast<float>(Text.size() * Advance - (Advance - GlyphColumns)) * PixelSize;
}
