#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Color.h"
#include "vcl/GraphicControl.h"
#include "vcl/Types.h"

#include <string>

namespace setup {

class TRadioPanel;

// otUp and otDown keep the upright frame's proportions, otLeft and otRight swap them.
enum TOrientationType { otUp, otDown, otLeft, otRight };

// One two-pin jumper of the card seen from above; a click sets or removes its
// shunt cap. Each paint draws the glyph upright off screen, turns it and puts it
// on the parent's surface in one block.
class TTwoJumper : public vcl::TGraphicControl
{
public:
    explicit TTwoJumper(vcl::TComponent* AOwner);

    std::string ClassName() const override { return "TTwoJumper"; }

    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType Value);
    bool Closed() const { return FClosed; }
    void SetClosed(bool Value) { Change(FClosed, Value); }
    vcl::TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(vcl::TColor Value) { Change(FBaseColor, Value); }
    vcl::TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(vcl::TColor Value) { Change(FJumperColor, Value); }
    vcl::TColor PinColor() const { return FPinColor; }
    void SetPinColor(vcl::TColor Value) { Change(FPinColor, Value); }
    vcl::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(vcl::TBorderStyle Value) { Change(FBorderStyle, Value); }

    bool SizeSwapPending() const { return FSizeSwapPending; }
    bool PaintedOnce() const { return FPaintedOnce; }
    const vcl::TBitmap& ViewBitmap() const { return FViewBitmap; }
    vcl::TBitmap& DrawBitmap() { return FDrawBitmap; }

    void Click() override;

protected:
    void Paint() override;

private:
    template <class T>
    void Change(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Invalidate();
    }
    // The parent, when it is exactly an information panel.
    TRadioPanel* RadioParent() const;
    void DrawUpright(int U, int V);
    void TurnIntoView(int U, int V);

    TOrientationType FOrientation = otUp;
    bool FClosed = false;
    vcl::TBitmap FViewBitmap;
    vcl::TBitmap FDrawBitmap;
    bool FSizeSwapPending = false;
    bool FPaintedOnce = false;
    vcl::TColor FBaseColor = vcl::clGray;
    vcl::TColor FJumperColor = vcl::clMaroon;
    vcl::TColor FPinColor = vcl::clYellow;
    vcl::TBorderStyle FBorderStyle = vcl::bsSingle;
};

} // namespace setup
