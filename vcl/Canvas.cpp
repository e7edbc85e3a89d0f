#include "vcl/Canvas.h"

#include "vcl/Bitmap.h"
#include "vcl/Platform.h"

#include <algorithm>
#include <vector>

namespace vcl {

void TCanvas::SetTarget(TBitmap* Target, TPoint Origin, TRect Clip)
{
    FTarget = Target;
    FOrigin = Origin;
    FClip = Clip;
}

TRect TCanvas::ClipRect() const
{
    if (!FTarget)
        return {};
    const TRect Whole{0, 0, FTarget->Width(), FTarget->Height()};
    return FClip.IsEmpty() ? Whole : FClip.Intersect(Whole);
}

uint8_t* TCanvas::TargetPixel(int TX, int TY) const
{
    if (!FTarget || !ClipRect().Contains({TX, TY}))
        return nullptr;
    return FTarget->Bits() + (static_cast<size_t>(TY) * FTarget->Width() + TX) * 4;
}

void TCanvas::PutPixel(int TX, int TY, TColor RGBColor)
{
    if (uint8_t* P = TargetPixel(TX, TY)) {
        P[0] = static_cast<uint8_t>(GetBValue(RGBColor));
        P[1] = static_cast<uint8_t>(GetGValue(RGBColor));
        P[2] = static_cast<uint8_t>(GetRValue(RGBColor));
    }
}

TColor TCanvas::Pixel(int X, int Y) const
{
    const uint8_t* P = TargetPixel(X + FOrigin.X, Y + FOrigin.Y);
    return P ? RGB(P[2], P[1], P[0]) : clNone;
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
    PutPixel(X + FOrigin.X, Y + FOrigin.Y, ColorToRGB(Color));
}

void TCanvas::FillRect(const TRect& Rect)
{
    if (Brush.Style == bsClearBrush)
        return;
    const TColor Color = ColorToRGB(Brush.Color);
    const TRect R = Rect.Offset(FOrigin.X, FOrigin.Y).Intersect(ClipRect());
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X)
            PutPixel(X, Y, Color);
}

// Fills the pixels whose centres lie inside, and outlines the inside pixels that
// touch the outside, Pen.Width deep.
void TCanvas::DrawShape(const TRect& Bounds, const TInsideTest& Inside)
{
    const int W = Bounds.Width();
    const int H = Bounds.Height();
    if (W <= 0 || H <= 0)
        return;
    std::vector<int> Depth(static_cast<size_t>(W) * H, 0);
    auto At = [&](int X, int Y) -> int& { return Depth[static_cast<size_t>(Y) * W + X]; };
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            At(X, Y) = Inside(Bounds.Left + X + 0.5, Bounds.Top + Y + 0.5) ? 1 << 20 : 0;
    // Depth of each inside pixel: its distance in 4-steps from the outside.
    for (int Pass = 1; Pass <= std::max(Pen.Width, 1); ++Pass)
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                if (At(X, Y) <= Pass)
                    continue;
                auto Outer = [&](int NX, int NY) {
                    return NX < 0 || NY < 0 || NX >= W || NY >= H || At(NX, NY) < Pass;
                };
                if (Outer(X - 1, Y) || Outer(X + 1, Y) || Outer(X, Y - 1) || Outer(X, Y + 1))
                    At(X, Y) = Pass;
            }
    const TColor PenColor = ColorToRGB(Pen.Color);
    const TColor BrushColor = ColorToRGB(Brush.Color);
    const int PenDepth = Pen.Style == psClear ? 0 : std::max(Pen.Width, 1);
    int DashStep = 0;
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
            const int D = At(X, Y);
            if (D == 0)
                continue;
            const int TX = Bounds.Left + X + FOrigin.X;
            const int TY = Bounds.Top + Y + FOrigin.Y;
            if (D <= PenDepth) {
                if (Pen.Style == psSolid || (DashStep++ / 3) % 2 == 0)
                    PutPixel(TX, TY, PenColor);
            } else if (Brush.Style == bsSolidBrush) {
                PutPixel(TX, TY, BrushColor);
            }
        }
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    DrawShape({X1, Y1, X2, Y2}, [](double, double) { return true; });
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    const double CX = (X1 + X2) / 2.0, CY = (Y1 + Y2) / 2.0;
    const double RX = (X2 - X1) / 2.0, RY = (Y2 - Y1) / 2.0;
    DrawShape({X1, Y1, X2, Y2}, [=](double PX, double PY) {
        const double DX = (PX - CX) / RX, DY = (PY - CY) / RY;
        return DX * DX + DY * DY <= 1.0;
    });
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight)
{
    const double RX = CornerWidth / 2.0, RY = CornerHeight / 2.0;
    DrawShape({X1, Y1, X2, Y2}, [=](double PX, double PY) {
        if (RX <= 0 || RY <= 0)
            return true;
        const double CX = PX < X1 + RX ? X1 + RX : (PX > X2 - RX ? X2 - RX : PX);
        const double CY = PY < Y1 + RY ? Y1 + RY : (PY > Y2 - RY ? Y2 - RY : PY);
        const double DX = (PX - CX) / RX, DY = (PY - CY) / RY;
        return DX * DX + DY * DY <= 1.0;
    });
}

void TCanvas::StretchBits(const TRect& Dest, const TBitmap& Source, const TRect* SourceRect)
{
    const TRect Src = SourceRect ? *SourceRect : TRect{0, 0, Source.Width(), Source.Height()};
    if (Dest.IsEmpty() || Src.IsEmpty() || !FTarget)
        return;
    const TRect Target = Dest.Offset(FOrigin.X, FOrigin.Y);
    const TRect Visible = Target.Intersect(ClipRect());
    if (Target.Width() == Src.Width() && Target.Height() == Src.Height()) {
        CopyUnscaled(Source, Src, Target, Visible);
        return;
    }
    for (int Y = Visible.Top; Y < Visible.Bottom; ++Y) {
        const int SY =
            Src.Top + static_cast<int>(static_cast<int64_t>(Y - Target.Top) * Src.Height() / Target.Height());
        if (SY < 0 || SY >= Source.Height())
            continue;
        const uint8_t* Row = Source.ScanLine(SY);
        uint8_t* Out = FTarget->ScanLine(Y);
        for (int X = Visible.Left; X < Visible.Right; ++X) {
            const int SX = Src.Left + static_cast<int>(static_cast<int64_t>(X - Target.Left) * Src.Width() /
                                                       Target.Width());
            if (SX < 0 || SX >= Source.Width())
                continue;
            std::copy_n(Row + SX * 4, 4, Out + X * 4);
        }
    }
}

// A one-to-one copy goes row by row, limited to what the source has.
void TCanvas::CopyUnscaled(const TBitmap& Source, const TRect& Src, const TRect& Target, const TRect& Visible)
{
    const TRect Have =
        TRect{0, 0, Source.Width(), Source.Height()}.Offset(Target.Left - Src.Left, Target.Top - Src.Top);
    const TRect Area = Visible.Intersect(Have);
    if (Area.IsEmpty())
        return;
    for (int Y = Area.Top; Y < Area.Bottom; ++Y) {
        const uint8_t* Row =
            Source.ScanLine(Y - Target.Top + Src.Top) + (Area.Left - Target.Left + Src.Left) * 4;
        std::copy_n(Row, Area.Width() * 4, FTarget->ScanLine(Y) + Area.Left * 4);
    }
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect)
{
    if (!Source.FTarget)
        return;
    const TRect Src = SourceRect.Offset(Source.FOrigin.X, Source.FOrigin.Y);
    if (Source.FTarget == FTarget) {
        // Same surface: copy through a snapshot so overlapping areas stay intact.
        TBitmap Snapshot;
        Snapshot.Assign(*Source.FTarget);
        StretchBits(Dest, Snapshot, &Src);
        return;
    }
    StretchBits(Dest, *Source.FTarget, &Src);
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) { Graphic.Draw(*this, Rect); }

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic)
{
    StretchDraw(Bounds(X, Y, Graphic.Width(), Graphic.Height()), Graphic);
}

TPoint TCanvas::TextExtent(const std::string& Text) const
{
    if (IPlatform* P = Platform())
        return P->TextExtent(Font, Text);
    return {static_cast<int>(Text.size()) * Font.PixelSize() / 2, Font.PixelSize() + 2};
}

void TCanvas::TextOut(int X, int Y, const std::string& Text)
{
    if (Brush.Style == bsSolidBrush) {
        const TPoint Extent = TextExtent(Text);
        FillRect(Bounds(X, Y, Extent.X, Extent.Y));
    }
    if (IPlatform* P = Platform(); P && FTarget)
        P->DrawText(*FTarget, ClipRect(), X + FOrigin.X, Y + FOrigin.Y, Text, Font);
}

} // namespace vcl
