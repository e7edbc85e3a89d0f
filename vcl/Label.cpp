#include "vcl/Label.h"

#include <algorithm>

namespace vcl {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (Value == FLayout)
        return;
    FLayout = Value;
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Invalidate();
}

std::vector<std::string> TLabel::CaptionLines() const
{
    std::vector<std::string> Lines;
    std::string Line;
    const std::string& Text = Caption();
    for (size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\r' || Text[I] == '\n') {
            Lines.push_back(Line);
            Line.clear();
            if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n')
                ++I;
        } else {
            Line += Text[I];
        }
    }
    Lines.push_back(Line);
    return Lines;
}

int TLabel::LineHeight() const
{
    TCanvas Measure;
    Measure.Font.Assign(Font());
    return Measure.TextHeight("0");
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    TCanvas Measure;
    Measure.Font.Assign(Font());
    int TextWidth = 0;
    const std::vector<std::string> Lines = CaptionLines();
    for (const std::string& Line : Lines)
        TextWidth = std::max(TextWidth, Measure.TextWidth(Line));
    const int TextHeight = LineHeight() * static_cast<int>(Lines.size());
    // A label aligned to an edge keeps the width its alignment gives it.
    const int NewWidth = Align() == alTop || Align() == alBottom || Align() == alClient ? Width() : TextWidth;
    SetBounds(Left(), Top(), NewWidth, TextHeight);
}

void TLabel::TextChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint()
{
    TCanvas& C = Canvas();
    if (!FTransparent) {
        C.Brush = {Color(), bsSolidBrush};
        C.FillRect(ClientRect());
    }
    C.Brush.Style = bsClearBrush;
    C.Font.Assign(Font());
    const std::vector<std::string> Lines = CaptionLines();
    const int Step = LineHeight();
    int Y = 0;
    const int Total = Step * static_cast<int>(Lines.size());
    if (FLayout == tlCenter)
        Y = (Height() - Total) / 2;
    else if (FLayout == tlBottom)
        Y = Height() - Total;
    for (const std::string& Line : Lines) {
        const int W = C.TextWidth(Line);
        const int X = FAlignment == taCenter         ? (Width() - W) / 2
                      : FAlignment == taRightJustify ? Width() - W
                                                     : 0;
        C.TextOut(X, Y, Line);
        Y += Step;
    }
}

} // namespace vcl
