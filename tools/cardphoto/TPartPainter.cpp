#include "TPartPainter.h"

#include "TBitmapFont.h"
#include "TMaterial.h"

#include <algorithm>
#include <cmath>

namespace {
const TRgb TinColour{196, 197, 192};
const TRgb LeadColour{178, 180, 178};
const TRgb EpoxyColour{40, 40, 43};
const TRgb MarkingColour{168, 168, 164};
const TRgb HeaderPlastic{30, 30, 32};
const TRgb GoldColour{222, 182, 92};
const TRgb CanColour{204, 206, 210};
const TRgb CanInk{58, 58, 66};

constexpr float ShadowOffsetX = 2.2f;
constexpr float ShadowOffsetY = 2.8f;
constexpr int ShadowBlur = 2;
constexpr float ShadowStrength = 0.55f;

std::uint32_t SeedOf(TPoint Centre) { return static_cast<std::uint32_t>(Centre.X * 131 + Centre.Y * 7919); }
} // namespace

TPartPainter::TPartPainter(TRaster& Raster) : FRaster(Raster), FShadows(Raster.Width(), Raster.Height()) {}

void TPartPainter::AddPad(TDrawing Drawing) { FPads.push_back(std::move(Drawing)); }

void TPartPainter::AddBody(const TShape& Outline, TDrawing Drawing, float Height)
{
    // A tall part's shadow reaches from its foot to the full offset.
    const int Steps = static_cast<int>(std::ceil(Height * 2));
    for (int Step = 1; Step <= Steps; ++Step) {
        const float Reach = Height * static_cast<float>(Step) / static_cast<float>(Steps);
        FShadows.Fill(Outline.Moved(ShadowOffsetX * Reach, ShadowOffsetY * Reach));
    }
    FBodies.push_back(std::move(Drawing));
}

void TPartPainter::Render()
{
    for (const TDrawing& Drawing : FPads)
        Drawing(FRaster);
    FShadows.Blur(ShadowBlur);
    FRaster.Darken(FShadows, ShadowStrength);
    for (const TDrawing& Drawing : FBodies)
        Drawing(FRaster);
}

void TPartPainter::MarkPads(TMask& Mask) const
{
    for (const TShape& Shape : FPadShapes)
        Mask.Fill(Shape);
}

void TPartPainter::Pad(const TShape& Shape)
{
    FPadShapes.push_back(Shape);
    AddPad([Shape](TRaster& Raster) { Raster.FillLit(Shape, TRaster::Solid(TinColour), 0.8f, 0.35f); });
}

void TPartPainter::Lead(const TShape& Shape)
{
    AddBody(Shape,
            [Shape](TRaster& Raster) { Raster.FillLit(Shape, TRaster::Solid(LeadColour), 0.8f, 0.6f); });
}

void TPartPainter::Package(const TShape& Outline, float CenterX, float CenterY, bool Upright,
                           const std::string& Marking, float MarkingSize)
{
    const TRaster::TPaint Paint = TMaterial::Epoxy(EpoxyColour, SeedOf({CenterX, CenterY}));
    AddBody(Outline, [=](TRaster& Raster) {
        Raster.FillLit(Outline, Paint, 1.6f, 0.9f);
        const TBitmapFont::TStyle Style{MarkingSize, MarkingColour, 0.75f,
                                        Upright ? TBitmapFont::TDirection::Right
                                                : TBitmapFont::TDirection::Up};
        const float LineSpacing = 9 * Style.PixelSize;
        std::vector<std::string> Lines;
        for (std::size_t Start = 0; Start <= Marking.size();) {
            const std::size_t End = std::min(Marking.find('\n', Start), Marking.size());
            Lines.push_back(Marking.substr(Start, End - Start));
            Start = End + 1;
        }
        const float Block =
            static_cast<float>(Lines.size() - 1) * LineSpacing + TBitmapFont::Height(Style.PixelSize);
        for (std::size_t Index = 0; Index < Lines.size(); ++Index) {
            const float Length = TBitmapFont::Width(Lines[Index], Style.PixelSize);
            const float Offset = static_cast<float>(Index) * LineSpacing - Block / 2;
            if (Upright)
                TBitmapFont::Draw(Raster, CenterX - Length / 2, CenterY + Offset, Lines[Index], Style);
            else
                TBitmapFont::Draw(Raster, CenterX + Offset, CenterY + Length / 2, Lines[Index], Style);
        }
    });
}

std::vector<TPoint> TPartPainter::Soic(TPoint Centre, int Pins, TAxis LongAxis, const std::string& Marking)
{
    return SmallOutline(Centre, Pins, LongAxis, {4.25f, 13, 3.6f, 0.8f, 2.7f, 1.25f, 0.7f}, Marking);
}

std::vector<TPoint> TPartPainter::Sot(TPoint Centre, TAxis LongAxis, const std::string& Marking)
{
    return SmallOutline(Centre, 6, LongAxis, {3.2f, 5.5f, 2.6f, 0.5f, 1.8f, 0.9f, 0.5f}, Marking);
}

std::vector<TPoint> TPartPainter::SmallOutline(TPoint Centre, int Pins, TAxis LongAxis,
                                               const TOutline& Outline, const std::string& Marking)
{
    const int PerSide = Pins / 2;
    const float BodyLength = static_cast<float>(PerSide) * Outline.Pitch + 0.8f;
    const bool Vertical = LongAxis == TAxis::Vertical;
    const float HalfAcross = Outline.BodyWidth / 2;
    const float HalfAlong = BodyLength / 2;
    const float LeadInner = HalfAcross - 0.5f;
    const float LeadOuter = HalfAcross + Outline.LeadReach;

    std::vector<TPoint> Pads;
    for (int Pin = 0; Pin < Pins; ++Pin) {
        // Pin 1 starts the first side at its far end; the second side comes back.
        const bool FirstSide = Pin < PerSide;
        const int Step = FirstSide ? Pin : Pins - 1 - Pin;
        const float Along = (static_cast<float>(Step) - static_cast<float>(PerSide - 1) / 2) * Outline.Pitch;
        const float Side = FirstSide ? -1.0f : 1.0f;
        const float Across = Side * (LeadOuter - Outline.PadAcross / 3);
        // Vertical parts have pin 1 at the top left, horizontal ones at the bottom left.
        const TPoint PadCentre = Vertical ? TPoint{Centre.X + Across, Centre.Y + Along}
                                          : TPoint{Centre.X + Along, Centre.Y - Across};
        Pads.push_back(PadCentre);
        const float PadHalfX = Vertical ? Outline.PadAcross : Outline.PadAlong;
        const float PadHalfY = Vertical ? Outline.PadAlong : Outline.PadAcross;
        Pad(TShape::Rect(PadCentre.X - PadHalfX, PadCentre.Y - PadHalfY, PadCentre.X + PadHalfX,
                         PadCentre.Y + PadHalfY, 0.4f));
        const TPoint Inner = Vertical ? TPoint{Centre.X + Side * LeadInner, PadCentre.Y}
                                      : TPoint{PadCentre.X, Centre.Y - Side * LeadInner};
        const TPoint Outer = Vertical ? TPoint{Centre.X + Side * LeadOuter, PadCentre.Y}
                                      : TPoint{PadCentre.X, Centre.Y - Side * LeadOuter};
        const float HalfWidth = Outline.LeadHalfWidth;
        Lead(TShape::Rect(std::min(Inner.X, Outer.X) - (Vertical ? 0 : HalfWidth),
                          std::min(Inner.Y, Outer.Y) - (Vertical ? HalfWidth : 0),
                          std::max(Inner.X, Outer.X) + (Vertical ? 0 : HalfWidth),
                          std::max(Inner.Y, Outer.Y) + (Vertical ? HalfWidth : 0), 0.3f));
    }

    const TShape Body = Vertical ? TShape::Rect(Centre.X - HalfAcross, Centre.Y - HalfAlong,
                                                Centre.X + HalfAcross, Centre.Y + HalfAlong, 1)
                                 : TShape::Rect(Centre.X - HalfAlong, Centre.Y - HalfAcross,
                                                Centre.X + HalfAlong, Centre.Y + HalfAcross, 1);
    Package(Body, Centre.X, Centre.Y, !Vertical, Marking, Outline.MarkingSize);
    if (Outline.BodyWidth > 8) {
        const TPoint Dimple = Vertical ? TPoint{Centre.X - HalfAcross + 3, Centre.Y - HalfAlong + 3}
                                       : TPoint{Centre.X - HalfAlong + 3, Centre.Y + HalfAcross - 3};
        FBodies.push_back([Dimple](TRaster& Raster) {
            Raster.FillLit(TShape::Circle(Dimple.X, Dimple.Y, 1.4f), TRaster::Solid(EpoxyColour * 0.8f), 1.4f,
                           -0.8f);
        });
    }
    return Pads;
}

std::vector<TPoint> TPartPainter::Qfp(TPoint Centre, float BodySize, int PinsPerSide,
                                      const std::string& Marking)
{
    constexpr float LeadReach = 4.5f;
    const float Half = BodySize / 2;
    const float Pitch = (BodySize - 6) / static_cast<float>(PinsPerSide - 1);
    std::vector<TPoint> Pads;
    // Sides in anticlockwise order starting at the left: direction along the side and outward normal.
    const TPoint Along[4] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    const TPoint Outward[4] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
    for (int Side = 0; Side < 4; ++Side)
        for (int Index = 0; Index < PinsPerSide; ++Index) {
            const float Offset = (Index - (PinsPerSide - 1) / 2.0f) * Pitch;
            const TPoint Base{Centre.X + Along[Side].X * Offset, Centre.Y + Along[Side].Y * Offset};
            const TPoint Tip{Base.X + Outward[Side].X * (Half + LeadReach),
                             Base.Y + Outward[Side].Y * (Half + LeadReach)};
            const TPoint Root{Base.X + Outward[Side].X * (Half - 0.5f),
                              Base.Y + Outward[Side].Y * (Half - 0.5f)};
            const TPoint PadCentre{Base.X + Outward[Side].X * (Half + LeadReach - 1.3f),
                                   Base.Y + Outward[Side].Y * (Half + LeadReach - 1.3f)};
            Pads.push_back(PadCentre);
            const float PadHalfLong = 2.6f;
            const float PadHalfShort = Pitch * 0.3f;
            const float HalfX = Outward[Side].X != 0 ? PadHalfLong : PadHalfShort;
            const float HalfY = Outward[Side].Y != 0 ? PadHalfLong : PadHalfShort;
            Pad(TShape::Rect(PadCentre.X - HalfX, PadCentre.Y - HalfY, PadCentre.X + HalfX,
                             PadCentre.Y + HalfY, 0.2f));
            Lead(TShape::Segment(Root.X, Root.Y, Tip.X - Outward[Side].X * 0.5f,
                                 Tip.Y - Outward[Side].Y * 0.5f, Pitch * 0.2f));
        }
    Package(TShape::Rect(Centre.X - Half, Centre.Y - Half, Centre.X + Half, Centre.Y + Half, 1.2f), Centre.X,
            Centre.Y, true, Marking, 0.9f);
    const TPoint Dot{Centre.X - Half + 5, Centre.Y - Half + 5};
    FBodies.push_back([Dot](TRaster& Raster) {
        Raster.FillLit(TShape::Circle(Dot.X, Dot.Y, 2.2f), TRaster::Solid(EpoxyColour * 0.75f), 2.2f, -0.7f);
    });
    return Pads;
}

std::vector<TPoint> TPartPainter::Plcc(TPoint Centre, float BodySize, int PinsPerSide,
                                       const std::string& Marking)
{
    constexpr float Pitch = 4.25f;
    const float Half = BodySize / 2;
    std::vector<TPoint> Pads;
    const TPoint Along[4] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    const TPoint Outward[4] = {{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
    for (int Side = 0; Side < 4; ++Side)
        for (int Index = 0; Index < PinsPerSide; ++Index) {
            const float Offset = (Index - (PinsPerSide - 1) / 2.0f) * Pitch;
            const TPoint Base{Centre.X + Along[Side].X * Offset, Centre.Y + Along[Side].Y * Offset};
            const TPoint PadCentre{Base.X + Outward[Side].X * (Half + 0.5f),
                                   Base.Y + Outward[Side].Y * (Half + 0.5f)};
            Pads.push_back(PadCentre);
            const float HalfX = Outward[Side].X != 0 ? 3.4f : 1.3f;
            const float HalfY = Outward[Side].Y != 0 ? 3.4f : 1.3f;
            Pad(TShape::Rect(PadCentre.X - HalfX, PadCentre.Y - HalfY, PadCentre.X + HalfX,
                             PadCentre.Y + HalfY, 0.4f));
            // J leads bend back under the body; only their rounded backs show beyond its edge.
            const TPoint Bend{Base.X + Outward[Side].X * (Half + 1.0f),
                              Base.Y + Outward[Side].Y * (Half + 1.0f)};
            Lead(TShape::Segment(Base.X + Outward[Side].X * (Half - 1), Base.Y + Outward[Side].Y * (Half - 1),
                                 Bend.X, Bend.Y, 1.0f));
        }
    const TShape Outline =
        TShape::Rect(Centre.X - Half, Centre.Y - Half, Centre.X + Half, Centre.Y + Half, 1.5f);
    Package(Outline, Centre.X, Centre.Y + 6, true, Marking, 0.9f);
    // The moulded top is a step smaller than the base, with pin 1 marked at the middle of the top side.
    const TShape Top = TShape::Rect(Centre.X - Half + 3, Centre.Y - Half + 3, Centre.X + Half - 3,
                                    Centre.Y + Half - 3, 1.5f);
    const TPoint Dot{Centre.X, Centre.Y - Half + 9};
    FBodies.push_back([Top, Dot](TRaster& Raster) {
        Raster.FillLit(
            Top, [](float, float) { return TRgb{}; }, 1.2f, 1.0f, 0.12f);
        Raster.FillLit(TShape::Circle(Dot.X, Dot.Y, 2.3f), TRaster::Solid(EpoxyColour * 0.75f), 2.3f, -0.7f);
    });
    return Pads;
}

std::vector<TPoint> TPartPainter::PinHeader(TPoint Centre, int Columns, int Rows, float Pitch)
{
    const float HalfWidth = Columns * Pitch / 2;
    const float HalfHeight = Rows * Pitch / 2;
    const TShape Body = TShape::Rect(Centre.X - HalfWidth, Centre.Y - HalfHeight, Centre.X + HalfWidth,
                                     Centre.Y + HalfHeight, 0.8f);
    std::vector<TPoint> Pins;
    for (int Row = 0; Row < Rows; ++Row)
        for (int Column = 0; Column < Columns; ++Column)
            Pins.push_back({Centre.X - HalfWidth + (Column + 0.5f) * Pitch,
                            Centre.Y - HalfHeight + (Row + 0.5f) * Pitch});
    AddBody(
        Body,
        [=](TRaster& Raster) {
            Raster.FillLit(Body, TRaster::Solid(HeaderPlastic), 1.3f, 1.2f);
            // Each position is its own moulded block with a groove to the next.
            for (int Row = 1; Row < Rows; ++Row) {
                const float Y = Centre.Y - HalfHeight + Row * Pitch;
                Raster.Fill(TShape::Rect(Centre.X - HalfWidth + 0.6f, Y - 0.35f, Centre.X + HalfWidth - 0.6f,
                                         Y + 0.35f),
                            TRaster::Solid(HeaderPlastic * 0.45f));
            }
            for (int Column = 1; Column < Columns; ++Column) {
                const float X = Centre.X - HalfWidth + Column * Pitch;
                Raster.Fill(TShape::Rect(X - 0.35f, Centre.Y - HalfHeight + 0.6f, X + 0.35f,
                                         Centre.Y + HalfHeight - 0.6f),
                            TRaster::Solid(HeaderPlastic * 0.45f));
            }
            for (const TPoint& Pin : Pins) {
                const float Post = Pitch * 0.16f;
                Raster.Fill(TShape::Rect(Pin.X - Post - 0.6f, Pin.Y - Post - 0.6f, Pin.X + Post + 0.6f,
                                         Pin.Y + Post + 0.6f, 0.3f),
                            TRaster::Solid(HeaderPlastic * 0.5f));
                Raster.FillLit(TShape::Rect(Pin.X - Post, Pin.Y - Post, Pin.X + Post, Pin.Y + Post, 0.3f),
                               TRaster::Solid(GoldColour), Post, 0.8f);
                Raster.Fill(TShape::Circle(Pin.X - Post * 0.3f, Pin.Y - Post * 0.3f, Post * 0.45f),
                            TRaster::Solid({255, 240, 190}), 0.7f);
            }
        },
        2.5f);
    return Pins;
}

void TPartPainter::Passive(TPoint Centre, TAxis LongAxis, TPassive Kind)
{
    const bool Large = Kind == TPassive::Tantalum;
    const float HalfLong = Large ? 6.0f : 2.9f;
    const float HalfShort = Large ? 4.3f : 1.5f;
    const float Cap = Large ? 1.6f : 1.0f;
    const bool Vertical = LongAxis == TAxis::Vertical;
    const float HX = Vertical ? HalfShort : HalfLong;
    const float HY = Vertical ? HalfLong : HalfShort;
    const TShape Body = TShape::Rect(Centre.X - HX, Centre.Y - HY, Centre.X + HX, Centre.Y + HY, 0.4f);

    for (const float Side : {-1.0f, 1.0f}) {
        const TPoint End = Vertical ? TPoint{Centre.X, Centre.Y + Side * (HalfLong - 0.2f)}
                                    : TPoint{Centre.X + Side * (HalfLong - 0.2f), Centre.Y};
        const float PX = Vertical ? HalfShort + 0.5f : Cap + 0.9f;
        const float PY = Vertical ? Cap + 0.9f : HalfShort + 0.5f;
        Pad(TShape::Rect(End.X - PX, End.Y - PY, End.X + PX, End.Y + PY, 0.3f));
    }

    const TRgb BodyColour = Kind == TPassive::Capacitor  ? TRgb{150, 116, 78}
                            : Kind == TPassive::Resistor ? TRgb{28, 28, 28}
                                                         : TRgb{214, 158, 44};
    AddBody(Body, [=](TRaster& Raster) {
        Raster.FillLit(Body, TRaster::Solid(BodyColour), 1.0f, 0.5f);
        for (const float Side : {-1.0f, 1.0f}) {
            const float Inner = HalfLong - Cap;
            const TShape End = Vertical
                                   ? TShape::Rect(Centre.X - HX, Centre.Y + (Side < 0 ? -HY : Inner),
                                                  Centre.X + HX, Centre.Y + (Side < 0 ? -Inner : HY), 0.4f)
                                   : TShape::Rect(Centre.X + (Side < 0 ? -HX : Inner), Centre.Y - HY,
                                                  Centre.X + (Side < 0 ? -Inner : HX), Centre.Y + HY, 0.4f);
            Raster.FillLit(End, TRaster::Solid(TinColour), 0.8f, 0.5f);
        }
        if (Kind == TPassive::Tantalum) {
            // Polarity band at the anode end.
            const float Inner = HalfLong - Cap;
            const TShape Band = Vertical ? TShape::Rect(Centre.X - HX + 0.8f, Centre.Y - Inner,
                                                        Centre.X + HX - 0.8f, Centre.Y - Inner + 2.2f)
                                         : TShape::Rect(Centre.X - Inner, Centre.Y - HY + 0.8f,
                                                        Centre.X - Inner + 2.2f, Centre.Y + HY - 0.8f);
            Raster.Fill(Band, TRaster::Solid({120, 70, 20}));
        }
        if (Kind == TPassive::Resistor)
            Raster.Fill(TShape::Rect(Centre.X - HX + Cap + 0.6f, Centre.Y - HY + 0.5f,
                                     Centre.X + HX - Cap - 0.6f, Centre.Y + HY - 0.5f),
                        TRaster::Solid({70, 70, 70}), 0.35f);
    });
}

void TPartPainter::Oscillator(float Left, float Top, float Right, float Bottom, const std::string& Line1,
                              const std::string& Line2)
{
    const TShape Can = TShape::Rect(Left, Top, Right, Bottom, 4);
    const TShape Pin1Corner = TShape::Rect(Left, Top, Left + 8, Top + 8, 0.5f);
    const TRaster::TPaint Metal = TMaterial::BrushedMetal(CanColour, SeedOf({Left, Top}), TAxis::Horizontal);
    AddBody(
        Can,
        [=](TRaster& Raster) {
            Raster.FillLit(Pin1Corner, Metal, 2.5f, 0.4f);
            Raster.FillLit(Can, Metal, 3.0f, 0.45f);
            // Rolled rim of the can and its crimp against the base.
            const TShape Rim = TShape::Rect(Left + 2.5f, Top + 2.5f, Right - 2.5f, Bottom - 2.5f, 2.5f);
            Raster.FillLit(Rim, Metal, 1.5f, -0.35f);
            const TBitmapFont::TStyle Style{1.0f, CanInk, 0.85f, TBitmapFont::TDirection::Right};
            const float CenterX = (Left + Right) / 2;
            const float CenterY = (Top + Bottom) / 2;
            TBitmapFont::Draw(Raster, CenterX - TBitmapFont::Width(Line1, 1) / 2, CenterY - 8.5f, Line1,
                              Style);
            TBitmapFont::Draw(Raster, CenterX - TBitmapFont::Width(Line2, 1) / 2, CenterY + 1.5f, Line2,
                              Style);
            Raster.Fill(TShape::Circle(Left + 5.5f, Top + 5.5f, 1.2f), TRaster::Solid(CanInk), 0.8f);
        },
        2.0f);
}

void TPartPainter::Electrolytic(TPoint Centre, float Radius)
{
    const TShape Sleeve = TShape::Circle(Centre.X, Centre.Y, Radius);
    const TShape Top = TShape::Circle(Centre.X, Centre.Y, Radius - 2.2f);
    const TRaster::TPaint Aluminium =
        TMaterial::BrushedMetal({196, 198, 202}, SeedOf(Centre), TAxis::Horizontal);
    AddBody(
        Sleeve,
        [=](TRaster& Raster) {
            Raster.FillLit(Sleeve, TRaster::Solid({24, 30, 62}), 2.5f, 0.8f);
            // The negative stripe printed down the sleeve.
            for (float Angle = 2.2f; Angle < 3.4f; Angle += 0.08f)
                Raster.Fill(TShape::Circle(Centre.X + std::cos(Angle) * (Radius - 1.1f),
                                           Centre.Y + std::sin(Angle) * (Radius - 1.1f), 1.0f),
                            TRaster::Solid({150, 160, 190}), 0.8f);
            Raster.FillLit(Top, Aluminium, Radius * 0.4f, 0.35f);
            const TRgb Groove{120, 122, 128};
            const float Arm = Radius * 0.55f;
            Raster.Fill(TShape::Segment(Centre.X - Arm, Centre.Y, Centre.X + Arm, Centre.Y, 0.6f),
                        TRaster::Solid(Groove));
            Raster.Fill(TShape::Segment(Centre.X, Centre.Y - Arm, Centre.X, Centre.Y + Arm, 0.6f),
                        TRaster::Solid(Groove));
            Raster.Fill(TShape::Circle(Centre.X - Radius * 0.3f, Centre.Y - Radius * 0.35f, Radius * 0.22f),
                        TRaster::Solid({250, 250, 250}), 0.25f);
        },
        4.0f);
}

void TPartPainter::PlatedHole(TPoint Centre, float Radius, bool WithPin)
{
    FPadShapes.push_back(TShape::Circle(Centre.X, Centre.Y, Radius));
    AddPad([=](TRaster& Raster) {
        Raster.FillLit(TShape::Circle(Centre.X, Centre.Y, Radius), TRaster::Solid(TinColour), Radius * 0.8f,
                       0.45f);
        if (WithPin)
            Raster.FillLit(TShape::Circle(Centre.X, Centre.Y, Radius * 0.5f),
                           TRaster::Solid(GoldColour * 0.95f), Radius * 0.5f, 0.7f);
        else
            Raster.Fill(TShape::Circle(Centre.X, Centre.Y, Radius * 0.45f), TRaster::Solid({12, 26, 16}));
    });
}

void TPartPainter::Fiducial(TPoint Centre)
{
    FPadShapes.push_back(TShape::Circle(Centre.X, Centre.Y, 3.6f));
    AddPad([=](TRaster& Raster) {
        Raster.Fill(TShape::Circle(Centre.X, Centre.Y, 3.6f), TRaster::Solid({84, 96, 54}));
        Raster.FillLit(TShape::Circle(Centre.X, Centre.Y, 1.7f), TRaster::Solid(TinColour), 1.7f, 0.5f);
    });
}
