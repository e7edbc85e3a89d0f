#include "TBoardSurface.h"

#include "TNoise.h"

#include <algorithm>
#include <cmath>

namespace {
const TRgb MaskGreen{14, 70, 40};
const TRgb CopperGreen{44, 124, 64};
const TRgb Laminate{132, 134, 78};
const TRgb BackdropTop{238, 238, 235};
const TRgb BackdropBottom{222, 223, 219};

// The two key notches of a universal card.
constexpr int NotchPins[] = {12, 13, 50, 51};

float Gauss(float X, float Y, float CenterX, float CenterY, float RadiusX, float RadiusY)
{
    const float NX = (X - CenterX) / RadiusX;
    const float NY = (Y - CenterY) / RadiusY;
    return std::exp(-(NX * NX + NY * NY));
}
} // namespace

TBoardSurface::TBoardSurface(TRaster& Raster) : FRaster(Raster) {}

TShape TBoardSurface::MainOutline() const { return TShape::Rect(Left, Top, Right, Bottom, 3); }

TShape TBoardSurface::TabOutline() const
{
    return TShape::Rect(TabLeft, Bottom - 8, TabRight, TabBottom, 1.5f);
}

bool TBoardSurface::HasFinger(int Number)
{
    return std::find(std::begin(NotchPins), std::end(NotchPins), Number) == std::end(NotchPins);
}

TPoint TBoardSurface::FingerEnd(int Number)
{
    return {TabLeft + 8 + static_cast<float>(Number - 1) * FingerPitch, FingerTop};
}

void TBoardSurface::PaintBackdrop()
{
    const TNoise Noise(11);
    FRaster.Fill(
        TShape::Rect(0, 0, static_cast<float>(FRaster.Width()), static_cast<float>(FRaster.Height())),
        [&](float X, float Y) {
            const TRgb Base = Mix(BackdropTop, BackdropBottom, Y / static_cast<float>(FRaster.Height()));
            return Base * (1 + 0.012f * Noise.Smooth(X, Y, 40));
        });
    TMask Shadow(FRaster.Width(), FRaster.Height());
    Shadow.Fill(MainOutline().Moved(5, 7));
    Shadow.Fill(TabOutline().Moved(5, 7));
    Shadow.Blur(5);
    FRaster.Darken(Shadow, 0.42f);
}

void TBoardSurface::PaintSolderMask(const TMask& Copper, const std::vector<TPoint>& Vias)
{
    const TNoise Noise(23);
    const int Width = FRaster.Width();
    const int Height = FRaster.Height();
    const auto Paint = [&](float X, float Y) {
        const int PX = std::clamp(static_cast<int>(X), 0, Width - 1);
        const int PY = std::clamp(static_cast<int>(Y), 0, Height - 1);
        const float Texture = 1 + 0.05f * Noise.Cloudy(X, Y, 30) + 0.025f * Noise.Grain(PX, PY);
        if (Y > MaskEdge)
            return Laminate * (Texture + 0.05f * Noise.Smooth(X * 0.3f, Y * 3, 1));
        const TRgb Green = Mix(MaskGreen, CopperGreen, Copper.At(PX, PY)) * Texture;
        // The softbox mirrored in the glossy mask.
        const float Sheen = 0.16f * Gauss(X, Y, 390, 70, 260, 110) + 0.05f * Gauss(X, Y, 120, 300, 160, 90);
        return Green + TRgb{255, 255, 250} * Sheen * 0.35f;
    };
    // The lit rim is the board's milled edge; the tab, drawn after, keeps its join seamless.
    FRaster.FillLit(MainOutline(), Paint, 1.5f, 0.3f);
    FRaster.Fill(TabOutline(), Paint);
    // The mask ends in a slightly raised lip above the fingers.
    FRaster.Fill(TShape::Rect(TabLeft + 1, MaskEdge - 0.6f, TabRight - 1, MaskEdge + 0.6f),
                 TRaster::Solid(MaskGreen * 0.7f), 0.6f);

    for (const TPoint& Via : Vias) {
        FRaster.FillLit(TShape::Circle(Via.X, Via.Y, 2.2f), TRaster::Solid(CopperGreen * 1.08f), 1.2f, 0.35f,
                        0.7f);
        FRaster.Fill(TShape::Circle(Via.X, Via.Y, 0.9f), TRaster::Solid({12, 40, 22}), 0.85f);
    }
}

void TBoardSurface::PaintEdgeFingers()
{
    const TRgb Gold{236, 198, 104};
    const TRgb DeepGold{176, 132, 52};
    for (int Number = 1; Number <= FingerCount; ++Number) {
        if (!HasFinger(Number))
            continue;
        const TPoint End = FingerEnd(Number);
        const TShape Finger = TShape::Rect(End.X - 1.45f, End.Y, End.X + 1.45f, TabBottom - 2.5f, 0.9f);
        FRaster.FillLit(
            Finger,
            [&](float, float Y) {
                const float T = (Y - End.Y) / (TabBottom - End.Y);
                const float Glint = 0.25f * Gauss(0, Y, 0, 384, 1, 4);
                return Mix(Gold, DeepGold, T) * (1 + Glint);
            },
            1.0f, 0.4f);
    }
    // The key notches show the backdrop through the board.
    const TRaster::TPaint Backdrop = [&](float, float Y) {
        return Mix(BackdropTop, BackdropBottom, Y / static_cast<float>(FRaster.Height())) * 0.8f;
    };
    for (const int First : {12, 50}) {
        const float Center = (FingerEnd(First).X + FingerEnd(First + 1).X) / 2;
        FRaster.Fill(TShape::Rect(Center - 3.2f, 380, Center + 3.2f, TabBottom + 6, 3.2f), Backdrop);
    }
    // The bevelled lower edge of the tab catches the light.
    FRaster.Fill(TShape::Rect(TabLeft + 1, TabBottom - 2, TabRight - 1, TabBottom - 0.5f),
                 TRaster::Solid({200, 190, 140}), 0.5f);
}

void TBoardSurface::FinishPhoto()
{
    FRaster.Soften(0.22f);
    const TNoise Noise(97);
    const float Width = static_cast<float>(FRaster.Width());
    const float Height = static_cast<float>(FRaster.Height());
    const float CenterX = static_cast<float>(FRaster.Width()) / 2;
    const float CenterY = static_cast<float>(FRaster.Height()) / 2;
    FRaster.Apply([&](int X, int Y, TRgb Colour) {
        const float NX = (static_cast<float>(X) - CenterX) / CenterX;
        const float NY = (static_cast<float>(Y) - CenterY) / CenterY;
        // The lamp stands to the upper left.
        const float Falloff =
            1.03f - 0.07f * (0.6f * static_cast<float>(X) / Width + 0.4f * static_cast<float>(Y) / Height);
        const float Vignette = Falloff * (1 - 0.07f * (NX * NX + NY * NY));
        const float Grain = 1.6f * Noise.Grain(X, Y);
        const TRgb Warm{Colour.R * 1.01f, Colour.G, Colour.B * 0.985f};
        return Warm * Vignette + TRgb{Grain, Grain, Grain};
    });
}
