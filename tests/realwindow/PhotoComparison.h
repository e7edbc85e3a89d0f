#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Types.h"

#include <optional>
#include <string>
#include <vector>

namespace realwindow {

// Compares a photograph, or any picture expected on screen, with a screen, pixel
// for pixel in blue, green and red, leaving out what legitimately covers it: parts
// of the photograph that other controls draw over, and screen areas where other
// windows lie.
class TPhotoComparison
{
public:
    TPhotoComparison(const vcl::TBitmap& Screen, const vcl::TBitmap& Photo) : FScreen(Screen), FPhoto(Photo)
    {}

    void IgnoreInPhoto(const vcl::TRect& Rect) { FIgnoredInPhoto.push_back(Rect); }
    void IgnoreOnScreen(const vcl::TRect& Rect) { FIgnoredOnScreen.push_back(Rect); }

    struct TResult
    {
        int Compared = 0;
        int Mismatches = 0;
        // In photograph coordinates.
        std::optional<vcl::TPoint> FirstDifference;
    };
    // The photograph's top left corner placed at At on the screen; a part off the screen counts as different.
    TResult At(vcl::TPoint At) const { return Compare(At, false); }
    // Where the photograph shows without a single difference, if anywhere.
    std::optional<vcl::TPoint> Find() const;
    // Both pixels at the result's first difference, for the photograph placed at At;
    // empty when there is none.
    std::string FirstDifference(vcl::TPoint At, const TResult& Result) const;

private:
    TResult Compare(vcl::TPoint At, bool StopAtFirstDifference) const;
    bool Ignored(vcl::TPoint InPhoto, vcl::TPoint OnScreen) const;

    const vcl::TBitmap& FScreen;
    const vcl::TBitmap& FPhoto;
    std::vector<vcl::TRect> FIgnoredInPhoto;
    std::vector<vcl::TRect> FIgnoredOnScreen;
};

} // namespace realwindow
