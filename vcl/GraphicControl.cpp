#include "vcl/GraphicControl.h"

#include "vcl/Bitmap.h"

namespace vcl {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

void TGraphicControl::PaintOn(TBitmap& Surface)
{
    FCanvas.SetTarget(&Surface, {Left(), Top()}, BoundsRect());
    FCanvas.Font.Assign(Font());
    try {
        Paint();
    } catch (...) {
        FCanvas.SetTarget(nullptr, {}, {});
        throw;
    }
    FCanvas.SetTarget(nullptr, {}, {});
}

} // namespace vcl
