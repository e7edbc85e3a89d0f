#pragma once

#include "TMask.h"
#include "TPoint.h"
#include "TRaster.h"

#include <vector>

// The bare board and what the camera adds: the backdrop it lies on, the solder mask over
// the copper, the gold edge fingers, and the light and grain of a photograph.
class TBoardSurface
{
public:
    static constexpr float Left = 10;
    static constexpr float Top = 10;
    static constexpr float Right = 596;
    static constexpr float Bottom = 366;
    static constexpr float TabLeft = 158;
    static constexpr float TabRight = 434;
    static constexpr float TabBottom = 405;
    static constexpr float FingerTop = 373;
    static constexpr int FingerCount = 62;

    explicit TBoardSurface(TRaster& Raster);

    void PaintBackdrop();
    void PaintSolderMask(const TMask& Copper, const std::vector<TPoint>& Vias);
    void PaintEdgeFingers();
    void FinishPhoto();

    // Top end of finger Number (1 to 62), or nothing where a key notch takes its place.
    static bool HasFinger(int Number);
    static TPoint FingerEnd(int Number);

private:
    static constexpr float FingerPitch = 4.25f;
    static constexpr float MaskEdge = 369;

    TShape MainOutline() const;
    TShape TabOutline() const;

    TRaster& FRaster;
};
