#pragma once

#include "vcl/Graphic.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {

enum TPixelFormat { pf32bit };

// Off-screen image, 32 bits per pixel, each pixel the bytes blue, green, red, fourth.
class TBitmap : public TGraphic
{
public:
    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::string ClassName() const override { return "TBitmap"; }

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetSize(int AWidth, int AHeight);
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); }
    TPixelFormat PixelFormat() const { return pf32bit; }
    void SetPixelFormat(TPixelFormat) {}

    uint8_t* ScanLine(int Row);
    const uint8_t* ScanLine(int Row) const;
    uint8_t* Bits() { return FBits.data(); }
    const uint8_t* Bits() const { return FBits.data(); }
    int BytesPerLine() const { return FWidth * 4; }

    TCanvas& Canvas();

    void Draw(TCanvas& Canvas, const TRect& Rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void LoadFromBytes(std::span<const uint8_t> Data) override;
    void Assign(const TBitmap& Source);

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<uint8_t> FBits;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace vcl
