#include "setup_controls/TwoJumper.h"

#include "MouseClicks.h"
#include "setup_controls/RadioPanel.h"
#include "vcl/Bitmap.h"
#include "vcl/Color.h"
#include "vcl/CustomPanel.h"
#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/LayoutReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vcl {
// Readable rectangles in failure messages.
void PrintTo(const TRect& R, std::ostream* Out)
{
    *Out << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}
} // namespace vcl

namespace setup {
namespace {

using namespace vcl;

constexpr TColor PanelColor = RGB(0, 128, 128);

// A plain container that counts the repaints its controls request.
class TCountingPanel : public TCustomPanel
{
public:
    explicit TCountingPanel(TComponent* AOwner) : TCustomPanel(AOwner)
    {
        SetBevelOuter(bvNone);
        SetColor(PanelColor);
        SetBounds(0, 0, 100, 80);
    }
    void Invalidate() override
    {
        ++Invalidations;
        TCustomPanel::Invalidate();
    }
    int Invalidations = 0;
};

// Derived from the information panel, but under a name of its own.
class TDerivedRadioPanel : public TRadioPanel
{
public:
    using TRadioPanel::TRadioPanel;
    std::string ClassName() const override { return "TDerivedRadioPanel"; }
};

struct TImage
{
    int Width = 0;
    int Height = 0;
    std::vector<TColor> Pixels;
    TColor At(int X, int Y) const { return Pixels[static_cast<size_t>(Y) * Width + X]; }
};

// What the parent shows in the control's rectangle once it has painted.
TImage Shoot(TWinControl& Parent, const TControl& Control)
{
    const TBitmap& Surface = Parent.PaintWindow();
    TImage Image{Control.Width(), Control.Height(), {}};
    for (int Y = 0; Y < Image.Height; ++Y) {
        const uint8_t* Row = Surface.ScanLine(Control.Top() + Y);
        for (int X = 0; X < Image.Width; ++X) {
            const uint8_t* P = Row + (Control.Left() + X) * 4;
            Image.Pixels.push_back(RGB(P[2], P[1], P[0]));
        }
    }
    return Image;
}

// The smallest rectangle holding every pixel of Color within Area; empty when there is none.
TRect BoxOf(const TImage& Image, TColor Color, const TRect& Area)
{
    std::optional<TRect> Box;
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
        for (int X = Area.Left; X < Area.Right; ++X) {
            if (Image.At(X, Y) != Color)
                continue;
            if (!Box)
                Box = TRect{X, Y, X + 1, Y + 1};
            Box = TRect{std::min(Box->Left, X), std::min(Box->Top, Y), std::max(Box->Right, X + 1),
                        std::max(Box->Bottom, Y + 1)};
        }
    return Box.value_or(TRect{});
}

TRect LeftHalf(const TImage& Image) { return {0, 0, Image.Width / 2, Image.Height}; }
TRect RightHalf(const TImage& Image) { return {Image.Width / 2, 0, Image.Width, Image.Height}; }

TTwoJumper* AddGlyph(TWinControl& Parent, int Left = 6, int Top = 4)
{
    auto* Glyph = new TTwoJumper(&Parent);
    Glyph->SetParent(&Parent);
    Glyph->SetLeft(Left);
    Glyph->SetTop(Top);
    return Glyph;
}

class TwoJumperTest : public ::testing::Test
{
protected:
    const TColor Face = ColorToRGB(clBtnFace);
    TCountingPanel Panel{nullptr};
    TTwoJumper* Glyph = AddGlyph(Panel);
};

TEST_F(TwoJumperTest, StartsAsAnOpenUprightCardSizedJumper)
{
    EXPECT_EQ(Glyph->Width(), 34);
    EXPECT_EQ(Glyph->Height(), 18);
    EXPECT_EQ(Glyph->Orientation(), otUp);
    EXPECT_FALSE(Glyph->Closed());
    EXPECT_EQ(Glyph->BaseColor(), clGray);
    EXPECT_EQ(Glyph->JumperColor(), clMaroon);
    EXPECT_EQ(Glyph->PinColor(), clYellow);
    EXPECT_EQ(Glyph->BorderStyle(), bsSingle);
    EXPECT_FALSE(Glyph->SizeSwapPending());
    EXPECT_FALSE(Glyph->PaintedOnce());
    EXPECT_TRUE(Glyph->ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(Glyph->ClassName(), "TTwoJumper");
}

TEST_F(TwoJumperTest, OpenGlyphIsARingedBaseWithTwoPins)
{
    const TImage Image = Shoot(Panel, *Glyph);
    ASSERT_TRUE(Glyph->PaintedOnce());
    for (int X = 0; X < 34; ++X) {
        EXPECT_EQ(Image.At(X, 0), Face) << X;
        EXPECT_EQ(Image.At(X, 17), Face) << X;
    }
    for (int Y = 0; Y < 18; ++Y) {
        EXPECT_EQ(Image.At(0, Y), Face) << Y;
        EXPECT_EQ(Image.At(33, Y), Face) << Y;
    }
    // The outline runs straight between the 9 by 9 corner ellipses and curves off the frame's corners.
    for (int X = 5; X <= 28; ++X) {
        EXPECT_EQ(Image.At(X, 1), clBlack) << X;
        EXPECT_EQ(Image.At(X, 16), clBlack) << X;
    }
    for (int Y = 5; Y <= 12; ++Y) {
        EXPECT_EQ(Image.At(1, Y), clBlack) << Y;
        EXPECT_EQ(Image.At(32, Y), clBlack) << Y;
    }
    const TPoint FrameCorners[] = {{1, 1}, {32, 1}, {1, 16}, {32, 16}};
    for (TPoint P : FrameCorners)
        EXPECT_EQ(Image.At(P.X, P.Y), Face) << P.X << "," << P.Y;
    EXPECT_EQ(BoxOf(Image, clYellow, LeftHalf(Image)), (TRect{8, 6, 14, 12}));
    EXPECT_EQ(BoxOf(Image, clYellow, RightHalf(Image)), (TRect{20, 6, 26, 12}));
    EXPECT_EQ(BoxOf(Image, clGray, {0, 0, 34, 18}), (TRect{2, 2, 32, 16}));
    for (TColor Pixel : Image.Pixels)
        ASSERT_TRUE(Pixel == Face || Pixel == clBlack || Pixel == clGray || Pixel == clYellow)
            << std::hex << Pixel;
}

TEST_F(TwoJumperTest, ClosedGlyphIsACapFillingTheFrameUnderThePins)
{
    struct TCase
    {
        const char* Name;
        TBorderStyle BorderStyle;
        TColor Edge;
    };
    for (const TCase& Case : {TCase{"Single", bsSingle, clBlack}, TCase{"NoBorder", bsNone, clMaroon}}) {
        SCOPED_TRACE(Case.Name);
        Glyph->SetClosed(true);
        Glyph->SetBorderStyle(Case.BorderStyle);
        const TImage Image = Shoot(Panel, *Glyph);
        const TRect LeftPin{8, 6, 14, 12}, RightPin{20, 6, 26, 12};
        EXPECT_EQ(BoxOf(Image, clYellow, LeftHalf(Image)), LeftPin);
        EXPECT_EQ(BoxOf(Image, clYellow, RightHalf(Image)), RightPin);
        for (int Y = 0; Y < 18; ++Y)
            for (int X = 0; X < 34; ++X) {
                const TColor Pixel = Image.At(X, Y);
                if (X == 0 || Y == 0 || X == 33 || Y == 17)
                    EXPECT_EQ(Pixel, Case.Edge) << X << "," << Y;
                else if (LeftPin.Contains({X, Y}) || RightPin.Contains({X, Y}))
                    EXPECT_TRUE(Pixel == clYellow || Pixel == clMaroon) << X << "," << Y;
                else
                    EXPECT_EQ(Pixel, clMaroon) << X << "," << Y;
            }
    }
}

TEST_F(TwoJumperTest, PinsFollowTheFrameSize)
{
    struct TCase
    {
        const char* Name;
        int Width, Height;
        std::optional<std::pair<TRect, TRect>> Pins;
    };
    const TCase Cases[] = {
        {"CardFrame", 34, 18, std::pair{TRect{8, 6, 14, 12}, TRect{20, 6, 26, 12}}},
        // 18 / 4 = 4.5 rounds to 4, below 17 div 3 = 5.
        {"WideFrameRoundsHalvesToEven", 60, 18, std::pair{TRect{14, 5, 22, 13}, TRect{38, 5, 46, 13}}},
        {"LowFrameTakesTheRadiusFromTheHeight", 40, 3, std::pair{TRect{11, 0, 13, 2}, TRect{27, 0, 29, 2}}},
        {"NarrowFrameHasNoPins", 8, 18, std::nullopt},
        // 2 / 4 = 0.5 rounds to 0.
        {"FlatFrameHasNoPins", 34, 2, std::nullopt},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Glyph->SetBounds(6, 4, Case.Width, Case.Height);
        const TImage Image = Shoot(Panel, *Glyph);
        if (Case.Pins) {
            EXPECT_EQ(BoxOf(Image, clYellow, LeftHalf(Image)), Case.Pins->first);
            EXPECT_EQ(BoxOf(Image, clYellow, RightHalf(Image)), Case.Pins->second);
        } else {
            EXPECT_TRUE(BoxOf(Image, clYellow, {0, 0, Image.Width, Image.Height}).IsEmpty());
        }
    }
}

TEST_F(TwoJumperTest, BackgroundIsTheColourOfAnExactInformationPanel)
{
    struct TCase
    {
        const char* Name;
        std::function<TWinControl*()> MakeParent;
        bool TakesPanelColour;
    };
    const TCase Cases[] = {
        {"InformationPanel", [] { return new TRadioPanel(nullptr); }, true},
        {"DerivedPanel", [] { return new TDerivedRadioPanel(nullptr); }, false},
        {"PlainPanel", [] { return new TCountingPanel(nullptr); }, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        std::unique_ptr<TWinControl> Parent(Case.MakeParent());
        Parent->SetColor(PanelColor);
        TTwoJumper* Child = AddGlyph(*Parent);
        const TImage Image = Shoot(*Parent, *Child);
        EXPECT_EQ(Image.At(0, 0), Case.TakesPanelColour ? PanelColor : Face);
        EXPECT_EQ(Image.At(33, 17), Case.TakesPanelColour ? PanelColor : Face);
    }
}

TEST_F(TwoJumperTest, TurnsTheUprightDrawingPixelByPixel)
{
    struct TCase
    {
        const char* Name;
        TOrientationType Orientation;
        int U, V;
        // Where the upright pixel (X, Y) shows on the turned control.
        std::function<TPoint(int X, int Y, int U, int V)> Place;
    };
    // An odd height puts the pins off the middle, so a wrong turn shows.
    const TCase Cases[] = {
        {"HalfTurn", otDown, 34, 17,
         [](int X, int Y, int U, int V) {
             return TPoint{U - 1 - X, V - 1 - Y};
         }},
        {"Anticlockwise", otLeft, 34, 17,
         [](int X, int Y, int U, int) {
             return TPoint{Y, U - 1 - X};
         }},
        {"Clockwise", otRight, 34, 17,
         [](int X, int Y, int, int V) {
             return TPoint{V - 1 - Y, X};
         }},
        {"CardTermination", otRight, 34, 18,
         [](int X, int Y, int, int V) {
             return TPoint{V - 1 - Y, X};
         }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCountingPanel Parent(nullptr);
        TTwoJumper* Upright = AddGlyph(Parent, 2, 2);
        Upright->SetBounds(2, 2, Case.U, Case.V);
        TTwoJumper* Turned = AddGlyph(Parent, 50, 2);
        const bool Quarter = Case.Orientation == otLeft || Case.Orientation == otRight;
        Turned->SetBounds(50, 2, Quarter ? Case.V : Case.U, Quarter ? Case.U : Case.V);
        Turned->SetOrientation(Case.Orientation);

        const TImage Expected = Shoot(Parent, *Upright);
        const TImage Actual = Shoot(Parent, *Turned);
        ASSERT_EQ(Actual.Width, Quarter ? Case.V : Case.U);
        ASSERT_EQ(Actual.Height, Quarter ? Case.U : Case.V);
        for (int Y = 0; Y < Case.V; ++Y)
            for (int X = 0; X < Case.U; ++X) {
                const TPoint To = Case.Place(X, Y, Case.U, Case.V);
                ASSERT_EQ(Actual.At(To.X, To.Y), Expected.At(X, Y)) << X << "," << Y;
            }
    }
}

TEST_F(TwoJumperTest, ClockwiseCardGlyphStacksItsPins)
{
    Glyph->SetBounds(6, 4, 18, 34);
    Glyph->SetOrientation(otRight);
    const TImage Image = Shoot(Panel, *Glyph);
    EXPECT_EQ(BoxOf(Image, clYellow, {0, 0, 18, 17}), (TRect{6, 8, 12, 14}));
    EXPECT_EQ(BoxOf(Image, clYellow, {0, 17, 18, 34}), (TRect{6, 20, 12, 26}));
    EXPECT_EQ(Glyph->DrawBitmap().Width(), 34);
    EXPECT_EQ(Glyph->DrawBitmap().Height(), 18);
    EXPECT_EQ(Glyph->ViewBitmap().Width(), 18);
    EXPECT_EQ(Glyph->ViewBitmap().Height(), 34);
}

TEST_F(TwoJumperTest, EveryPaintLeavesTheDrawingSettingsAsItFoundThem)
{
    TCanvas& Drawing = Glyph->DrawBitmap().Canvas();
    Drawing.Pen = {clBlue, 3, psDash};
    Drawing.Brush = {clRed, bsClearBrush};
    for (bool Closed : {false, true}) {
        Glyph->SetClosed(Closed);
        Panel.PaintWindow();
        EXPECT_EQ(Drawing.Pen.Color, clBlue);
        EXPECT_EQ(Drawing.Pen.Width, 3);
        EXPECT_EQ(Drawing.Pen.Style, psDash);
        EXPECT_EQ(Drawing.Brush.Color, clRed);
        EXPECT_EQ(Drawing.Brush.Style, bsClearBrush);
    }
}

TEST_F(TwoJumperTest, SwapsItsSizeOnlyWhenTurnedAcrossPairsAfterAPaint)
{
    struct TCase
    {
        const char* Name;
        bool PaintedBefore;
        TOrientationType Orientation;
        int Width, Height;
    };
    const TCase Cases[] = {
        {"LoadedTurned", false, otRight, 34, 18},
        {"ShowingWithinPair", true, otDown, 34, 18},
        {"ShowingAcrossPairs", true, otLeft, 18, 34},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCountingPanel Parent(nullptr);
        TTwoJumper* Child = AddGlyph(Parent);
        if (Case.PaintedBefore)
            Parent.PaintWindow();
        Child->SetOrientation(Case.Orientation);
        EXPECT_EQ(Child->SizeSwapPending(), Case.Orientation == otLeft || Case.Orientation == otRight);
        EXPECT_EQ(Child->Width(), 34) << "the size changes only at the paint";
        Parent.PaintWindow();
        EXPECT_FALSE(Child->SizeSwapPending());
        EXPECT_EQ(Child->Width(), Case.Width);
        EXPECT_EQ(Child->Height(), Case.Height);
    }
}

TEST_F(TwoJumperTest, SwappingPaintShowsTheTurnedGlyphAtItsNewSize)
{
    TTwoJumper* Fresh = AddGlyph(Panel, 60, 4);
    Fresh->SetBounds(60, 4, 18, 34);
    Fresh->SetOrientation(otLeft);
    Panel.PaintWindow();
    Glyph->SetOrientation(otLeft);

    const TImage Swapped = Shoot(Panel, *Glyph);
    const TImage Expected = Shoot(Panel, *Fresh);
    EXPECT_EQ(Swapped.Pixels, Expected.Pixels);
    // Where the glyph lay before, the panel shows again.
    const TBitmap& Surface = Panel.PaintWindow();
    const uint8_t* P = Surface.ScanLine(4 + 9) + (6 + 25) * 4;
    EXPECT_EQ(RGB(P[2], P[1], P[0]), PanelColor);
}

TEST_F(TwoJumperTest, SettersRepaintOnlyOnChange)
{
    struct TCase
    {
        const char* Name;
        std::function<void(TTwoJumper&)> SetCurrent;
        std::function<void(TTwoJumper&)> SetOther;
    };
    const TCase Cases[] = {
        {"Closed", [](TTwoJumper& G) { G.SetClosed(false); }, [](TTwoJumper& G) { G.SetClosed(true); }},
        {"BaseColor", [](TTwoJumper& G) { G.SetBaseColor(clGray); },
         [](TTwoJumper& G) { G.SetBaseColor(clBlue); }},
        {"PinColor", [](TTwoJumper& G) { G.SetPinColor(clYellow); },
         [](TTwoJumper& G) { G.SetPinColor(clRed); }},
        {"JumperColor", [](TTwoJumper& G) { G.SetJumperColor(clMaroon); },
         [](TTwoJumper& G) { G.SetJumperColor(clWhite); }},
        {"BorderStyle", [](TTwoJumper& G) { G.SetBorderStyle(bsSingle); },
         [](TTwoJumper& G) { G.SetBorderStyle(bsNone); }},
        {"Orientation", [](TTwoJumper& G) { G.SetOrientation(otUp); },
         [](TTwoJumper& G) { G.SetOrientation(otDown); }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCountingPanel Parent(nullptr);
        TTwoJumper* Child = AddGlyph(Parent);
        Parent.Invalidations = 0;
        Case.SetCurrent(*Child);
        EXPECT_EQ(Parent.Invalidations, 0);
        Case.SetOther(*Child);
        EXPECT_EQ(Parent.Invalidations, 1);
        EXPECT_FALSE(Child->SizeSwapPending());
    }
}

TEST_F(TwoJumperTest, PendingSwapSurvivesTurnsThatDoNotCrossBack)
{
    Glyph->SetOrientation(otLeft);
    ASSERT_TRUE(Glyph->SizeSwapPending());
    Panel.Invalidations = 0;
    Glyph->SetOrientation(otLeft);
    EXPECT_EQ(Panel.Invalidations, 0);
    Glyph->SetOrientation(otRight);
    EXPECT_TRUE(Glyph->SizeSwapPending());
}

TEST_F(TwoJumperTest, MouseInputTogglesAnEnabledVisibleGlyphOncePerClick)
{
    struct TCase
    {
        const char* Name;
        std::function<void(TTwoJumper&)> Prepare;
        std::function<void(TWinControl&, TTwoJumper&)> Input;
        bool Closed;
        int Clicks;
    };
    const TCase Cases[] = {
        {"Click", [](TTwoJumper&) {}, [](TWinControl& P, TTwoJumper& G) { ClickControl(P, G); }, true, 1},
        {"TwoClicks", [](TTwoJumper&) {},
         [](TWinControl& P, TTwoJumper& G) {
             ClickControl(P, G);
             ClickControl(P, G);
         },
         false, 2},
        {"DoubleClick", [](TTwoJumper&) {}, [](TWinControl& P, TTwoJumper& G) { DoubleClickControl(P, G); },
         true, 1},
        {"Disabled", [](TTwoJumper& G) { G.SetEnabled(false); },
         [](TWinControl& P, TTwoJumper& G) { ClickControl(P, G); }, false, 0},
        {"Hidden", [](TTwoJumper& G) { G.SetVisible(false); },
         [](TWinControl& P, TTwoJumper& G) { ClickControl(P, G); }, false, 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCountingPanel Parent(nullptr);
        TTwoJumper* Child = AddGlyph(Parent);
        std::vector<bool> ClosedAtClick;
        Child->OnClick = [&](TObject* Sender) {
            EXPECT_EQ(Sender, Child);
            ClosedAtClick.push_back(Child->Closed());
        };
        Case.Prepare(*Child);
        Parent.Invalidations = 0;
        Case.Input(Parent, *Child);
        EXPECT_EQ(Child->Closed(), Case.Closed);
        EXPECT_EQ(Parent.Invalidations, Case.Clicks) << "each click repaints the glyph";
        ASSERT_EQ(static_cast<int>(ClosedAtClick.size()), Case.Clicks);
        // OnClick sees the flipped value.
        for (size_t I = 0; I < ClosedAtClick.size(); ++I)
            EXPECT_EQ(ClosedAtClick[I], I % 2 == 0);
    }
}

TEST_F(TwoJumperTest, DisabledGlyphLooksLikeAnEnabledOne)
{
    Glyph->SetClosed(true);
    const TImage Enabled = Shoot(Panel, *Glyph);
    Glyph->SetEnabled(false);
    EXPECT_EQ(Shoot(Panel, *Glyph).Pixels, Enabled.Pixels);
}

TEST_F(TwoJumperTest, PanelDerivedUnderAnotherNameAppliesNoRadioRule)
{
    TDerivedRadioPanel Parent(nullptr);
    Parent.SetRadioEnabled(true);
    TTwoJumper* First = AddGlyph(Parent, 0, 0);
    TTwoJumper* Second = AddGlyph(Parent, 40, 0);
    Second->SetClosed(true);
    int Clicks = 0;
    First->OnClick = [&](TObject*) { ++Clicks; };
    ClickControl(Parent, *First);
    EXPECT_TRUE(First->Closed());
    EXPECT_TRUE(Second->Closed());
    EXPECT_EQ(Clicks, 1);
}

class TwoJumperLayoutTest : public ::testing::Test
{
protected:
    void Read(const std::string& Text)
    {
        TLayoutReader Reader(Form, [this](const std::string& Name) -> TNotifyEvent {
            if (Name != "JumperClick")
                return {};
            return [this](TObject*) { ++Clicks; };
        });
        Reader.Read(Text);
    }
    TForm Form{nullptr};
    int Clicks = 0;
};

TEST_F(TwoJumperLayoutTest, LayoutSetsEveryGlyphPropertyAndKeepsTheStoredSize)
{
    Read(R"(object Form1: TForm
  object Panel1: TRadioPanel
    Width = 100
    Height = 60
    object Jumper1: TTwoJumper
      Left = 4
      Top = 6
      Width = 18
      Height = 34
      Closed = True
      BaseColor = clBlue
      PinColor = clRed
      JumperColor = clWhite
      Orientation = otRight
      BorderStyle = bsNone
      OnClick = JumperClick
    end
  end
end
)");
    auto* Jumper = dynamic_cast<TTwoJumper*>(Form.FindComponent("Jumper1"));
    auto* Panel = dynamic_cast<TRadioPanel*>(Form.FindComponent("Panel1"));
    ASSERT_TRUE(Jumper && Panel);
    EXPECT_EQ(Jumper->Parent(), Panel);
    EXPECT_TRUE(Jumper->Closed());
    EXPECT_EQ(Jumper->BaseColor(), clBlue);
    EXPECT_EQ(Jumper->PinColor(), clRed);
    EXPECT_EQ(Jumper->JumperColor(), clWhite);
    EXPECT_EQ(Jumper->Orientation(), otRight);
    EXPECT_EQ(Jumper->BorderStyle(), bsNone);

    Panel->PaintWindow();
    EXPECT_EQ(Jumper->Width(), 18);
    EXPECT_EQ(Jumper->Height(), 34);
    ClickControl(*Panel, *Jumper);
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Jumper->Closed());
}

TEST_F(TwoJumperLayoutTest, RejectsValuesOutsideTheGlyphsTypes)
{
    for (const char* Property :
         {"Orientation = otSideways", "BorderStyle = bsDouble", "PinColor = 'yellow'"}) {
        SCOPED_TRACE(Property);
        TForm Root(nullptr);
        TLayoutReader Reader(Root, nullptr);
        const std::string Text = std::string("object Form1: TForm\n  object Jumper1: TTwoJumper\n    ") +
                                 Property + "\n  end\nend\n";
        try {
            Reader.Read(Text);
            ADD_FAILURE() << "accepted";
        } catch (const ELayoutError& E) {
            EXPECT_NE(E.Message().find("line 3"), std::string::npos) << E.Message();
        }
    }
}

} // namespace
} // namespace setup
