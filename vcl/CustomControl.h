#pragma once

#include "vcl/WinControl.h"

namespace vcl {

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl
{
public:
    explicit TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

    std::string ClassName() const override { return "TCustomControl"; }

    TCanvas& Canvas() { return SurfaceCanvas(); }
};

} // namespace vcl
