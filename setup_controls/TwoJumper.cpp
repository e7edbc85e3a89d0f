#include "setup_controls/TwoJumper.h"

#include "setup_controls/RadioPanel.h"
#include "vcl/Canvas.h"
#include "vcl/WinControl.h"

#include <algorithm>
#include <cstdint>

namespace setup {

using namespace vcl;

namespace {

bool IsVertical(TOrientationType Orientation) { return Orientation == otUp || Orientation == otDown; }

// Where the upright pixel (X, Y) of a U by V frame lands in the turned image.
TPoint Turned(TOrientationType Orientation, int X, int Y, int U, int V)
{
    switch (Orientation) {
    case otDown:
        return {U - 1 - X, V - 1 - Y};
    case otLeft:
        return {Y, U - 1 - X};
    case otRight:
        return {V - 1 - Y, X};
    case otUp:
        break;
    }
    return {X, Y};
}

} // namespace

TTwoJumper::TTwoJumper(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    SetWidth(34);
    SetHeight(18);
}

void TTwoJumper::SetOrientation(TOrientationType Value)
{
    if (Value == FOrientation)
        return;
    if (IsVertical(Value) != IsVertical(FOrientation))
        FSizeSwapPending = true;
    FOrientation = Value;
    Invalidate();
}

TRadioPanel* TTwoJumper::RadioParent() const
{
    TWinControl* P = Parent();
    return P && P->ClassNameIs("TRadioPanel") ? dynamic_cast<TRadioPanel*>(P) : nullptr;
}

void TTwoJumper::Click()
{
    SetClosed(!FClosed);
    if (TRadioPanel* Panel = RadioParent(); Panel && Panel->RadioEnabled())
        Panel->JumperClicked(this);
    TGraphicControl::Click();
}

void TTwoJumper::Paint()
{
    const int U = std::max(IsVertical(FOrientation) ? Width() : Height(), 0);
    const int V = std::max(IsVertical(FOrientation) ? Height() : Width(), 0);
    DrawUpright(U, V);
    TurnIntoView(U, V);
    if (FSizeSwapPending) {
        FSizeSwapPending = false;
        // A layout's size is already the turned one; only a glyph on screen keeps its proportions.
        if (FPaintedOnce) {
            SetBounds(Left(), Top(), Height(), Width());
            // This pass drew for the old size: paint again at the new one in its place.
            if (TBitmap* Surface = Canvas().Target())
                PaintOn(*Surface);
            return;
        }
    }
    const TRect Shown{0, 0, Width(), Height()};
    Canvas().StretchBits(Shown, FViewBitmap, &Shown);
    FPaintedOnce = true;
}

void TTwoJumper::DrawUpright(int U, int V)
{
    FDrawBitmap.SetSize(U, V);
    TCanvas& C = FDrawBitmap.Canvas();
    // Every paint starts from the canvas's own settings.
    const TPen SavedPen = C.Pen;
    const TBrush SavedBrush = C.Brush;

    const TRadioPanel* Panel = RadioParent();
    C.Brush = {Panel ? Panel->Color() : clBtnFace, bsSolidBrush};
    C.FillRect({0, 0, U, V});

    const TColor Fill = FClosed ? FJumperColor : FBaseColor;
    C.Pen = {FBorderStyle == bsSingle ? clBlack : Fill, 1, psSolid};
    C.Brush = {Fill, bsSolidBrush};
    if (FClosed)
        C.Rectangle(0, 0, U, V);
    else
        C.RoundRect(1, 1, U - 1, V - 1, V / 2, V / 2);

    const int Q = RoundHalfEven(U / 3.5);
    const int Inset = Q + 1;
    const int R = std::min(Q / 3, RoundHalfEven(V / 4.0));
    const int M = V / 2;
    C.Pen.Style = psClear;
    C.Brush = {FPinColor, bsSolidBrush};
    C.Ellipse(Inset - R, M - R, Inset + R, M + R);
    C.Ellipse(U - Inset - R, M - R, U - Inset + R, M + R);

    C.Pen = SavedPen;
    C.Brush = SavedBrush;
}

void TTwoJumper::TurnIntoView(int U, int V)
{
    if (IsVertical(FOrientation))
        FViewBitmap.SetSize(U, V);
    else
        FViewBitmap.SetSize(V, U);
    for (int Y = 0; Y < V; ++Y) {
        const uint8_t* From = FDrawBitmap.ScanLine(Y);
        for (int X = 0; X < U; ++X) {
            const TPoint To = Turned(FOrientation, X, Y, U, V);
            std::copy_n(From + X * 4, 4, FViewBitmap.ScanLine(To.Y) + To.X * 4);
        }
    }
}

} // namespace setup
