#include "vcl/Graphic.h"

namespace vcl {

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace vcl
