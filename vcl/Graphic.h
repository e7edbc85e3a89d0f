#pragma once

#include "vcl/Object.h"
#include "vcl/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace vcl {

class TCanvas;
using HPALETTE = uintptr_t;

// A picture format: draws itself scaled into a rectangle of a canvas.
class TGraphic : public TObject
{
public:
    std::string ClassName() const override { return "TGraphic"; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    virtual void LoadFromBytes(std::span<const uint8_t> Data) = 0;

    virtual bool IsMetafileOrIcon() const { return false; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Formats without a palette answer 0.
    virtual HPALETTE Palette() const { return 0; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool Value) { FPaletteModified = Value; }

    std::function<void()> OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};

} // namespace vcl
