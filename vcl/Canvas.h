#pragma once

#include "vcl/Color.h"
#include "vcl/Font.h"
#include "vcl/Types.h"

#include <functional>
#include <string>

namespace vcl {

class TBitmap;
class TGraphic;

enum TPenStyle { psSolid, psDash, psClear };
enum TBrushStyle { bsSolidBrush, bsClearBrush };

struct TPen
{
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

struct TBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolidBrush;
};

// Draws pixel-exactly (no antialiasing) on a bitmap, through an origin and a clip
// rectangle, so a windowless control can draw on its parent's surface.
class TCanvas
{
public:
    TCanvas() = default;
    explicit TCanvas(TBitmap* Target) { SetTarget(Target, {0, 0}, {}); }

    // Clip is in target coordinates; an empty clip means the whole target.
    void SetTarget(TBitmap* Target, TPoint Origin, TRect Clip);
    bool HasTarget() const { return FTarget != nullptr; }
    TBitmap* Target() const { return FTarget; }
    TPoint Origin() const { return FOrigin; }
    TRect ClipRect() const;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    TColor Pixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);

    void FillRect(const TRect& Rect);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    void Ellipse(int X1, int Y1, int X2, int Y2);

    // Plain copies; a size difference stretches by nearest pixel.
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect);
    void StretchDraw(const TRect& Rect, const TGraphic& Graphic);
    void Draw(int X, int Y, const TGraphic& Graphic);
    void StretchBits(const TRect& Dest, const TBitmap& Source, const TRect* SourceRect = nullptr);

    void TextOut(int X, int Y, const std::string& Text);
    TPoint TextExtent(const std::string& Text) const;
    int TextWidth(const std::string& Text) const { return TextExtent(Text).X; }
    int TextHeight(const std::string& Text) const { return TextExtent(Text).Y; }

private:
    using TInsideTest = std::function<bool(double PX, double PY)>;
    void DrawShape(const TRect& Bounds, const TInsideTest& Inside);
    void PutPixel(int TX, int TY, TColor RGBColor);
    void CopyUnscaled(const TBitmap& Source, const TRect& Src, const TRect& Target, const TRect& Visible);
    uint8_t* TargetPixel(int TX, int TY) const;

    TBitmap* FTarget = nullptr;
    TPoint FOrigin;
    TRect FClip;
};

} // namespace vcl
