#include "vcl/CustomPanel.h"

namespace vcl {

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value == FBevelOuter)
        return;
    FBevelOuter = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (Value == FBevelInner)
        return;
    FBevelInner = Value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    if (Value == FBevelWidth)
        return;
    FBevelWidth = Value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value)
{
    if (Value == FBorderWidth)
        return;
    FBorderWidth = Value;
    Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value)
{
    if (Value == FShowCaption)
        return;
    FShowCaption = Value;
    Invalidate();
}

void TCustomPanel::DrawBevel(TRect& Rect, TBevelCut Cut)
{
    if (Cut == bvNone)
        return;
    const TColor Light = clWhite, Dark = clGray;
    const TColor TopLeft = Cut == bvLowered ? Dark : Light;
    const TColor BottomRight = Cut == bvLowered ? Light : Dark;
    TCanvas& C = Canvas();
    for (int I = 0; I < FBevelWidth; ++I) {
        if (Cut != bvSpace) {
            C.Brush = {TopLeft, bsSolidBrush};
            C.FillRect({Rect.Left, Rect.Top, Rect.Right, Rect.Top + 1});
            C.FillRect({Rect.Left, Rect.Top, Rect.Left + 1, Rect.Bottom});
            C.Brush = {BottomRight, bsSolidBrush};
            C.FillRect({Rect.Left, Rect.Bottom - 1, Rect.Right, Rect.Bottom});
            C.FillRect({Rect.Right - 1, Rect.Top, Rect.Right, Rect.Bottom});
        }
        Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
    }
}

void TCustomPanel::Paint()
{
    TRect Rect = ClientRect();
    DrawBevel(Rect, FBevelOuter);
    Rect = {Rect.Left + FBorderWidth, Rect.Top + FBorderWidth, Rect.Right - FBorderWidth,
            Rect.Bottom - FBorderWidth};
    DrawBevel(Rect, FBevelInner);
    if (FShowCaption && !Caption().empty()) {
        TCanvas& C = Canvas();
        C.Font.Assign(Font());
        C.Brush.Style = bsClearBrush;
        const TPoint Extent = C.TextExtent(Caption());
        C.TextOut((ClientWidth() - Extent.X) / 2, (ClientHeight() - Extent.Y) / 2, Caption());
    }
}

} // namespace vcl
