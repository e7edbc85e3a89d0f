#include "TCardScene.h"

#include "TBitmapFont.h"
#include "TBoardSurface.h"
#include "TMaterial.h"
#include "TNoise.h"

#include <cmath>
#include <string>
#include <vector>

namespace {
const TRgb SilkColour{234, 236, 226};
const TRgb Zinc{182, 186, 190};

// The termination jumpers: one OUTPUT and one INPUT jumper per port, ports A to H downwards.
constexpr float OutputColumnX = 102;
constexpr float InputColumnX = 115;
constexpr float TerminationCenterY = 233;
constexpr float PortPitch = 20.5f;
constexpr float JumperPitch = 8;

// The clock multiplier jumper, pins side by side.
constexpr TPoint ClockJumperCentre{579.5f, 227.5f};
constexpr float ClockJumperPitch = 9;

constexpr float ConnectorRowX[] = {60, 68, 76};
constexpr int ConnectorRowPins[] = {21, 21, 20};
constexpr float ConnectorPitch = 10.5f;

constexpr TPoint Uart1{318, 100};
constexpr TPoint Uart2{438, 100};
constexpr float UartSize = 80;
constexpr int UartPinsPerSide = 17;
constexpr float UartPitch = 4.25f;
constexpr TPoint Bridge{378, 262};
constexpr float BridgeSize = 64;
constexpr int BridgePinsPerSide = 26;

constexpr float TransceiverColumnX[] = {168, 218};

float TransceiverRow(int Pair) { return TerminationCenterY + (2 * Pair - 3) * PortPitch; }
} // namespace

TCardScene::TCardScene(TRaster& Raster) : FRaster(Raster) {}

float TCardScene::PortRow(int Port)
{
    return TerminationCenterY + (static_cast<float>(Port) - 3.5f) * PortPitch;
}

TPoint TCardScene::ConnectorHole(int Row, int Index)
{
    return {ConnectorRowX[Row],
            98 + static_cast<float>(Row) * ConnectorPitch / 3 + static_cast<float>(Index) * ConnectorPitch};
}

void TCardScene::Paint()
{
    TPartPainter Parts(FRaster);
    TMask Copper(FRaster.Width(), FRaster.Height());
    TTraceRouter Traces(Copper, 1.25f);

    PlaceBracketAndConnector(Parts, Traces);
    PlaceTermination(Parts, Traces);
    PlaceTransceivers(Parts, Traces);
    PlaceControllers(Parts, Traces);
    PlaceClock(Parts, Traces);
    PlaceSupport(Parts, Traces);
    PourGround(Parts, Copper);

    TBoardSurface Surface(FRaster);
    Surface.PaintBackdrop();
    Surface.PaintSolderMask(Copper, Traces.Vias());
    Surface.PaintEdgeFingers();
    PaintSilkscreen();
    Parts.Render();
    Surface.FinishPhoto();
}

void TCardScene::PourGround(const TPartPainter& Parts, TMask& Copper)
{
    TMask Pour(FRaster.Width(), FRaster.Height());
    Pour.Fill(TShape::Rect(TBoardSurface::Left + 50, TBoardSurface::Top + 4, TBoardSurface::Right - 4,
                           TBoardSurface::Bottom - 4, 3),
              0.7f);
    TMask Clearance = Copper;
    Parts.MarkPads(Clearance);
    Clearance.Dilate(2);
    Pour.Cut(Clearance);
    Copper.Merge(Pour);
}

void TCardScene::PlaceBracketAndConnector(TPartPainter& Parts, TTraceRouter& Traces)
{
    // The bracket is seen edge on; its bent-over top shows as a wider foot.
    const TShape Bracket = TShape::Rect(1, 0, 8, 414, 0.8f);
    const TShape BracketTop = TShape::Rect(0, 0, 9, 6, 1);
    Parts.AddBody(
        Bracket,
        [=](TRaster& Raster) {
            Raster.FillLit(Bracket, TRaster::HorizontalGradient(1, {214, 216, 220}, 8, {150, 153, 158}), 2,
                           0.3f);
            Raster.FillLit(BracketTop, TRaster::Solid({200, 202, 206}), 1.5f, 0.4f);
        },
        2.0f);

    for (int Row = 0; Row < 3; ++Row)
        for (int Index = 0; Index < ConnectorRowPins[Row]; ++Index)
            Parts.PlatedHole(ConnectorHole(Row, Index), 2.8f, true);

    // Pin tails run from the insulator back to their holes.
    for (int Row = 0; Row < 3; ++Row)
        for (int Index = 0; Index < ConnectorRowPins[Row]; ++Index) {
            const TPoint Hole = ConnectorHole(Row, Index);
            const TShape Tail = TShape::Segment(54, Hole.Y, Hole.X, Hole.Y, 0.75f);
            Parts.AddBody(Tail, [=](TRaster& Raster) {
                Raster.FillLit(Tail, TRaster::Solid({206, 178, 104}), 0.75f, 0.7f);
            });
        }

    const TShape Shell = TShape::Rect(8, 50, 50, 358, 2.5f);
    const TShape Pressed = TShape::Rect(15, 76, 45, 332, 5);
    const TShape Insulator = TShape::Rect(48, 78, 56, 330, 1);
    Parts.AddBody(
        Insulator,
        [=](TRaster& Raster) {
            Raster.FillLit(Insulator, TRaster::Solid({34, 34, 38}), 1.5f, 0.6f);
        },
        3.0f);
    Parts.AddBody(
        Shell,
        [=](TRaster& Raster) {
            const TRaster::TPaint Grain = TMaterial::BrushedMetal(Zinc, 5, TAxis::Vertical);
            // Curved top of the shell: bright along its crown, darker towards both sides.
            const TRaster::TPaint Metal = [Grain](float X, float Y) {
                return Grain(X, Y) * (0.82f + 0.3f * std::exp(-std::pow((X - 26) / 11, 2.0f)));
            };
            Raster.FillLit(Shell, Metal, 2.5f, 0.45f);
            Raster.FillLit(Pressed, Metal, 2.0f, -0.35f);
            Raster.FillLit(TShape::Rect(18, 80, 42, 328, 4), Metal, 1.5f, 0.3f);
            // A broad reflection along the shell.
            Raster.Fill(TShape::Rect(24, 82, 30, 326, 3), TRaster::Solid({250, 250, 252}), 0.22f);
            for (const float Y : {63.0f, 345.0f}) {
                Raster.FillLit(TShape::Circle(29, Y, 7), Metal, 2.5f, 0.5f);
                Raster.FillLit(TShape::Circle(29, Y, 4.2f), TRaster::Solid(Zinc * 0.8f), 2.0f, -0.6f);
                Raster.Fill(TShape::Circle(29, Y, 1.8f), TRaster::Solid({40, 42, 46}));
            }
        },
        3.0f);

    // Lines of the OUTPUT jumpers come straight from the connector.
    std::vector<TPoint> Pins;
    for (int Port = 0; Port < 8; ++Port)
        for (const float Side : {-1.0f, 1.0f})
            Pins.push_back({OutputColumnX, PortRow(Port) + Side * JumperPitch / 2});
    for (std::size_t Index = 0; Index < Pins.size(); ++Index)
        Traces.Route(ConnectorHole(2, static_cast<int>(Index) + 4), Pins[Index], TAxis::Horizontal,
                     TAxis::Horizontal);
    // Surge protectors on the first lines: lower holes go further right, so the lines never cross.
    for (int Index = 0; Index < 4; ++Index) {
        const TPoint Protector{103 + static_cast<float>(Index) * 13, 78};
        const std::vector<TPoint> Pads = Parts.Sot(Protector, TAxis::Horizontal, "");
        Traces.Route(ConnectorHole(2, Index), Pads[0], TAxis::Horizontal, TAxis::Vertical);
        Traces.Polyline({Pads[4], {Pads[4].X, Pads[4].Y - 7}});
        Traces.Via({Pads[4].X, Pads[4].Y - 7});
    }
}

void TCardScene::PlaceTermination(TPartPainter& Parts, TTraceRouter& Traces)
{
    for (int Port = 0; Port < 8; ++Port) {
        const float Y = PortRow(Port);
        Parts.PinHeader({OutputColumnX, Y}, 1, 2, JumperPitch);
        Parts.PinHeader({InputColumnX, Y}, 1, 2, JumperPitch);
        // The 120 ohm load each INPUT jumper switches in.
        Parts.Passive({131, Y}, TAxis::Vertical, TPartPainter::TPassive::Resistor);
        Traces.Route({InputColumnX, Y - JumperPitch / 2}, {131, Y - 2.7f}, TAxis::Horizontal,
                     TAxis::Horizontal);
        Traces.Route({InputColumnX, Y + JumperPitch / 2}, {131, Y + 2.7f}, TAxis::Horizontal,
                     TAxis::Horizontal);
    }
}

void TCardScene::PlaceTransceivers(TPartPainter& Parts, TTraceRouter& Traces)
{
    std::vector<TPoint> BusSources;
    for (int Port = 0; Port < 8; ++Port) {
        const int Column = Port % 2;
        const TPoint Centre{TransceiverColumnX[Column], TransceiverRow(Port / 2)};
        const std::vector<TPoint> Pads = Parts.Soic(Centre, 14, TAxis::Vertical, "485E");
        Parts.Passive({Centre.X, Centre.Y - 19.5f}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);

        const float Y = PortRow(Port);
        if (Column == 0) {
            Traces.Route({131, Y - 2.7f}, Pads[0], TAxis::Horizontal, TAxis::Horizontal);
            Traces.Route({131, Y + 2.7f}, Pads[1], TAxis::Horizontal, TAxis::Horizontal);
            for (const int Pin : {8, 10, 12}) {
                Traces.Route(Pads[Pin], {Pads[Pin].X + 9, Pads[Pin].Y + 1.5f}, TAxis::Horizontal,
                             TAxis::Horizontal);
                Traces.Via({Pads[Pin].X + 9, Pads[Pin].Y + 1.5f});
            }
        } else {
            for (const float Side : {-1.0f, 1.0f}) {
                const TPoint Via{144, Y + Side * 4.5f};
                Traces.Route({131, Y + Side * 2.7f}, Via, TAxis::Horizontal, TAxis::Horizontal);
                Traces.Via(Via);
            }
            for (const int Pin : {1, 3, 5}) {
                Traces.Route({Pads[Pin].X - 10, Pads[Pin].Y - 1.5f}, Pads[Pin], TAxis::Horizontal,
                             TAxis::Horizontal);
                Traces.Via({Pads[Pin].X - 10, Pads[Pin].Y - 1.5f});
            }
            // Right-hand pads from the top down: pins 14, 13, 12, 11.
            for (const int Pin : {13, 12, 11, 10})
                BusSources.push_back(Pads[Pin]);
        }
    }

    // Stair-stepped bus into the first UART: lower lines turn further right, so none cross.
    for (std::size_t Line = 0; Line < BusSources.size(); ++Line) {
        const TPoint Target{Uart1.X - UartSize / 2 - 0.5f,
                            Uart1.Y + (static_cast<float>(Line) + 1 - 8) * UartPitch};
        Traces.Dogleg(BusSources[Line], Target, 234 + static_cast<float>(Line) * 2.55f, 1.5f);
    }
}

void TCardScene::PlaceControllers(TPartPainter& Parts, TTraceRouter& Traces)
{
    const std::vector<TPoint> First =
        Parts.Plcc(Uart1, UartSize, UartPinsPerSide, "QUAD UART\n654-CJ\n0417A");
    const std::vector<TPoint> Second =
        Parts.Plcc(Uart2, UartSize, UartPinsPerSide, "QUAD UART\n654-CJ\n0417A");
    const std::vector<TPoint> BridgePads =
        Parts.Qfp(Bridge, BridgeSize, BridgePinsPerSide, "PCI 32\nTARGET\n0422");

    // Pad lists run anticlockwise from the top of the left side; the bottom side starts at index PerSide.
    const auto BottomOf = [](const std::vector<TPoint>& Pads, int PerSide, int Index) {
        return Pads[static_cast<std::size_t>(PerSide + Index)];
    };
    const auto TopOf = [](const std::vector<TPoint>& Pads, int PerSide, int Index) {
        return Pads[static_cast<std::size_t>(3 * PerSide + Index)];
    };

    // Data buses down to the bridge.
    for (int Line = 0; Line < 8; ++Line) {
        Traces.Route(BottomOf(First, UartPinsPerSide, 9 + Line),
                     TopOf(BridgePads, BridgePinsPerSide, 25 - Line), TAxis::Vertical, TAxis::Vertical);
        Traces.Route(BottomOf(Second, UartPinsPerSide, Line), TopOf(BridgePads, BridgePinsPerSide, 16 - Line),
                     TAxis::Vertical, TAxis::Vertical);
    }

    // Local bus between the two UARTs, and their top and outer pins to the inner layers.
    for (int Index = 2; Index <= 14; ++Index)
        Traces.Polyline({First[static_cast<std::size_t>(2 * UartPinsPerSide + Index)],
                         Second[static_cast<std::size_t>(UartPinsPerSide - 1 - Index)]});
    for (const std::vector<TPoint>* Pads : {&First, &Second})
        for (int Index = 1; Index < UartPinsPerSide; Index += 2) {
            const TPoint Pad = TopOf(*Pads, UartPinsPerSide, Index);
            const TPoint Via{Pad.X, Pad.Y - (Index % 4 == 1 ? 7.0f : 12.0f)};
            Traces.Polyline({Pad, Via});
            Traces.Via(Via);
        }
    for (int Index = 1; Index < UartPinsPerSide; Index += 2) {
        const TPoint Pad = Second[static_cast<std::size_t>(2 * UartPinsPerSide + Index)];
        const TPoint Via{Pad.X + (Index % 4 == 1 ? 8.0f : 14.0f), Pad.Y};
        Traces.Polyline({Pad, Via});
        Traces.Via(Via);
    }

    // The bridge fans out to the PCI edge fingers below it.
    std::vector<int> Fingers;
    for (int Number = 36; Number <= 62; ++Number)
        if (TBoardSurface::HasFinger(Number))
            Fingers.push_back(Number);
    for (std::size_t Line = 0; Line < Fingers.size(); ++Line) {
        const TPoint Pad = BottomOf(BridgePads, BridgePinsPerSide, static_cast<int>(Line));
        Traces.Route(Pad, TBoardSurface::FingerEnd(Fingers[Line]), TAxis::Vertical, TAxis::Vertical);
    }
    // Power and ground fingers drop straight into vias.
    for (int Number = 1; Number < 36; ++Number) {
        if (!TBoardSurface::HasFinger(Number))
            continue;
        const TPoint End = TBoardSurface::FingerEnd(Number);
        const TPoint Via{End.X, Number % 2 == 0 ? 355.0f : 362.0f};
        Traces.Polyline({{End.X, End.Y + 1}, Via});
        Traces.Via(Via);
    }
    // Left side of the bridge: local bus control lines to the inner layers.
    for (int Index = 2; Index < BridgePinsPerSide; Index += 3) {
        const TPoint Pad = BridgePads[static_cast<std::size_t>(Index)];
        const TPoint Via{Pad.X - 12 - static_cast<float>(Index % 2) * 5, Pad.Y};
        Traces.Polyline({Pad, Via});
        Traces.Via(Via);
    }
    // Decoupling at the UART corners.
    for (const TPoint Centre : {Uart1, Uart2}) {
        Parts.Passive({Centre.X - 46, Centre.Y - 46}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);
        Parts.Passive({Centre.X + 46, Centre.Y + 46}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);
    }
    Parts.Passive({Bridge.X - 42, Bridge.Y - 42}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);
    Parts.Passive({Bridge.X + 42, Bridge.Y + 42}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);
}

void TCardScene::PlaceClock(TPartPainter& Parts, TTraceRouter& Traces)
{
    Parts.Oscillator(506, 203, 550, 247, "14.7456", "MHZ");
    const std::vector<TPoint> Pins = Parts.PinHeader(ClockJumperCentre, 2, 1, ClockJumperPitch);
    const std::vector<TPoint> Divider = Parts.Soic({579, 266}, 8, TAxis::Vertical, "DIV");
    Parts.Passive({528, 194}, TAxis::Horizontal, TPartPainter::TPassive::Capacitor);

    Traces.Route({544, 241}, Pins[0], TAxis::Horizontal, TAxis::Vertical);
    Traces.Route(Pins[1], Divider[7], TAxis::Vertical, TAxis::Vertical);
    Traces.Route({512, 209}, {498, 200}, TAxis::Horizontal, TAxis::Vertical);
    Traces.Via({498, 200});
    // The selected clock runs back to both UARTs.
    Traces.Route(Divider[2], {548, 300}, TAxis::Horizontal, TAxis::Vertical);
    Traces.Via({548, 300});
}

void TCardScene::PlaceSupport(TPartPainter& Parts, TTraceRouter& Traces)
{
    // Port control logic above the transceivers.
    const std::vector<TPoint> Logic1 = Parts.Soic({178, 60}, 14, TAxis::Horizontal, "HC125");
    const std::vector<TPoint> Logic2 = Parts.Soic({178, 108}, 14, TAxis::Horizontal, "HC14");
    Parts.Passive({206, 84}, TAxis::Vertical, TPartPainter::TPassive::Capacitor);
    Parts.Passive({150, 84}, TAxis::Vertical, TPartPainter::TPassive::Capacitor);
    for (int Pin = 7; Pin < 14; Pin += 2)
        Traces.Route(Logic1[static_cast<std::size_t>(Pin)], Logic2[static_cast<std::size_t>(Pin - 7)],
                     TAxis::Vertical, TAxis::Vertical);
    for (int Pin = 1; Pin < 7; Pin += 2) {
        const TPoint Pad = Logic2[static_cast<std::size_t>(13 - Pin)];
        Traces.Polyline({Pad, {Pad.X, Pad.Y - 10}});
        Traces.Via({Pad.X, Pad.Y - 10});
    }

    // Supply filtering and the 3.3 V regulator in the top right corner.
    Parts.Electrolytic({552, 62}, 17);
    Parts.Passive({516, 44}, TAxis::Vertical, TPartPainter::TPassive::Tantalum);
    Parts.Passive({516, 80}, TAxis::Vertical, TPartPainter::TPassive::Tantalum);
    Parts.Passive({500, 62}, TAxis::Vertical, TPartPainter::TPassive::Capacitor);
    const std::vector<TPoint> Regulator = Parts.Soic({528, 152}, 8, TAxis::Horizontal, "");
    Parts.Passive({566, 146}, TAxis::Vertical, TPartPainter::TPassive::Tantalum);
    Parts.Passive({500, 152}, TAxis::Vertical, TPartPainter::TPassive::Capacitor);
    TTraceRouter Power(Traces.Copper(), 3.2f);
    Power.Route({548, 78}, Regulator[4], TAxis::Vertical, TAxis::Vertical);
    Power.Route(Regulator[3], {566, 152}, TAxis::Vertical, TAxis::Horizontal);
    Power.Route({516, 86}, {516, 110}, TAxis::Vertical, TAxis::Vertical);
    for (const float X : {510.0f, 518.0f, 526.0f})
        Traces.Via({X, 112});
    for (int Pin = 0; Pin < 3; ++Pin) {
        const TPoint Pad = Regulator[static_cast<std::size_t>(Pin)];
        Traces.Polyline({Pad, {Pad.X, Pad.Y + 14}});
        Traces.Via({Pad.X, Pad.Y + 14});
    }

    // Filter capacitors along the bottom edge, one per port.
    for (int Port = 0; Port < 8; ++Port) {
        const TPoint Centre{148 + static_cast<float>(Port) * 12.5f, 334};
        Parts.Passive(Centre, TAxis::Vertical,
                      Port % 2 == 0 ? TPartPainter::TPassive::Capacitor : TPartPainter::TPassive::Resistor);
        Traces.Polyline({{Centre.X, Centre.Y - 2.7f}, {Centre.X, Centre.Y - 14}});
        Traces.Via({Centre.X, Centre.Y - 14});
    }
    Parts.Passive({112, 338}, TAxis::Horizontal, TPartPainter::TPassive::Tantalum);
    Parts.Fiducial({240, 348});
    Parts.Fiducial({586, 22});
    Parts.Fiducial({470, 356});

    // Configuration memory beside the bridge.
    const std::vector<TPoint> Memory = Parts.Soic({458, 262}, 8, TAxis::Horizontal, "C46");
    for (int Pin = 0; Pin < 4; ++Pin) {
        const TPoint Pad = Memory[static_cast<std::size_t>(7 - Pin)];
        Traces.Route({Bridge.X + BridgeSize / 2 + 3.5f, Bridge.Y - 20 + static_cast<float>(Pin) * 2.32f * 3},
                     Pad, TAxis::Horizontal, TAxis::Vertical);
    }

    // The serial number label.
    const TShape Label = TShape::Rect(470, 306, 578, 344, 1.5f);
    Parts.AddBody(Label, [=](TRaster& Raster) {
        Raster.FillLit(Label, TRaster::VerticalGradient(306, {246, 246, 242}, 344, {228, 228, 222}), 1.5f,
                       0.15f);
        const TNoise Bars(1234);
        float X = 476;
        while (X < 572) {
            const float Width = Bars.Grain(static_cast<int>(X), 3) > 0.2f ? 1.6f : 0.8f;
            Raster.Fill(TShape::Rect(X, 310, X + Width, 330), TRaster::Solid({30, 30, 34}));
            X += Width + (Bars.Grain(static_cast<int>(X), 9) > 0 ? 1.6f : 0.9f);
        }
        TBitmapFont::Draw(Raster, 478, 334, "SN 8K-041772",
                          {0.9f, {40, 40, 44}, 0.95f, TBitmapFont::TDirection::Right});
    });
}

void TCardScene::PaintSilkscreen()
{
    // Termination block: a frame, port letters, and the column labels read from the connector side.
    SilkBox(95, 150, 122.5f, 316);
    const char* const Ports = "ABCDEFGH";
    for (int Port = 0; Port < 8; ++Port)
        Silk(86.5f, PortRow(Port) - 3.5f, std::string(1, Ports[Port]));
    Silk(OutputColumnX - 3.5f, 146, "OUTPUT", 1, true);
    Silk(InputColumnX - 3.5f, 146, "INPUT", 1, true);
    Silk(84, 132, "JP1", 0.9f, true);

    // Clock jumper: "X8" over "CLK".
    Silk(ClockJumperCentre.X - TBitmapFont::Width("X8", 1) / 2, 200, "X8");
    Silk(ClockJumperCentre.X - TBitmapFont::Width("CLK", 1) / 2, 209, "CLK");
    SilkBox(569, 221.5f, 590, 233.5f);
    Silk(508, 252, "Y1", 0.9f);
    Silk(560, 281, "U15", 0.9f);

    Silk(58, 40, "J1", 1);
    Silk(Uart1.X - 44, Uart1.Y - 58, "U1", 0.9f);
    Silk(Uart2.X - 44, Uart2.Y - 58, "U2", 0.9f);
    Silk(Bridge.X - 42, Bridge.Y + 38, "U3", 0.9f);
    for (const TPoint Centre : {Uart1, Uart2}) {
        const float Half = UartSize / 2 + 6;
        SilkLine(Centre.X - Half + 6, Centre.Y - Half, Centre.X + Half, Centre.Y - Half);
        SilkLine(Centre.X + Half, Centre.Y - Half, Centre.X + Half, Centre.Y + Half);
        SilkLine(Centre.X + Half, Centre.Y + Half, Centre.X - Half, Centre.Y + Half);
        SilkLine(Centre.X - Half, Centre.Y + Half, Centre.X - Half, Centre.Y - Half + 6);
        SilkLine(Centre.X - Half, Centre.Y - Half + 6, Centre.X - Half + 6, Centre.Y - Half);
    }
    for (int Port = 0; Port < 8; ++Port) {
        std::string Designator = "U";
        Designator += std::to_string(4 + Port);
        Silk(TransceiverColumnX[Port % 2] + 8, TransceiverRow(Port / 2) - 24, Designator, 0.8f);
    }

    Silk(150, 24, "KSR-485/8", 1.6f);
    Silk(155, 40, "RS-422/485  8 PORT", 0.8f);
    Silk(262, 336, "REV B", 0.9f);
    Silk(262, 346, "94V-0", 0.8f);
    Silk(470, 288, "U14", 0.8f);
    Silk(540, 86, "+", 1);
}

void TCardScene::Silk(float X, float Y, std::string_view Text, float Size, bool Upwards)
{
    TBitmapFont::Draw(
        FRaster, X, Y, Text,
        {Size, SilkColour, 0.9f, Upwards ? TBitmapFont::TDirection::Up : TBitmapFont::TDirection::Right});
}

void TCardScene::SilkLine(float X1, float Y1, float X2, float Y2)
{
    FRaster.Fill(TShape::Segment(X1, Y1, X2, Y2, 0.45f), TRaster::Solid(SilkColour), 0.85f);
}

void TCardScene::SilkBox(float Left, float Top, float Right, float Bottom)
{
    SilkLine(Left, Top, Right, Top);
    SilkLine(Right, Top, Right, Bottom);
    SilkLine(Right, Bottom, Left, Bottom);
    SilkLine(Left, Bottom, Left, Top);
}
