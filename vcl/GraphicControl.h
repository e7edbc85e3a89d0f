#pragma once

#include "vcl/Canvas.h"
#include "vcl/Control.h"

namespace vcl {

class TBitmap;

// A windowless control: its parent paints it after itself, on the parent's own
// surface, so its canvas shows at paint time what lies beneath it.
class TGraphicControl : public TControl
{
public:
    explicit TGraphicControl(TComponent* AOwner);

    std::string ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return FCanvas; }
    // Called by the parent with its surface.
    void PaintOn(TBitmap& Surface);

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};

} // namespace vcl
