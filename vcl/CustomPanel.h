#pragma once

#include "vcl/CustomControl.h"

namespace vcl {

// Container panel: background, outer and inner bevels, border, centred caption.
class TCustomPanel : public TCustomControl
{
public:
    explicit TCustomPanel(TComponent* AOwner);

    std::string ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }
    // The panel shows no caption taken from its name when this is off.
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);

protected:
    void Paint() override;

private:
    void DrawBevel(TRect& Rect, TBevelCut Cut);

    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    int FBorderWidth = 0;
    bool FFullRepaint = true;
    bool FShowCaption = true;
};

} // namespace vcl
