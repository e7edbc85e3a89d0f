#include "vcl/JpegImage.h"

#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/Exceptions.h"
#include "vcl/Picture.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <jpeglib.h>
#include <memory>
#include <string>
#include <vector>

namespace vcl {
namespace {

std::vector<uint8_t> ReadAsset()
{
    std::ifstream File(CARDSETUP_SOURCE_DIR "/assets/card.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

struct TPlainRgb
{
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels; // R, G, B per pixel
};

struct TPlainErrors
{
    jpeg_error_mgr Public;
    jmp_buf Escape;
};

// libjpeg straight to RGB, as a reference for the channel order of the picture's bitmap.
bool DecodeToRgb(const std::vector<uint8_t>& Data, TPlainRgb& Result)
{
    jpeg_decompress_struct Info;
    TPlainErrors Errors;
    Info.err = jpeg_std_error(&Errors.Public);
    Errors.Public.error_exit = [](j_common_ptr Common) {
        longjmp(reinterpret_cast<TPlainErrors*>(Common->err)->Escape, 1);
    };
    if (setjmp(Errors.Escape)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Data.data(), static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&Info);
    Result.Width = static_cast<int>(Info.output_width);
    Result.Height = static_cast<int>(Info.output_height);
    Result.Pixels.resize(static_cast<size_t>(Result.Width) * Result.Height * 3);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = &Result.Pixels[static_cast<size_t>(Info.output_scanline) * Result.Width * 3];
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return true;
}

class JpegImageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Asset = ReadAsset();
        ASSERT_FALSE(Asset.empty()) << "assets/card.jpg is missing";
    }

    std::vector<uint8_t> Asset;
};

TEST_F(JpegImageTest, BothExtensionsAreRegisteredAsJpegImageFiles)
{
    for (const char* Extension : {"jpg", "jpeg", "JPG"}) {
        EXPECT_TRUE(TPicture::IsFormatRegistered(Extension)) << Extension;
        EXPECT_EQ(TPicture::FormatDescription(Extension), "JPEG Image File") << Extension;
    }
}

TEST_F(JpegImageTest, TheCardPhotographDecodesTo600By414WithItsColoursInPlace)
{
    TPicture Picture;
    Picture.LoadFromBytes("jpg", Asset);

    ASSERT_NE(Picture.Graphic(), nullptr);
    EXPECT_EQ(Picture.Graphic()->ClassName(), "TJPEGImage");
    ASSERT_EQ(Picture.Width(), 600);
    ASSERT_EQ(Picture.Height(), 414);

    TPlainRgb Reference;
    ASSERT_TRUE(DecodeToRgb(Asset, Reference));
    TBitmap Drawn(600, 414);
    Drawn.Canvas().Draw(0, 0, *Picture.Graphic());
    int Differing = 0;
    for (int Y = 0; Y < 414; ++Y)
        for (int X = 0; X < 600; ++X) {
            const uint8_t* RGB = &Reference.Pixels[(static_cast<size_t>(Y) * 600 + X) * 3];
            const TColor Expected = vcl::RGB(RGB[0], RGB[1], RGB[2]);
            if (Drawn.Canvas().Pixel(X, Y) != Expected && Differing++ == 0)
                ADD_FAILURE() << "first difference at (" << X << ", " << Y << ")";
        }
    EXPECT_EQ(Differing, 0);
}

TEST_F(JpegImageTest, ACloneKeepsThePixelsWhenTheOriginalGoes)
{
    auto Original = std::make_unique<TJPEGImage>();
    Original->LoadFromBytes(Asset);
    const std::vector<uint8_t> Pixels(Original->Bitmap().Bits(),
                                      Original->Bitmap().Bits() + Original->Bitmap().BytesPerLine() * 414);

    std::unique_ptr<TGraphic> Copy = Original->Clone();
    Original.reset();

    auto& Jpeg = dynamic_cast<TJPEGImage&>(*Copy);
    ASSERT_EQ(Jpeg.Width(), 600);
    EXPECT_TRUE(std::equal(Pixels.begin(), Pixels.end(), Jpeg.Bitmap().Bits()));
}

struct TDamageCase
{
    const char* Label;
    std::function<void(std::vector<uint8_t>&)> Damage;
};

// Offsets into the asset: its progressive frame header (SOF2) starts at 0x9E.
constexpr size_t FrameHeight = 0xA3;
constexpr size_t FirstScanData = 0xF6;

class DamagedJpegTest : public JpegImageTest, public testing::WithParamInterface<TDamageCase>
{};

TEST_P(DamagedJpegTest, RaisesAClearErrorAndLeavesThePictureEmpty)
{
    std::vector<uint8_t> Data = Asset;
    GetParam().Damage(Data);
    TPicture Picture;
    Picture.LoadFromBytes("jpg", Asset);
    int Changes = 0;
    Picture.OnChange = [&Changes] { ++Changes; };

    try {
        Picture.LoadFromBytes("jpg", Data);
        ADD_FAILURE() << "the damaged data was accepted";
    } catch (const EInvalidGraphic& E) {
        EXPECT_EQ(E.Message().rfind("JPEG error: ", 0), 0u) << E.Message();
        EXPECT_GT(E.Message().size(), std::string("JPEG error: ").size());
    }
    EXPECT_EQ(Picture.Graphic(), nullptr);
    EXPECT_EQ(Picture.Width(), 0);
    EXPECT_EQ(Picture.Height(), 0);
    EXPECT_GE(Changes, 1) << "the owner of the picture hears that it is now empty";
}

TEST_P(DamagedJpegTest, EmptiesAnImageThatHeldAPicture)
{
    std::vector<uint8_t> Data = Asset;
    GetParam().Damage(Data);
    TJPEGImage Image;
    Image.LoadFromBytes(Asset);

    EXPECT_THROW(Image.LoadFromBytes(Data), EInvalidGraphic);

    EXPECT_EQ(Image.Width(), 0);
    EXPECT_EQ(Image.Height(), 0);
    EXPECT_TRUE(Image.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedJpegTest,
    testing::Values(
        TDamageCase{"Empty", [](std::vector<uint8_t>& Data) { Data.clear(); }},
        TDamageCase{"NotAJpeg",
                    [](std::vector<uint8_t>& Data) {
                        const std::string Text = "GIF89a this is no photograph";
                        Data.assign(Text.begin(), Text.end());
                    }},
        TDamageCase{"HeaderOnly", [](std::vector<uint8_t>& Data) { Data.resize(FirstScanData); }},
        TDamageCase{"TruncatedInTheMiddle", [](std::vector<uint8_t>& Data) { Data.resize(Data.size() / 2); }},
        TDamageCase{"EndMarkerMissing", [](std::vector<uint8_t>& Data) { Data.resize(Data.size() - 2); }},
        TDamageCase{"ZeroHeight",
                    [](std::vector<uint8_t>& Data) { Data[FrameHeight] = Data[FrameHeight + 1] = 0; }},
        TDamageCase{"ScanDataOverwritten",
                    [](std::vector<uint8_t>& Data) {
                        std::fill(Data.begin() + FirstScanData, Data.begin() + FirstScanData + 2000, 0xFF);
                    }}),
    [](const testing::TestParamInfo<TDamageCase>& Info) { return Info.param.Label; });

TEST(PictureTest, AnUnknownExtensionIsRefusedWithoutTouchingThePicture)
{
    TPicture Picture;
    EXPECT_THROW(Picture.LoadFromBytes("gif", std::vector<uint8_t>{1, 2, 3}), EInvalidGraphic);
    EXPECT_EQ(Picture.Graphic(), nullptr);
}

} // namespace
} // namespace vcl
