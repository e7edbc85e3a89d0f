#include "Report.h"

#include <stdexcept>

namespace realwindow {

void Require(bool Condition, const std::string& Failure)
{
    if (!Condition)
        throw std::runtime_error(Failure);
}

std::ostream& operator<<(std::ostream& Out, const TScreenRect& R)
{
    return Out << R.Width << " x " << R.Height << " at (" << R.X << ", " << R.Y << ")";
}

std::ostream& operator<<(std::ostream& Out, const vcl::TPoint& P)
{
    return Out << "(" << P.X << ", " << P.Y << ")";
}

} // namespace realwindow
