#pragma once

#include "TShape.h"

#include <vector>

// A single-channel coverage image, used to build soft shadows before they are laid on the picture.
class TMask
{
public:
    TMask(int Width, int Height);

    void Fill(const TShape& Shape, float Opacity = 1);
    void Blur(int Radius);
    // Grows every covered area by Radius pixels in each direction.
    void Dilate(int Radius);
    void Merge(const TMask& Other);
    void Cut(const TMask& Other);
    float At(int X, int Y) const { return FValues[static_cast<std::size_t>(Y) * FWidth + X]; }

private:
    void BoxBlurRows(int Radius);
    void BoxBlurColumns(int Radius);
    void MaxRows(int Radius);
    void MaxColumns(int Radius);

    int FWidth;
    int FHeight;
    std::vector<float> FValues;
};
