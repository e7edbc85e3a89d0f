#pragma once

#include "TMask.h"
#include "TPartPainter.h"
#include "TPoint.h"
#include "TRaster.h"
#include "TTraceRouter.h"

#include <string_view>

// The 8-port serial card seen from above, laid out so that its two jumper sites sit
// exactly where the setup program places its circles.
class TCardScene
{
public:
    explicit TCardScene(TRaster& Raster);

    void Paint();

private:
    void PlaceBracketAndConnector(TPartPainter& Parts, TTraceRouter& Traces);
    void PlaceTermination(TPartPainter& Parts, TTraceRouter& Traces);
    void PlaceTransceivers(TPartPainter& Parts, TTraceRouter& Traces);
    void PlaceControllers(TPartPainter& Parts, TTraceRouter& Traces);
    void PlaceClock(TPartPainter& Parts, TTraceRouter& Traces);
    void PlaceSupport(TPartPainter& Parts, TTraceRouter& Traces);
    void PourGround(const TPartPainter& Parts, TMask& Copper);
    void PaintSilkscreen();

    void Silk(float X, float Y, std::string_view Text, float Size = 1, bool Upwards = false);
    void SilkLine(float X1, float Y1, float X2, float Y2);
    void SilkBox(float Left, float Top, float Right, float Bottom);

    static float PortRow(int Port);
    static TPoint ConnectorHole(int Row, int Index);

    TRaster& FRaster;
};
