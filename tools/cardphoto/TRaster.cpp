#include "TRaster.h"

#include <algorithm>
#include <cmath>

TRaster::TRaster(int Width, int Height)
    : FWidth(Width), FHeight(Height), FPixels(static_cast<std::size_t>(Width) * Height)
{}

TRaster::TPaint TRaster::Solid(TRgb Colour)
{
    return [Colour](float, float) { return Colour; };
}

TRaster::TPaint TRaster::VerticalGradient(float Top, TRgb TopColour, float Bottom, TRgb BottomColour)
{
    return [=](float, float Y) {
        return Mix(TopColour, BottomColour, std::clamp((Y - Top) / (Bottom - Top), 0.0f, 1.0f));
    };
}

TRaster::TPaint TRaster::HorizontalGradient(float Left, TRgb LeftColour, float Right, TRgb RightColour)
{
    return [=](float X, float) {
        return Mix(LeftColour, RightColour, std::clamp((X - Left) / (Right - Left), 0.0f, 1.0f));
    };
}

void TRaster::Fill(const TShape& Shape, const TPaint& Paint, float Opacity)
{
    Composite(
        Shape, [&Paint](float X, float Y, float) { return Paint(X, Y); }, Opacity);
}

void TRaster::FillLit(const TShape& Shape, const TPaint& Paint, float BevelWidth, float Strength,
                      float Opacity)
{
    // Unit vector towards the light.
    constexpr float LightX = -0.6f;
    constexpr float LightY = -0.8f;
    constexpr float Step = 0.5f;
    Composite(
        Shape,
        [&](float X, float Y, float Distance) {
            const TRgb Base = Paint(X, Y);
            const float Depth = 1 + Distance / BevelWidth;
            if (Depth <= 0)
                return Base;
            const float GX = Shape.Distance(X + Step, Y) - Shape.Distance(X - Step, Y);
            const float GY = Shape.Distance(X, Y + Step) - Shape.Distance(X, Y - Step);
            const float Length = std::hypot(GX, GY);
            if (Length <= 0)
                return Base;
            const float Facing = (GX * LightX + GY * LightY) / Length;
            return Base * (1 + Strength * Facing * std::min(Depth, 1.0f));
        },
        Opacity);
}

void TRaster::Composite(const TShape& Shape, const TShader& Shader, float Opacity)
{
    const int X0 = std::max(0, static_cast<int>(std::floor(Shape.Left())) - 1);
    const int Y0 = std::max(0, static_cast<int>(std::floor(Shape.Top())) - 1);
    const int X1 = std::min(FWidth - 1, static_cast<int>(std::ceil(Shape.Right())) + 1);
    const int Y1 = std::min(FHeight - 1, static_cast<int>(std::ceil(Shape.Bottom())) + 1);
    for (int Y = Y0; Y <= Y1; ++Y)
        for (int X = X0; X <= X1; ++X) {
            const float CX = X + 0.5f;
            const float CY = Y + 0.5f;
            const float Distance = Shape.Distance(CX, CY);
            const float Coverage = std::clamp(0.5f - Distance, 0.0f, 1.0f) * Opacity;
            if (Coverage <= 0)
                continue;
            TRgb& Pixel = FPixels[static_cast<std::size_t>(Y) * FWidth + X];
            Pixel = Mix(Pixel, Shader(CX, CY, Distance), Coverage);
        }
}

void TRaster::Blend(int X, int Y, TRgb Colour, float Coverage)
{
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight || Coverage <= 0)
        return;
    TRgb& Pixel = FPixels[static_cast<std::size_t>(Y) * FWidth + X];
    Pixel = Mix(Pixel, Colour, std::min(Coverage, 1.0f));
}

void TRaster::Darken(const TMask& Mask, float Strength)
{
    for (int Y = 0; Y < FHeight; ++Y)
        for (int X = 0; X < FWidth; ++X) {
            TRgb& Pixel = FPixels[static_cast<std::size_t>(Y) * FWidth + X];
            Pixel = Pixel * (1 - Strength * Mask.At(X, Y));
        }
}

void TRaster::Apply(const TFilter& Filter)
{
    for (int Y = 0; Y < FHeight; ++Y)
        for (int X = 0; X < FWidth; ++X) {
            TRgb& Pixel = FPixels[static_cast<std::size_t>(Y) * FWidth + X];
            Pixel = Filter(X, Y, Pixel);
        }
}

void TRaster::Soften(float Amount)
{
    const std::vector<TRgb> Source = FPixels;
    const auto At = [&](int X, int Y) {
        return Source[static_cast<std::size_t>(std::clamp(Y, 0, FHeight - 1)) * FWidth +
                      std::clamp(X, 0, FWidth - 1)];
    };
    for (int Y = 0; Y < FHeight; ++Y)
        for (int X = 0; X < FWidth; ++X) {
            const TRgb Around = (At(X - 1, Y) + At(X + 1, Y) + At(X, Y - 1) + At(X, Y + 1)) * 0.25f;
            FPixels[static_cast<std::size_t>(Y) * FWidth + X] = Mix(At(X, Y), Around, Amount);
        }
}

std::vector<std::uint8_t> TRaster::ToRgb8() const
{
    std::vector<std::uint8_t> Bytes;
    Bytes.reserve(FPixels.size() * 3);
    const auto ToByte = [](float Value) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(Value, 0.0f, 255.0f)));
    };
    for (const TRgb& Pixel : FPixels) {
        Bytes.push_back(ToByte(Pixel.R));
        Bytes.push_back(ToByte(Pixel.G));
        Bytes.push_back(ToByte(Pixel.B));
    }
    return Bytes;
}
