#pragma once

#include <string>

// The scenarios of realwindow_check, one a test. Each drives cardsetup on the
// X screen it is given and raises on the first thing it finds wrong.
namespace realwindow {

struct TCheckInputs
{
    std::string ProgramPath;
    std::string PhotoPath;
};

inline constexpr const char* HelpCaption = "Instructions for Settings utility";
inline constexpr const char* ClockPopupCaption = "Baud Multiplier";

void CheckPhotograph(const TCheckInputs& Inputs);
void CheckCircles(const TCheckInputs& Inputs);
void CheckHover(const TCheckInputs& Inputs);
void CheckHelp(const TCheckInputs& Inputs);

} // namespace realwindow
