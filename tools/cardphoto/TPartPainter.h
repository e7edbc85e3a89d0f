#pragma once

#include "TAxis.h"
#include "TMask.h"
#include "TPoint.h"
#include "TRaster.h"

#include <functional>
#include <string>
#include <vector>

// Draws the mounted parts. Parts are collected first and drawn by Render, so that solder
// pads lie under every part and every soft shadow falls on the board, not on another part.
class TPartPainter
{
public:
    using TDrawing = std::function<void(TRaster&)>;

    enum class TPassive { Capacitor, Resistor, Tantalum };

    explicit TPartPainter(TRaster& Raster);

    // The following return pad centres, pin 1 first and counting anticlockwise.
    std::vector<TPoint> Soic(TPoint Centre, int Pins, TAxis LongAxis, const std::string& Marking);
    std::vector<TPoint> Sot(TPoint Centre, TAxis LongAxis, const std::string& Marking);
    std::vector<TPoint> Qfp(TPoint Centre, float BodySize, int PinsPerSide, const std::string& Marking);
    std::vector<TPoint> Plcc(TPoint Centre, float BodySize, int PinsPerSide, const std::string& Marking);
    // Pin centres, row by row.
    std::vector<TPoint> PinHeader(TPoint Centre, int Columns, int Rows, float Pitch);
    void Passive(TPoint Centre, TAxis LongAxis, TPassive Kind);
    void Oscillator(float Left, float Top, float Right, float Bottom, const std::string& Line1,
                    const std::string& Line2);
    void Electrolytic(TPoint Centre, float Radius);
    void PlatedHole(TPoint Centre, float Radius, bool WithPin);
    // An optical alignment mark: a bare copper dot in a ring free of solder mask.
    void Fiducial(TPoint Centre);

    // For parts the scene draws itself: Outline casts the shadow, longer for taller parts.
    void AddPad(TDrawing Drawing);
    void AddBody(const TShape& Outline, TDrawing Drawing, float Height = 1);

    // Marks where exposed metal lies, so copper pours keep their distance from it.
    void MarkPads(TMask& Mask) const;
    void Render();

private:
    // Dimensions of a gull-wing package with leads on two sides.
    struct TOutline
    {
        float Pitch;
        float BodyWidth;
        float LeadReach;
        float LeadHalfWidth;
        float PadAcross;
        float PadAlong;
        float MarkingSize;
    };

    std::vector<TPoint> SmallOutline(TPoint Centre, int Pins, TAxis LongAxis, const TOutline& Outline,
                                     const std::string& Marking);
    void Pad(const TShape& Shape);
    void Lead(const TShape& Shape);
    void Package(const TShape& Outline, float CenterX, float CenterY, bool Upright,
                 const std::string& Marking, float MarkingSize);

    TRaster& FRaster;
    TMask FShadows;
    std::vector<TShape> FPadShapes;
    std::vector<TDrawing> FPads;
    std::vector<TDrawing> FBodies;
};
