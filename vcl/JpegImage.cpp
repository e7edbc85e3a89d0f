#include "vcl/JpegImage.h"

#include "vcl/Canvas.h"
#include "vcl/Exceptions.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace vcl {
namespace {

struct TJpegErrorManager
{
    jpeg_error_mgr Public;
    jmp_buf Escape;
    char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr Info)
{
    auto* Manager = reinterpret_cast<TJpegErrorManager*>(Info->err);
    (*Info->err->format_message)(Info, Manager->Message);
    longjmp(Manager->Escape, 1);
}

// A warning means damaged data (a truncated file above all): refuse the picture.
void OnJpegMessage(j_common_ptr Info, int Level)
{
    if (Level < 0)
        OnJpegError(Info);
}

// Decodes into Target; answers an error text, empty on success. Kept free of C++
// objects with destructors because libjpeg leaves through longjmp.
std::string Decode(std::span<const uint8_t> Data, TBitmap& Target)
{
    jpeg_decompress_struct Info;
    TJpegErrorManager Errors;
    Info.err = jpeg_std_error(&Errors.Public);
    Errors.Public.error_exit = OnJpegError;
    Errors.Public.emit_message = OnJpegMessage;
    Errors.Message[0] = '\0';
    if (setjmp(Errors.Escape)) {
        jpeg_destroy_decompress(&Info);
        return Errors.Message[0] ? Errors.Message : "unreadable data";
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Data.data(), static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&Info);
    Target.SetSize(static_cast<int>(Info.output_width), static_cast<int>(Info.output_height));
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Target.ScanLine(static_cast<int>(Info.output_scanline));
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return {};
}

} // namespace

TJPEGImage::TJPEGImage() : FBitmap(std::make_unique<TBitmap>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& Rect) const { Canvas.StretchBits(Rect, *FBitmap); }

std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto Copy = std::make_unique<TJPEGImage>();
    Copy->FBitmap->Assign(*FBitmap);
    Copy->SetTransparent(Transparent());
    return Copy;
}

void TJPEGImage::LoadFromBytes(std::span<const uint8_t> Data)
{
    if (Data.empty()) {
        FBitmap->SetSize(0, 0);
        throw EInvalidGraphic("JPEG error: the file is empty");
    }
    auto Decoded = std::make_unique<TBitmap>();
    const std::string Error = Decode(Data, *Decoded);
    if (!Error.empty()) {
        FBitmap->SetSize(0, 0);
        Changed();
        throw EInvalidGraphic("JPEG error: " + Error);
    }
    FBitmap = std::move(Decoded);
    Changed();
}

} // namespace vcl
