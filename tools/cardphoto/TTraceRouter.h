#pragma once

#include "TAxis.h"
#include "TMask.h"
#include "TPoint.h"

#include <vector>

// Lays copper tracks the way a board router does: straight runs joined by 45 degree bends.
// The copper goes into a mask, because the solder mask over it is painted afterwards.
class TTraceRouter
{
public:
    TTraceRouter(TMask& Copper, float Width);

    // Leaves From along StartAxis and arrives at To along EndAxis.
    void Route(TPoint From, TPoint To, TAxis StartAxis, TAxis EndAxis);
    // Horizontal out of From, vertical at MiddleX, horizontal into To, corners cut by Cut.
    void Dogleg(TPoint From, TPoint To, float MiddleX, float Cut);
    void Polyline(const std::vector<TPoint>& Points);
    void Via(TPoint Centre);
    const std::vector<TPoint>& Vias() const { return FVias; }
    TMask& Copper() { return FCopper; }

private:
    static std::vector<TPoint> Path(TPoint From, TPoint To, TAxis StartAxis, TAxis EndAxis);

    TMask& FCopper;
    float FWidth;
    std::vector<TPoint> FVias;
};
