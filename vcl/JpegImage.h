#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Graphic.h"

#include <memory>

namespace vcl {

// JPEG picture, decoded with libjpeg into a 32-bit bitmap.
class TJPEGImage : public TGraphic
{
public:
    TJPEGImage();
    ~TJPEGImage() override;

    std::string ClassName() const override { return "TJPEGImage"; }

    int Width() const override { return FBitmap->Width(); }
    int Height() const override { return FBitmap->Height(); }
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // A corrupt or truncated file raises EInvalidGraphic and leaves the image empty.
    void LoadFromBytes(std::span<const uint8_t> Data) override;
    const TBitmap& Bitmap() const { return *FBitmap; }

private:
    std::unique_ptr<TBitmap> FBitmap;
};

} // namespace vcl
