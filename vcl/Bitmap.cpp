#include "vcl/Bitmap.h"

#include "vcl/Canvas.h"
#include "vcl/Exceptions.h"

#include <algorithm>

namespace vcl {

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight) { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    std::vector<uint8_t> Bits(static_cast<size_t>(AWidth) * AHeight * 4, 0);
    // Keep what still fits, as a resized image does.
    const int CopyWidth = std::min(AWidth, FWidth);
    for (int Y = 0; Y < std::min(AHeight, FHeight); ++Y)
        std::copy_n(&FBits[static_cast<size_t>(Y) * FWidth * 4], CopyWidth * 4,
                    &Bits[static_cast<size_t>(Y) * AWidth * 4]);
    FBits.swap(Bits);
    FWidth = AWidth;
    FHeight = AHeight;
    Changed();
}

uint8_t* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= FHeight)
        throw Exception("Scan line index out of range");
    return &FBits[static_cast<size_t>(Row) * FWidth * 4];
}

const uint8_t* TBitmap::ScanLine(int Row) const { return const_cast<TBitmap*>(this)->ScanLine(Row); }

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(this);
    return *FCanvas;
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) const { Canvas.StretchBits(Rect, *this); }

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto Copy = std::make_unique<TBitmap>();
    Copy->Assign(*this);
    return Copy;
}

void TBitmap::LoadFromBytes(std::span<const uint8_t>)
{
    throw EInvalidGraphic("Bitmap files are not a supported picture format");
}

void TBitmap::Assign(const TBitmap& Source)
{
    FWidth = Source.FWidth;
    FHeight = Source.FHeight;
    FBits = Source.FBits;
    SetTransparent(Source.Transparent());
    Changed();
}

} // namespace vcl
