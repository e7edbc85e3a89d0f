#include "vcl/Font.h"

namespace vcl {

void TFont::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    FName = Value;
    Changed();
}

void TFont::SetHeight(int Value)
{
    if (Value == FHeight)
        return;
    FHeight = Value;
    Changed();
}

int TFont::Size() const { return RoundHalfEven(-FHeight * 72.0 / 96.0); }

void TFont::SetSize(int Points) { SetHeight(-RoundHalfEven(Points * 96.0 / 72.0)); }

void TFont::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TFont::Assign(const TFont& Source)
{
    if (*this == Source)
        return;
    FName = Source.FName;
    FHeight = Source.FHeight;
    FColor = Source.FColor;
    FStyle = Source.FStyle;
    Changed();
}

bool TFont::operator==(const TFont& Other) const
{
    return FName == Other.FName && FHeight == Other.FHeight && FColor == Other.FColor &&
           FStyle == Other.FStyle;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace vcl
