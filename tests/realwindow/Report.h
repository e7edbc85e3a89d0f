#pragma once

#include "Desktop.h"

#include "vcl/Types.h"

#include <ostream>
#include <string>

namespace realwindow {

// A check that does not hold ends the scenario with Failure as its message.
void Require(bool Condition, const std::string& Failure);

std::ostream& operator<<(std::ostream& Out, const TScreenRect& R);
std::ostream& operator<<(std::ostream& Out, const vcl::TPoint& P);

} // namespace realwindow
