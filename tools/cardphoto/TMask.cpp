#include "TMask.h"

#include <algorithm>
#include <cmath>

TMask::TMask(int Width, int Height)
    : FWidth(Width), FHeight(Height), FValues(static_cast<std::size_t>(Width) * Height, 0.0f)
{}

void TMask::Fill(const TShape& Shape, float Opacity)
{
    const int X0 = std::max(0, static_cast<int>(std::floor(Shape.Left())) - 1);
    const int Y0 = std::max(0, static_cast<int>(std::floor(Shape.Top())) - 1);
    const int X1 = std::min(FWidth - 1, static_cast<int>(std::ceil(Shape.Right())) + 1);
    const int Y1 = std::min(FHeight - 1, static_cast<int>(std::ceil(Shape.Bottom())) + 1);
    for (int Y = Y0; Y <= Y1; ++Y)
        for (int X = X0; X <= X1; ++X) {
            const float Coverage =
                std::clamp(0.5f - Shape.Distance(X + 0.5f, Y + 0.5f), 0.0f, 1.0f) * Opacity;
            float& Value = FValues[static_cast<std::size_t>(Y) * FWidth + X];
            Value = std::max(Value, Coverage);
        }
}

// Three box passes approximate a Gaussian closely enough for a shadow.
void TMask::Blur(int Radius)
{
    for (int Pass = 0; Pass < 3; ++Pass) {
        BoxBlurRows(Radius);
        BoxBlurColumns(Radius);
    }
}

void TMask::BoxBlurRows(int Radius)
{
    std::vector<float> Row(FWidth);
    const float Scale = 1.0f / static_cast<float>(2 * Radius + 1);
    for (int Y = 0; Y < FHeight; ++Y) {
        float* Line = &FValues[static_cast<std::size_t>(Y) * FWidth];
        for (int X = 0; X < FWidth; ++X) {
            float Sum = 0;
            for (int K = -Radius; K <= Radius; ++K)
                Sum += Line[std::clamp(X + K, 0, FWidth - 1)];
            Row[X] = Sum * Scale;
        }
        std::copy(Row.begin(), Row.end(), Line);
    }
}

void TMask::BoxBlurColumns(int Radius)
{
    std::vector<float> Column(FHeight);
    const float Scale = 1.0f / static_cast<float>(2 * Radius + 1);
    for (int X = 0; X < FWidth; ++X) {
        for (int Y = 0; Y < FHeight; ++Y) {
            float Sum = 0;
            for (int K = -Radius; K <= Radius; ++K)
                Sum += FValues[static_cast<std::size_t>(std::clamp(Y + K, 0, FHeight - 1)) * FWidth + X];
            Column[Y] = Sum * Scale;
        }
        for (int Y = 0; Y < FHeight; ++Y)
            FValues[static_cast<std::size_t>(Y) * FWidth + X] = Column[Y];
    }
}

void TMask::Dilate(int Radius)
{
    MaxRows(Radius);
    MaxColumns(Radius);
}

void TMask::Merge(const TMask& Other)
{
    for (std::size_t Index = 0; Index < FValues.size(); ++Index)
        FValues[Index] = std::max(FValues[Index], Other.FValues[Index]);
}

void TMask::Cut(const TMask& Other)
{
    for (std::size_t Index = 0; Index < FValues.size(); ++Index)
        FValues[Index] *= 1 - Other.FValues[Index];
}

void TMask::MaxRows(int Radius)
{
    std::vector<float> Row(FWidth);
    for (int Y = 0; Y < FHeight; ++Y) {
        float* Line = &FValues[static_cast<std::size_t>(Y) * FWidth];
        for (int X = 0; X < FWidth; ++X) {
            float Highest = 0;
            for (int K = std::max(0, X - Radius); K <= std::min(FWidth - 1, X + Radius); ++K)
                Highest = std::max(Highest, Line[K]);
            Row[X] = Highest;
        }
        std::copy(Row.begin(), Row.end(), Line);
    }
}

void TMask::MaxColumns(int Radius)
{
    std::vector<float> Column(FHeight);
    for (int X = 0; X < FWidth; ++X) {
        for (int Y = 0; Y < FHeight; ++Y) {
            float Highest = 0;
            for (int K = std::max(0, Y - Radius); K <= std::min(FHeight - 1, Y + Radius); ++K)
                Highest = std::max(Highest, FValues[static_cast<std::size_t>(K) * FWidth + X]);
            Column[Y] = Highest;
        }
        for (int Y = 0; Y < FHeight; ++Y)
            FValues[static_cast<std::size_t>(Y) * FWidth + X] = Column[Y];
    }
}
