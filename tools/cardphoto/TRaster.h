#pragma once

#include "TMask.h"
#include "TRgb.h"
#include "TShape.h"

#include <cstdint>
#include <functional>
#include <vector>

// The picture being drawn: float RGB, composited shape by shape with antialiased edges.
class TRaster
{
public:
    using TPaint = std::function<TRgb(float X, float Y)>;
    using TFilter = std::function<TRgb(int X, int Y, TRgb Colour)>;

    TRaster(int Width, int Height);

    static TPaint Solid(TRgb Colour);
    static TPaint VerticalGradient(float Top, TRgb TopColour, float Bottom, TRgb BottomColour);
    static TPaint HorizontalGradient(float Left, TRgb LeftColour, float Right, TRgb RightColour);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    void Fill(const TShape& Shape, const TPaint& Paint, float Opacity = 1);
    // Fill with a bevel lit from the upper left: within BevelWidth of the edge the colour
    // brightens or darkens with the slope of the outline, which reads as a raised part.
    void FillLit(const TShape& Shape, const TPaint& Paint, float BevelWidth, float Strength,
                 float Opacity = 1);
    void Blend(int X, int Y, TRgb Colour, float Coverage);
    void Darken(const TMask& Mask, float Strength);
    void Apply(const TFilter& Filter);
    // Mixes each pixel with its four neighbours by Amount, like a lens that is not quite sharp.
    void Soften(float Amount);

    std::vector<std::uint8_t> ToRgb8() const;

private:
    using TShader = std::function<TRgb(float X, float Y, float Distance)>;
    void Composite(const TShape& Shape, const TShader& Shader, float Opacity);

    int FWidth;
    int FHeight;
    std::vector<TRgb> FPixels;
};
