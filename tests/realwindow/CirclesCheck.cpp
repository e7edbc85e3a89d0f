// The highlight circles on screen are the photograph beneath them tinted as a
// settings circle at rest, pixel for pixel, where the board's centring puts them.
#include "BoardLayout.h"
#include "Checks.h"
#include "MainWindow.h"
#include "PhotoComparison.h"
#include "Report.h"
#include "ScreenshotRun.h"

#include "setup_controls/BoardHighlight.h"
#include "vcl/Bitmap.h"
#include "vcl/Color.h"
#include "vcl/JpegImage.h"
#include "vcl/Types.h"

#include <cstring>
#include <iostream>
#include <string>

namespace realwindow {
namespace {

struct TCircleCase
{
    const char* Name;
    vcl::TRect Circle;
    // The help window that comes up by itself may cover the termination circle, never the clock circle.
    bool WhollyVisible;
};

// Yellow at half strength: how a settings circle looks while neither hovered nor open.
void TintedCrop(const vcl::TBitmap& Photo, const vcl::TRect& Circle, vcl::TBitmap& Target)
{
    Require(vcl::TRect{0, 0, Photo.Width(), Photo.Height()}.Intersect(Circle) == Circle,
            "a circle of the layout reaches beyond the photograph");
    Target.SetSize(Circle.Width(), Circle.Height());
    for (int Y = 0; Y < Circle.Height(); ++Y)
        std::memcpy(Target.ScanLine(Y), Photo.ScanLine(Circle.Top + Y) + Circle.Left * 4,
                    Target.BytesPerLine());
    setup::TBoardHighlight::TintCircle(Target, Circle.Width() - 1, Circle.Height() - 1, 0.5f, vcl::clYellow,
                                       false);
}

} // namespace

void CheckCircles(const TCheckInputs& Inputs)
{
    vcl::TJPEGImage Photo;
    DecodePhoto(Inputs.PhotoPath, Photo);
    const TBoardLayout Layout = ReadBoardLayout();
    const TScreenshotRun Run(Inputs.ProgramPath);
    const vcl::TPoint PhotoAt = PhotoPlace(Run.Screen(), Run.Main(), {Photo.Width(), Photo.Height()});
    std::cout << "photograph expected at " << PhotoAt << "\n";

    std::string Failures;
    for (const TCircleCase& Case : {TCircleCase{"ClockHighlight", Layout.ClockCircle, true},
                                    TCircleCase{"TermHighlight", Layout.TermCircle, false}}) {
        vcl::TBitmap Expected;
        TintedCrop(Photo.Bitmap(), Case.Circle, Expected);
        TPhotoComparison Comparison(Run.Screen(), Expected);
        Run.LeaveOutOtherWindows(Comparison);
        const vcl::TPoint At{PhotoAt.X + Case.Circle.Left, PhotoAt.Y + Case.Circle.Top};
        const TPhotoComparison::TResult Result = Comparison.At(At);
        const int Pixels = Case.Circle.Width() * Case.Circle.Height();
        std::cout << Case.Name << " at " << At << ": compared " << Result.Compared << " of " << Pixels
                  << " pixels, " << Result.Mismatches << " differ\n";
        if (Result.FirstDifference)
            std::cout << "  " << Comparison.FirstDifference(At, Result) << "\n";
        if (Result.Mismatches != 0)
            Failures += std::string("; ") + Case.Name + " on screen is not the tinted photograph";
        if (Case.WhollyVisible && Result.Compared != Pixels)
            Failures += std::string("; ") + Case.Name + " lies partly under another window";
    }
    Require(Failures.empty(), Failures.empty() ? "" : Failures.substr(2));
}

} // namespace realwindow
