#include "vcl/Color.h"

#include "vcl/Platform.h"

namespace vcl {

TColor ColorToRGB(TColor Color)
{
    if ((static_cast<uint32_t>(Color) & 0xFF000000u) != 0x80000000u)
        return Color & 0xFFFFFF;
    const int Index = Color & 0xFF;
    if (IPlatform* P = Platform())
        return P->SystemColorRGB(Index) & 0xFFFFFF;
    switch (Index) {
    case COLOR_WINDOW:
        return clWhite;
    case COLOR_WINDOWTEXT:
        return clBlack;
    default:
        return RGB(240, 240, 240);
    }
}

} // namespace vcl
