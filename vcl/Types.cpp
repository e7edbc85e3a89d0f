#include "vcl/Types.h"

#include <algorithm>
#include <cmath>

namespace vcl {

TRect TRect::Intersect(const TRect& Other) const
{
    TRect Result{std::max(Left, Other.Left), std::max(Top, Other.Top), std::min(Right, Other.Right),
                 std::min(Bottom, Other.Bottom)};
    if (Result.IsEmpty())
        return {};
    return Result;
}

bool PtInRect(const TRect& Rect, TPoint P) { return Rect.Contains(P); }

int RoundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

} // namespace vcl
