#include "vcl/qt/QtConvert.h"

namespace vcl::qt {

QColor ToQColor(TColor Color)
{
    const TColor RGBValue = ColorToRGB(Color);
    return QColor(GetRValue(RGBValue), GetGValue(RGBValue), GetBValue(RGBValue));
}

QFont ToQFont(const TFont& Font)
{
    QFont Result(ToQString(Font.Name()));
    Result.setPixelSize(std::max(1, Font.PixelSize()));
    Result.setBold(Font.Style().Contains(fsBold));
    Result.setItalic(Font.Style().Contains(fsItalic));
    Result.setUnderline(Font.Style().Contains(fsUnderline));
    Result.setStrikeOut(Font.Style().Contains(fsStrikeOut));
    return Result;
}

} // namespace vcl::qt
