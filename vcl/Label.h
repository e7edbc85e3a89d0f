#pragma once

#include "vcl/GraphicControl.h"

#include <string>
#include <vector>

namespace vcl {

// Windowless text: one line per CR LF of the caption, sized to its text when AutoSize.
class TLabel : public TGraphicControl
{
public:
    explicit TLabel(TComponent* AOwner);

    std::string ClassName() const override { return "TLabel"; }

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    std::vector<std::string> CaptionLines() const;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustBounds();
    int LineHeight() const;

    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
};

} // namespace vcl
