#include "PhotoComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace realwindow {

using vcl::TPoint;
using vcl::TRect;

namespace {

std::string PixelText(const vcl::TBitmap& Image, TPoint P)
{
    if (!TRect{0, 0, Image.Width(), Image.Height()}.Contains(P))
        return "off the screen";
    const uint8_t* Pixel = Image.ScanLine(P.Y) + P.X * 4;
    return "red " + std::to_string(Pixel[2]) + ", green " + std::to_string(Pixel[1]) + ", blue " +
           std::to_string(Pixel[0]);
}

} // namespace

bool TPhotoComparison::Ignored(TPoint InPhoto, TPoint OnScreen) const
{
    auto Inside = [](const std::vector<TRect>& Rects, TPoint P) {
        return std::any_of(Rects.begin(), Rects.end(), [P](const TRect& R) { return R.Contains(P); });
    };
    return Inside(FIgnoredInPhoto, InPhoto) || Inside(FIgnoredOnScreen, OnScreen);
}

TPhotoComparison::TResult TPhotoComparison::Compare(TPoint At, bool StopAtFirstDifference) const
{
    TResult Result;
    const TRect OnScreen{0, 0, FScreen.Width(), FScreen.Height()};
    for (int Y = 0; Y < FPhoto.Height(); ++Y)
        for (int X = 0; X < FPhoto.Width(); ++X) {
            const TPoint Screen{At.X + X, At.Y + Y};
            if (Ignored({X, Y}, Screen))
                continue;
            ++Result.Compared;
            const bool Same =
                OnScreen.Contains(Screen) &&
                std::memcmp(FPhoto.ScanLine(Y) + X * 4, FScreen.ScanLine(Screen.Y) + Screen.X * 4, 3) == 0;
            if (Same)
                continue;
            if (Result.Mismatches++ == 0)
                Result.FirstDifference = TPoint{X, Y};
            if (StopAtFirstDifference)
                return Result;
        }
    return Result;
}

std::optional<TPoint> TPhotoComparison::Find() const
{
    for (int Y = 0; Y + FPhoto.Height() <= FScreen.Height(); ++Y)
        for (int X = 0; X + FPhoto.Width() <= FScreen.Width(); ++X) {
            const TResult Result = Compare({X, Y}, true);
            if (Result.Mismatches == 0 && Result.Compared > 0)
                return TPoint{X, Y};
        }
    return std::nullopt;
}

std::string TPhotoComparison::FirstDifference(TPoint At, const TResult& Result) const
{
    if (!Result.FirstDifference)
        return {};
    const TPoint P = *Result.FirstDifference;
    return "first difference at pixel (" + std::to_string(P.X) + ", " + std::to_string(P.Y) + "): expected " +
           PixelText(FPhoto, P) + "; screen " + PixelText(FScreen, {At.X + P.X, At.Y + P.Y});
}

} // namespace realwindow
