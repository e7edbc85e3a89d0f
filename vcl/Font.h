#pragma once

#include "vcl/Color.h"
#include "vcl/Set.h"
#include "vcl/Types.h"

#include <string>

namespace vcl {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// Height is in pixels, negative for the character height as the layout stores it;
// Size is in points at 96 pixels per inch.
class TFont
{
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Size() const;
    void SetSize(int Points);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    int PixelSize() const { return FHeight < 0 ? -FHeight : FHeight; }

    void Assign(const TFont& Source);
    bool operator==(const TFont& Other) const;

    std::function<void()> OnChange;

private:
    void Changed();
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
};

} // namespace vcl
