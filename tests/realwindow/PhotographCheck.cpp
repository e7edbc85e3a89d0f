// The card photograph on screen is the decoded asset, pixel for pixel, where the
// board image's centring puts it.
#include "BoardLayout.h"
#include "Checks.h"
#include "MainWindow.h"
#include "PhotoComparison.h"
#include "Report.h"
#include "ScreenshotRun.h"

#include "vcl/JpegImage.h"
#include "vcl/Types.h"

#include <iostream>
#include <optional>

namespace realwindow {

void CheckPhotograph(const TCheckInputs& Inputs)
{
    vcl::TJPEGImage Photo;
    DecodePhoto(Inputs.PhotoPath, Photo);
    const TBoardLayout Layout = ReadBoardLayout();
    const TScreenshotRun Run(Inputs.ProgramPath);

    const vcl::TPoint Expected = PhotoPlace(Run.Screen(), Run.Main(), {Photo.Width(), Photo.Height()});
    TPhotoComparison Comparison(Run.Screen(), Photo.Bitmap());
    for (const vcl::TRect& Control : Layout.ControlsOnPhoto)
        Comparison.IgnoreInPhoto(Control);
    Run.LeaveOutOtherWindows(Comparison);
    const auto Found = Comparison.Find();
    const TPhotoComparison::TResult Result = Comparison.At(Expected);
    std::cout << "photograph expected at " << Expected << ", found " << (Found ? "at " : "nowhere");
    if (Found)
        std::cout << *Found;
    std::cout << "\ncompared " << Result.Compared << " of " << Photo.Width() * Photo.Height() << " pixels ("
              << Layout.ControlsOnPhoto.size()
              << " controls on the photograph left out): " << Result.Mismatches << " differ\n";
    if (Result.FirstDifference)
        std::cout << Comparison.FirstDifference(Expected, Result) << "\n";
    Require(Result.Mismatches == 0, "the photograph on screen is not the decoded asset at the centred place");
    // The help window that comes up by itself covers the middle of the photograph.
    Require(Result.Compared * 4 >= Photo.Width() * Photo.Height(),
            "less than a quarter of the photograph could be compared");
}

} // namespace realwindow
