#pragma once

#include "TRaster.h"
#include "TRgb.h"

#include <string_view>

// A 5 x 7 capitals-and-digits font, enough for silkscreen and chip markings.
class TBitmapFont
{
public:
    enum class TDirection { Right, Up };

    struct TStyle
    {
        float PixelSize = 1;
        TRgb Colour;
        float Opacity = 1;
        TDirection Direction = TDirection::Right;
    };

    // For Right, (X, Y) is the top left of the text; for Up, text runs upwards from (X, Y),
    // the glyphs' tops facing left.
    static void Draw(TRaster& Raster, float X, float Y, std::string_view Text, const TStyle& Style);
    static float Width(std::string_view Text, float PixelSize);
    static float Height(float PixelSize) { return GlyphRows * PixelSize; }

private:
    static constexpr int GlyphColumns = 5;
    static constexpr int GlyphRows = 7;
    static constexpr int Advance = 6;

    static bool IsInk(char Character, int Column, int Row);
    static bool IsInkAt(std::string_view Text, float U, float V);
};
