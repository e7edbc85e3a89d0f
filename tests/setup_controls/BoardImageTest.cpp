#include "setup_controls/BoardImage.h"

#include "vcl/Application.h"
#include "vcl/Bitmap.h"
#include "vcl/Canvas.h"
#include "vcl/CustomPanel.h"
#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/LayoutReader.h"
#include "vcl/Menus.h"
#include "vcl/Resources.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

// Every pixel of the pattern tells where it came from.
TColor PatternColor(int X, int Y) { return RGB(X % 256, Y % 256, (X / 256) * 16 + Y / 256); }

std::unique_ptr<TBitmap> Pattern(int Width, int Height)
{
    auto Bitmap = std::make_unique<TBitmap>(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Bitmap->Canvas().SetPixel(X, Y, PatternColor(X, Y));
    return Bitmap;
}

// A window whose frame takes room, as a top-level window's does: its outer size
// is larger than its client area.
class TFramedWindow : public TCustomPanel
{
public:
    TFramedWindow() : TCustomPanel(nullptr) {}
    int ClientWidth() const override { return Width() - 8; }
    int ClientHeight() const override { return Height() - 50; }
};

class BoardImageTest : public testing::Test
{
protected:
    BoardImageTest() : Image(new TBoardImage(&Window)) { Image->SetParent(&Window); }

    // Bounds first and AutoSize off, so the picture does not resize the control.
    void Place(int Width, int Height, std::optional<TPoint> PictureSize)
    {
        Image->SetAutoSize(false);
        Image->SetBounds(0, 0, Width, Height);
        if (PictureSize)
            Image->Picture().SetGraphic(Pattern(PictureSize->X, PictureSize->Y));
    }

    TColor SurfacePixel(const TBitmap& Surface, int X, int Y)
    {
        TCanvas Reader(const_cast<TBitmap*>(&Surface));
        return Reader.Pixel(X, Y);
    }

    TFramedWindow Window;
    TBoardImage* Image;
};

TEST_F(BoardImageTest, StartsAsTheConstructorLeavesIt)
{
    EXPECT_EQ(Image->Width(), 105);
    EXPECT_EQ(Image->Height(), 105);
    EXPECT_TRUE(Image->AutoSize());
    EXPECT_TRUE(Image->Scale());
    EXPECT_TRUE(Image->CenterOnForm());
    EXPECT_FALSE(Image->Stretch());
    EXPECT_FALSE(Image->Center());
    EXPECT_FALSE(Image->Transparent());
    EXPECT_EQ(Image->Menu(), nullptr);
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 1.0);
    EXPECT_FALSE(Image->DesignPosRecorded());
    EXPECT_EQ(Image->Color(), clBtnFace);
    EXPECT_EQ(Image->Picture().Graphic(), nullptr);
}

struct TPictureRectCase
{
    const char* Label;
    bool Stretch;
    bool Center;
    TPoint Control;
    std::optional<TPoint> PictureSize;
    TRect Expected;
};

class PictureRectTest : public BoardImageTest, public testing::WithParamInterface<TPictureRectCase>
{};

TEST_P(PictureRectTest, PlacesThePicture)
{
    const TPictureRectCase& Case = GetParam();
    Place(Case.Control.X, Case.Control.Y, Case.PictureSize);
    Image->SetStretch(Case.Stretch);
    Image->SetCenter(Case.Center);

    EXPECT_EQ(Image->PictureRect(), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PictureRectTest,
    testing::Values(
        TPictureRectCase{
            "StretchFillsTheClientArea", true, false, {120, 80}, TPoint{30, 20}, {0, 0, 120, 80}},
        TPictureRectCase{"StretchWinsOverCenter", true, true, {120, 80}, TPoint{30, 20}, {0, 0, 120, 80}},
        TPictureRectCase{
            "CenterSmallerPicture", false, true, {120, 80}, TPoint{31, 21}, Bounds(44, 29, 31, 21)},
        TPictureRectCase{"CenterLargerPictureGoesNegative",
                         false,
                         true,
                         {100, 60},
                         TPoint{105, 67},
                         Bounds(-2, -3, 105, 67)},
        TPictureRectCase{"TopLeftCorner", false, false, {120, 80}, TPoint{30, 20}, {0, 0, 30, 20}},
        TPictureRectCase{"TopLeftLargerPicture", false, false, {100, 60}, TPoint{105, 67}, {0, 0, 105, 67}},
        TPictureRectCase{"CenterWithoutPicture", false, true, {120, 80}, std::nullopt, Bounds(60, 40, 0, 0)}),
    [](const testing::TestParamInfo<TPictureRectCase>& Info) { return Info.param.Label; });

TEST_F(BoardImageTest, StretchedToItsOwnSizeThePictureIsDrawnPixelForPixel)
{
    Place(600, 414, TPoint{600, 414});
    Image->SetStretch(true);
    Image->SetCenterOnForm(false);

    const TBitmap& Surface = Image->PaintWindow();

    ASSERT_EQ(Surface.Width(), 600);
    ASSERT_EQ(Surface.Height(), 414);
    int Differing = 0;
    for (int Y = 0; Y < 414; ++Y)
        for (int X = 0; X < 600; ++X)
            if (SurfacePixel(Surface, X, Y) != PatternColor(X, Y) && Differing++ == 0)
                ADD_FAILURE() << "first difference at (" << X << ", " << Y << ")";
    EXPECT_EQ(Differing, 0);
}

TEST_F(BoardImageTest, ACentredLargerPictureIsClippedEvenlyOnBothSides)
{
    Place(100, 60, TPoint{105, 67});
    Image->SetCenter(true);
    Image->SetCenterOnForm(false);

    const TBitmap& Surface = Image->PaintWindow();

    // Two columns cut on the left and three on the right; three rows above, four below.
    EXPECT_EQ(SurfacePixel(Surface, 0, 0), PatternColor(2, 3));
    EXPECT_EQ(SurfacePixel(Surface, 99, 59), PatternColor(101, 62));
}

struct TSetterCase
{
    const char* Label;
    bool (*Get)(const TBoardImage&);
    void (*Set)(TBoardImage&, bool);
};

class BoardImageSetterTest : public BoardImageTest, public testing::WithParamInterface<TSetterCase>
{};

// With AutoSize on, every picture change gives the control the picture's size
// again, so a manual resize shows whether the setter ran the change handling.
TEST_P(BoardImageSetterTest, RerunsThePictureChangeOnlyWhenTheValueChanges)
{
    const TSetterCase& Case = GetParam();
    Image->Picture().SetGraphic(Pattern(50, 40));
    ASSERT_EQ(Image->BoundsRect(), Bounds(0, 0, 50, 40));
    Image->SetBounds(0, 0, 70, 70);
    const bool Current = Case.Get(*Image);

    Case.Set(*Image, Current);
    EXPECT_EQ(Image->BoundsRect(), Bounds(0, 0, 70, 70)) << "unchanged value";

    Case.Set(*Image, !Current);
    EXPECT_EQ(Case.Get(*Image), !Current);
    EXPECT_EQ(Image->BoundsRect(), Bounds(0, 0, 50, 40)) << "changed value";
}

INSTANTIATE_TEST_SUITE_P(
    Setters, BoardImageSetterTest,
    testing::Values(TSetterCase{"Stretch", [](const TBoardImage& I) { return I.Stretch(); },
                                [](TBoardImage& I, bool V) { I.SetStretch(V); }},
                    TSetterCase{"Center", [](const TBoardImage& I) { return I.Center(); },
                                [](TBoardImage& I, bool V) { I.SetCenter(V); }},
                    TSetterCase{"Transparent", [](const TBoardImage& I) { return I.Transparent(); },
                                [](TBoardImage& I, bool V) { I.SetTransparent(V); }},
                    TSetterCase{"Scale", [](const TBoardImage& I) { return I.Scale(); },
                                [](TBoardImage& I, bool V) { I.SetScale(V); }}),
    [](const testing::TestParamInfo<TSetterCase>& Info) { return Info.param.Label; });

struct TOpaqueCase
{
    const char* Label;
    bool Stretch;
    bool Transparent;
    std::optional<TPoint> PictureSize;
    bool Opaque;
};

class OpaqueMarkTest : public BoardImageTest, public testing::WithParamInterface<TOpaqueCase>
{};

TEST_P(OpaqueMarkTest, FollowsHowMuchOfTheControlThePictureCovers)
{
    const TOpaqueCase& Case = GetParam();
    // Picture first, then the setters, as a stored layout gives them.
    Place(100, 80, Case.PictureSize);
    Image->SetStretch(Case.Stretch);
    Image->SetTransparent(Case.Transparent);

    EXPECT_EQ(Image->ControlStyle().Contains(csOpaque), Case.Opaque);
    if (TGraphic* Graphic = Image->Picture().Graphic()) {
        EXPECT_EQ(Graphic->Transparent(), Case.Transparent);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpaqueMarkTest,
    testing::Values(TOpaqueCase{"StretchedSmallPicture", true, false, TPoint{10, 10}, true},
                    TOpaqueCase{"UnstretchedNarrowerPicture", false, false, TPoint{99, 80}, false},
                    TOpaqueCase{"UnstretchedShorterPicture", false, false, TPoint{100, 79}, false},
                    TOpaqueCase{"UnstretchedCoveringPicture", false, false, TPoint{100, 80}, true},
                    TOpaqueCase{"UnstretchedLargerPicture", false, false, TPoint{140, 90}, true},
                    TOpaqueCase{"TransparentPicture", true, true, TPoint{100, 80}, false},
                    TOpaqueCase{"NoPicture", true, false, std::nullopt, false}),
    [](const testing::TestParamInfo<TOpaqueCase>& Info) { return Info.param.Label; });

TEST_F(BoardImageTest, RemovingThePictureClearsTheOpaqueMarkButKeepsTheAspectRatio)
{
    Place(600, 414, TPoint{600, 414});
    Image->SetStretch(true);
    ASSERT_TRUE(Image->ControlStyle().Contains(csOpaque));
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 414.0 / 600.0);

    Image->Picture().Clear();
    EXPECT_FALSE(Image->ControlStyle().Contains(csOpaque));
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 414.0 / 600.0);

    Image->Picture().SetGraphic(std::make_unique<TBitmap>(0, 0));
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 414.0 / 600.0) << "a picture without a size has no aspect ratio";
}

TEST_F(BoardImageTest, TheFirstPaintRecordsTheDesignPositionAndEveryPaintCentresOnTheOuterSize)
{
    Window.SetBounds(0, 0, 800, 600);
    Place(600, 414, TPoint{600, 414});
    Image->SetBounds(166, 130, 600, 414);

    Image->PaintWindow();
    EXPECT_TRUE(Image->DesignPosRecorded());
    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 130);
    EXPECT_EQ(Image->Left(), (800 - 600) / 2) << "outer width, not the client width 792";
    EXPECT_EQ(Image->Top(), (600 - 414) / 2) << "outer height, not the client height 550";

    Window.SetBounds(0, 0, 1001, 701);
    Image->PaintWindow();
    EXPECT_EQ(Image->Left(), 200);
    EXPECT_EQ(Image->Top(), 143);

    Window.SetBounds(0, 0, 500, 401);
    Image->PaintWindow();
    EXPECT_EQ(Image->Left(), -50);
    EXPECT_EQ(Image->Top(), -6) << "halves truncate toward zero";
    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 130);
}

TEST_F(BoardImageTest, WithoutCenterOnFormPaintOnlyRecordsThePosition)
{
    Window.SetBounds(0, 0, 800, 600);
    Place(600, 414, TPoint{600, 414});
    Image->SetBounds(166, 130, 600, 414);
    Image->SetCenterOnForm(false);

    Image->PaintWindow();

    EXPECT_EQ(Image->BoundsRect(), Bounds(166, 130, 600, 414));
    EXPECT_EQ(Image->DesignLeft(), 166);
}

TEST_F(BoardImageTest, InDesignModeScaleKeepsTheHeightToTheAspectRatioRoundingHalvesToEven)
{
    Window.SetBounds(0, 0, 800, 600);
    Image->SetDesigning(true);
    Place(101, 10, TPoint{2, 1});

    Image->PaintWindow();
    EXPECT_EQ(Image->Height(), 50) << "50.5";
    EXPECT_EQ(Image->Left(), 0) << "no centring while designing";

    Image->SetWidth(103);
    Image->PaintWindow();
    EXPECT_EQ(Image->Height(), 52) << "51.5";

    Image->SetScale(false);
    Image->SetHeight(10);
    Image->PaintWindow();
    EXPECT_EQ(Image->Height(), 10);
}

TEST_F(BoardImageTest, InDesignModeTheOutlineIsDashed)
{
    Image->SetDesigning(true);
    Image->SetScale(false);
    Place(100, 50, std::nullopt);

    const TBitmap& Surface = Image->PaintWindow();

    int Black = 0;
    for (int X = 0; X < 100; ++X)
        Black += SurfacePixel(Surface, X, 49) == clBlack;
    EXPECT_GT(Black, 0);
    EXPECT_LT(Black, 100);
    EXPECT_NE(SurfacePixel(Surface, 50, 25), clBlack);
}

// Draws nothing but notes what the image said while it was being drawn.
class TFailingGraphic : public TGraphic
{
public:
    explicit TFailingGraphic(const TBoardImage& Owner, bool& DrawingSeen)
        : FOwner(Owner), FDrawingSeen(DrawingSeen)
    {}
    int Width() const override { return 10; }
    int Height() const override { return 10; }
    void Draw(TCanvas&, const TRect&) const override
    {
        FDrawingSeen = FOwner.Drawing();
        throw Exception("broken picture");
    }
    std::unique_ptr<TGraphic> Clone() const override
    {
        return std::make_unique<TFailingGraphic>(FOwner, FDrawingSeen);
    }
    void LoadFromBytes(std::span<const uint8_t>) override {}

private:
    const TBoardImage& FOwner;
    bool& FDrawingSeen;
};

TEST_F(BoardImageTest, AFailingDrawStillEndsTheDrawingState)
{
    bool DrawingSeen = false;
    Image->Picture().SetGraphic(std::make_unique<TFailingGraphic>(*Image, DrawingSeen));

    EXPECT_THROW(Image->PaintWindow(), Exception);

    EXPECT_TRUE(DrawingSeen);
    EXPECT_FALSE(Image->Drawing());
}

TEST_F(BoardImageTest, APictureWithoutAPaletteHasItsPaletteMarkClearedAndNothingRealised)
{
    Place(100, 80, TPoint{100, 80});
    TGraphic* Graphic = Image->Picture().Graphic();
    Graphic->SetPaletteModified(true);

    Image->BeginLoading();
    EXPECT_FALSE(Image->NotifyPaletteChange());
    EXPECT_TRUE(Graphic->PaletteModified()) << "left alone while loading";
    Image->EndLoading();

    EXPECT_FALSE(Image->NotifyPaletteChange());
    EXPECT_FALSE(Graphic->PaletteModified());
    EXPECT_EQ(Image->GetPalette(), 0u);
}

TEST_F(BoardImageTest, TheMenuReferenceIsClearedWhenTheMenuIsFreed)
{
    auto* Menu = new TMainMenu(nullptr);
    Image->SetMenu(Menu);
    ASSERT_EQ(Image->Menu(), Menu);

    delete Menu;

    EXPECT_EQ(Image->Menu(), nullptr);
}

} // namespace
} // namespace setup

namespace setup {
namespace {

// A damaged photograph in a stored layout is reported, and the window loads without it.
TEST(BoardImageLayoutTest, ADamagedPhotographIsReportedAndTheLayoutStillLoads)
{
    static const unsigned char Damaged[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
    RegisterResource("damaged.jpg", Damaged, sizeof Damaged);
    std::vector<std::string> Reports;
    Application->SetExceptionReport([&Reports](const std::string& Message) { Reports.push_back(Message); });

    TForm Form(nullptr);
    TLayoutReader Reader(Form, nullptr);
    Reader.Read("object Form: TForm\n"
                "  object Board: TBoardImage\n"
                "    Width = 60\n"
                "    Height = 40\n"
                "    AutoSize = False\n"
                "    Picture = 'damaged.jpg'\n"
                "    Stretch = True\n"
                "  end\n"
                "end\n");

    auto* Board = dynamic_cast<TBoardImage*>(Form.FindComponent("Board"));
    ASSERT_NE(Board, nullptr);
    EXPECT_TRUE(Board->Stretch()) << "the properties after the picture still apply";
    EXPECT_EQ(Board->Picture().Graphic(), nullptr);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_NE(Reports[0].find("damaged.jpg"), std::string::npos);
    EXPECT_NE(Reports[0].find("JPEG error"), std::string::npos);
    Board->PaintWindow();
}

} // namespace
} // namespace setup
