#include "setup_controls/BoardHighlight.h"

#include "setup_controls/BoardImage.h"
#include "setup_controls/RadioPanel.h"
#include "vcl/Bitmap.h"
#include "vcl/Color.h"
#include "vcl/Component.h"
#include "vcl/CustomPanel.h"
#include "vcl/Dialogs.h"
#include "vcl/Exceptions.h"
#include "vcl/LayoutReader.h"
#include "vcl/Menus.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

struct TPixel
{
    uint8_t B = 0, G = 0, R = 0, Fourth = 0;
    bool operator==(const TPixel&) const = default;
};

void PrintTo(const TPixel& P, std::ostream* Out)
{
    *Out << "R" << int(P.R) << " G" << int(P.G) << " B" << int(P.B) << " fourth " << int(P.Fourth);
}

TPixel PixelAt(const TBitmap& Image, int X, int Y)
{
    const uint8_t* P = Image.ScanLine(Y) + X * 4;
    return {P[0], P[1], P[2], P[3]};
}

void Fill(TBitmap& Image, TPixel Value)
{
    for (int Y = 0; Y < Image.Height(); ++Y)
        for (int X = 0; X < Image.Width(); ++X)
            std::memcpy(Image.ScanLine(Y) + X * 4, &Value, 4);
}

// Every pixel of Image against the rectangle of Surface at (Left, Top).
bool SameAsRegion(const TBitmap& Image, const TBitmap& Surface, int Left, int Top)
{
    for (int Y = 0; Y < Image.Height(); ++Y)
        if (std::memcmp(Image.ScanLine(Y), Surface.ScanLine(Top + Y) + Left * 4, Image.BytesPerLine()) != 0)
            return false;
    return true;
}

// The hover state is driven from inside the class; tests set it directly.
class THoverableHighlight : public TBoardHighlight
{
public:
    using TBoardHighlight::TBoardHighlight;
    void SetEnteredState(bool Value) { FEntered = Value; }
};

class TRenamedHighlight : public TBoardHighlight
{
public:
    using TBoardHighlight::TBoardHighlight;
    std::string ClassName() const override { return "TFancyHighlight"; }
};

class TRenamedBoard : public TBoardImage
{
public:
    using TBoardImage::TBoardImage;
    std::string ClassName() const override { return "TPhotoBoard"; }
};

struct TMessageBoxCall
{
    std::string Text;
    unsigned Flags;
};

// Owns a board image (which destroys its children) and answers every message box.
class BoardHighlightTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetMessageBoxHook([this](const std::string& Text, const std::string&, unsigned Flags) {
            Calls.push_back({Text, Flags});
            return Answer;
        });
    }
    void TearDown() override { SetMessageBoxHook(nullptr); }

    template <class T = TBoardHighlight>
    T* AddHighlight(TWinControl& Parent, const std::string& Name, const std::string& Title,
                    THighlightType Type = htSettings)
    {
        auto* Highlight = new T(nullptr);
        Highlight->SetName(Name);
        Highlight->SetTitle(Title);
        Highlight->SetHighlightType(Type);
        Highlight->SetParent(&Parent);
        return Highlight;
    }

    TRadioPanel* AddPanel(const std::string& Name)
    {
        Panels.push_back(std::make_unique<TRadioPanel>(nullptr));
        Panels.back()->SetName(Name);
        return Panels.back().get();
    }

    std::vector<std::unique_ptr<TRadioPanel>> Panels;
    std::unique_ptr<TBoardImage> Board = std::make_unique<TBoardImage>(nullptr);
    std::vector<TMessageBoxCall> Calls;
    int Answer = IDYES;
};

TEST_F(BoardHighlightTest, NewHighlightHasTheSettingsLook)
{
    TBoardHighlight Highlight(nullptr);
    EXPECT_EQ(Highlight.Width(), 65);
    EXPECT_EQ(Highlight.Height(), 65);
    EXPECT_EQ(Highlight.HighlightType(), htSettings);
    EXPECT_EQ(Highlight.CircleColor(), clYellow);
    EXPECT_EQ(Highlight.NormalStrength(), 0.5f);
    EXPECT_EQ(Highlight.BrightStrength(), 1.0f);
    EXPECT_EQ(Highlight.OpenStrength(), 0.75f);
    EXPECT_TRUE(Highlight.CreatePopup());
    EXPECT_EQ(Highlight.RadioPanel(), nullptr);
    EXPECT_EQ(Highlight.Popup(), nullptr);
    EXPECT_EQ(Highlight.BoardMenu(), nullptr);
    EXPECT_TRUE(Highlight.Title().empty());
    EXPECT_FALSE(Highlight.Entered() || Highlight.Prepared() || Highlight.Pinned() ||
                 Highlight.PopupActive());
}

TEST_F(BoardHighlightTest, TypeSetsColourAndStrengths)
{
    struct TLookCase
    {
        THighlightType Type;
        TColor Color;
        float Normal, Bright, Open;
    };
    // Options first: a fresh highlight is already of the settings type.
    const TLookCase Cases[] = {
        {htOptions, clBlue, 0.25f, 1.0f, 0.5f},
        {htCalibration, clRed, 0.5f, 1.0f, 0.75f},
        {htSettings, clYellow, 0.5f, 1.0f, 0.75f},
    };
    TBoardHighlight Highlight(nullptr);
    for (const TLookCase& Case : Cases) {
        SCOPED_TRACE(Case.Type);
        Highlight.SetHighlightType(Case.Type);
        EXPECT_EQ(Highlight.HighlightType(), Case.Type);
        EXPECT_EQ(Highlight.CircleColor(), Case.Color);
        EXPECT_EQ(Highlight.NormalStrength(), Case.Normal);
        EXPECT_EQ(Highlight.BrightStrength(), Case.Bright);
        EXPECT_EQ(Highlight.OpenStrength(), Case.Open);
    }
    EXPECT_THROW(Highlight.SetHighlightType(static_cast<THighlightType>(3)), EComponentError);
    EXPECT_EQ(Highlight.HighlightType(), htSettings);
}

TEST_F(BoardHighlightTest, TitleGivesPlainAndIdentifierForms)
{
    struct TTitleCase
    {
        const char* Title;
        const char* Plain;
        const char* Ident;
    };
    const TTitleCase Cases[] = {
        {"&Baud Multiplier", "Baud Multiplier", "BaudMultiplier"},
        {"&Port Termination", "Port Termination", "PortTermination"},
        {"&&Save", "Save", "Save"},
        {"Clock_2", "Clock_2", "Clock_2"},
        {"1X Clock", "1X Clock", "XClock"},
        {"12-3", "12-3", ""},
        {"", "", ""},
    };
    for (const TTitleCase& Case : Cases) {
        SCOPED_TRACE(Case.Title);
        TBoardHighlight Highlight(nullptr);
        Highlight.SetTitle("previous");
        Highlight.SetTitle(Case.Title);
        EXPECT_EQ(Highlight.Title(), Case.Title);
        EXPECT_EQ(Highlight.PlainTitle(), Case.Plain);
        EXPECT_EQ(Highlight.IdentTitle(), Case.Ident);
    }
}

struct TTintCase
{
    const char* Name;
    int XMax, YMax;
    float Strength;
    TColor Color;
    bool WhiteCore;
    TPixel Background;
    int X, Y;
    TPixel Expected;
};

// On a 33 x 33 image FX = FY = 1/16, so column 30 of the middle row lies at
// radius 0.875 exactly, 29 at 0.8125 and 31 at 0.9375.
const TTintCase TintCases[] = {
    {"SettingsNormalCentreOnBlack", 2, 2, 0.5f, clYellow, false, {0, 0, 0, 7}, 1, 1, {0, 20, 20, 7}},
    {"OptionsNormalCentreOnWhite", 2, 2, 0.25f, clBlue, false, {255, 255, 255, 7}, 1, 1, {255, 245, 245, 7}},
    {"BrightRingPeakTurnsWhite", 32, 32, 1.0f, clYellow, true, {10, 20, 30, 7}, 30, 16, {255, 255, 255, 0}},
    {"BrightRingInsidePeakTakesCircleColour",
     32,
     32,
     1.0f,
     clYellow,
     true,
     {10, 20, 30, 7},
     29,
     16,
     {0, 255, 255, 7}},
    {"BrightRingOutsidePeakTakesCircleColour",
     32,
     32,
     1.0f,
     clYellow,
     true,
     {10, 20, 30, 7},
     31,
     16,
     {0, 255, 255, 7}},
    {"BrightInnerDiscIsNotDoubled", 32, 32, 1.0f, clYellow, true, {0, 0, 0, 7}, 16, 16, {0, 41, 41, 7}},
    {"NormalRingPeakRoundsHalvesToEven", 32, 32, 0.5f, clBlue, false, {0, 3, 1, 9}, 30, 16, {128, 2, 0, 9}},
    {"RimAtRadiusOneIsUntouched", 32, 32, 1.0f, clYellow, true, {10, 20, 30, 7}, 32, 16, {10, 20, 30, 7}},
    {"EdgeMiddleOfThreeByThreeIsUntouched",
     2,
     2,
     1.0f,
     clYellow,
     true,
     {10, 20, 30, 7},
     1,
     0,
     {10, 20, 30, 7}},
};

class BoardHighlightTintTest : public testing::TestWithParam<TTintCase>
{};

TEST_P(BoardHighlightTintTest, BlendsThePixel)
{
    const TTintCase& Case = GetParam();
    TBitmap Image(Case.XMax + 1, Case.YMax + 1);
    Fill(Image, Case.Background);
    TBoardHighlight::TintCircle(Image, Case.XMax, Case.YMax, Case.Strength, Case.Color, Case.WhiteCore);
    EXPECT_EQ(PixelAt(Image, Case.X, Case.Y), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(BoardHighlight, BoardHighlightTintTest, testing::ValuesIn(TintCases),
                         [](const testing::TestParamInfo<TTintCase>& Info) { return Info.param.Name; });

TEST(BoardHighlightTint, ThreeByThreeTintsOnlyItsCentre)
{
    const TPixel Background{10, 20, 30, 7};
    TBitmap Image(3, 3);
    Fill(Image, Background);
    TBoardHighlight::TintCircle(Image, 2, 2, 1.0f, clRed, true);
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 3; ++X)
            if (X != 1 || Y != 1) {
                EXPECT_EQ(PixelAt(Image, X, Y), Background) << X << "," << Y;
            }
    EXPECT_NE(PixelAt(Image, 1, 1), Background);
}

TEST(BoardHighlightTint, ExtentsWithoutACircleLeaveTheImageAlone)
{
    const TPixel Background{10, 20, 30, 7};
    const std::pair<int, int> Sizes[] = {{1, 5}, {5, 1}, {1, 1}, {0, 0}};
    for (auto [Width, Height] : Sizes) {
        SCOPED_TRACE(std::to_string(Width) + "x" + std::to_string(Height));
        TBitmap Image(Width, Height);
        Fill(Image, Background);
        TBoardHighlight::TintCircle(Image, Width - 1, Height - 1, 1.0f, clRed, true);
        for (int Y = 0; Y < Height; ++Y)
            for (int X = 0; X < Width; ++X)
                EXPECT_EQ(PixelAt(Image, X, Y), Background);
    }
    TBitmap Small(3, 3);
    EXPECT_THROW(TBoardHighlight::TintCircle(Small, 5, 5, 1.0f, clRed, false), EInvalidGraphic);
}

TEST_F(BoardHighlightTest, GroupIsSameBoardTitleAndType)
{
    auto* Self = AddHighlight(*Board, "Self", "&Clock");
    auto* Twin = AddHighlight(*Board, "Twin", "&Clock");
    auto* OtherType = AddHighlight(*Board, "OtherType", "&Clock", htOptions);
    auto* OtherTitle = AddHighlight(*Board, "OtherTitle", "Clock");
    auto* Renamed = AddHighlight<TRenamedHighlight>(*Board, "Renamed", "&Clock");
    TBoardImage OtherBoard(nullptr);
    auto* Elsewhere = AddHighlight(OtherBoard, "Elsewhere", "&Clock");

    EXPECT_TRUE(Self->IsGroupMember(Self));
    EXPECT_TRUE(Self->IsGroupMember(Twin));
    EXPECT_TRUE(Twin->IsGroupMember(Self));
    EXPECT_FALSE(Self->IsGroupMember(OtherType));
    EXPECT_FALSE(Self->IsGroupMember(OtherTitle));
    EXPECT_FALSE(Self->IsGroupMember(Renamed));
    EXPECT_FALSE(Self->IsGroupMember(Elsewhere));
    EXPECT_FALSE(Self->IsGroupMember(nullptr));
    EXPECT_EQ(Self->GroupMembers(), (std::vector<TBoardHighlight*>{Self, Twin}));
}

TEST_F(BoardHighlightTest, NoGroupWithoutABoardImageParent)
{
    TCustomPanel Panel(nullptr);
    TRenamedBoard Renamed(nullptr);
    for (TWinControl* Parent : std::vector<TWinControl*>{&Panel, &Renamed}) {
        SCOPED_TRACE(Parent->ClassName());
        auto* Self = AddHighlight(*Parent, "Self", "&Clock");
        auto* Twin = AddHighlight(*Parent, "Twin", "&Clock");
        EXPECT_FALSE(Self->IsGroupMember(Twin));
        EXPECT_FALSE(Self->IsGroupMember(Self));
        EXPECT_TRUE(Self->GroupMembers().empty());
    }
}

TEST_F(BoardHighlightTest, PanelOfAnUnrelatedHighlightIsRefusedSilently)
{
    TRadioPanel* Clock = AddPanel("ClockPanel");
    TRadioPanel* Spare = AddPanel("SparePanel");
    auto* First = AddHighlight(*Board, "First", "&Clock");
    auto* OtherTitle = AddHighlight(*Board, "OtherTitle", "&Port");
    auto* OtherType = AddHighlight(*Board, "OtherType", "&Clock", htOptions);
    First->SetRadioPanel(Clock);
    OtherTitle->SetRadioPanel(Spare);

    OtherTitle->SetRadioPanel(Clock);
    OtherType->SetRadioPanel(Clock);

    EXPECT_EQ(First->RadioPanel(), Clock);
    EXPECT_EQ(OtherTitle->RadioPanel(), Spare);
    EXPECT_EQ(OtherType->RadioPanel(), nullptr);
    EXPECT_TRUE(Calls.empty());
}

TEST_F(BoardHighlightTest, GroupMembersSharePanelAndFollowItsDestruction)
{
    TRadioPanel* Clock = AddPanel("ClockPanel");
    auto* First = AddHighlight(*Board, "First", "&Clock");
    auto* Twin = AddHighlight(*Board, "Twin", "&Clock");
    First->SetRadioPanel(Clock);
    Twin->SetRadioPanel(Clock);
    EXPECT_EQ(Twin->RadioPanel(), Clock);

    Panels.clear();
    EXPECT_EQ(First->RadioPanel(), nullptr);
    EXPECT_EQ(Twin->RadioPanel(), nullptr);
    EXPECT_TRUE(Calls.empty());
}

TEST_F(BoardHighlightTest, NilClearsThePanel)
{
    TRadioPanel* Clock = AddPanel("ClockPanel");
    auto* First = AddHighlight(*Board, "First", "&Clock");
    First->SetRadioPanel(Clock);
    First->SetRadioPanel(nullptr);
    EXPECT_EQ(First->RadioPanel(), nullptr);
    // No longer watched: destroying the panel must not touch the highlight.
    Panels.clear();
    EXPECT_EQ(First->RadioPanel(), nullptr);
}

TEST_F(BoardHighlightTest, DesignerIsToldOfAConflict)
{
    TRadioPanel* Clock = AddPanel("ClockPanel");
    auto* ClockHighlight = AddHighlight(*Board, "ClockHighlight", "&Clock");
    auto* TermHighlight = AddHighlight(*Board, "TermHighlight", "&Port");
    ClockHighlight->SetRadioPanel(Clock);
    TermHighlight->SetDesigning(true);

    TermHighlight->SetRadioPanel(Clock);

    ASSERT_EQ(Calls.size(), 1u);
    EXPECT_EQ(Calls[0].Text, "ClockPanel has already been assigned to ClockHighlight.");
    EXPECT_EQ(Calls[0].Flags & 0xF, MB_OK);
    EXPECT_EQ(TermHighlight->RadioPanel(), nullptr);
}

TEST_F(BoardHighlightTest, DesignerIsAskedToSynchroniseTheGroup)
{
    for (int Reply : {IDYES, IDNO}) {
        SCOPED_TRACE(Reply);
        Calls.clear();
        Answer = Reply;
        TBoardImage Image(nullptr);
        TRadioPanel* Old = AddPanel("OldPanel");
        TRadioPanel* New = AddPanel("NewPanel");
        auto* Linked = AddHighlight(Image, "Linked", "&Clock");
        auto* Same = AddHighlight(Image, "Same", "&Clock");
        auto* Editing = AddHighlight(Image, "Editing", "&Clock");
        Linked->SetRadioPanel(Old);
        Same->SetRadioPanel(New);
        Editing->SetDesigning(true);

        Editing->SetRadioPanel(New);

        ASSERT_EQ(Calls.size(), 1u);
        EXPECT_EQ(Calls[0].Text,
                  "Editing's RadioPanel property changed. Synchronize linked component Linked?");
        EXPECT_EQ(Calls[0].Flags & 0xF, MB_YESNO);
        EXPECT_EQ(Editing->RadioPanel(), New);
        EXPECT_EQ(Linked->RadioPanel(), Reply == IDYES ? New : Old);
    }
}

TEST_F(BoardHighlightTest, LoadingAsksNothing)
{
    TRadioPanel* Clock = AddPanel("ClockPanel");
    AddHighlight(*Board, "Linked", "&Clock");
    auto* Editing = AddHighlight(*Board, "Editing", "&Clock");
    Editing->SetDesigning(true);
    Editing->BeginLoading();
    Editing->SetRadioPanel(Clock);
    Editing->EndLoading();
    EXPECT_EQ(Editing->RadioPanel(), Clock);
    EXPECT_TRUE(Calls.empty());
}

TEST_F(BoardHighlightTest, LayoutBindsPanelsOnceAllExist)
{
    TComponent Root(nullptr);
    TLayoutReader Reader(Root, [](const std::string&) { return TNotifyEvent(); });
    Reader.Read(R"(object Root: TComponent
  object Photo: TBoardImage
    object First: TBoardHighlight
      RadioPanel = Shared
      Title = '&Clock'
    end
    object Second: TBoardHighlight
      CreatePopup = False
      HighlightType = htOptions
      RadioPanel = Shared
      Title = '&Port'
    end
  end
  object Shared: TRadioPanel
  end
end)");
    auto* First = dynamic_cast<TBoardHighlight*>(Root.FindComponent("First"));
    auto* Second = dynamic_cast<TBoardHighlight*>(Root.FindComponent("Second"));
    ASSERT_TRUE(First && Second);
    EXPECT_EQ(First->RadioPanel(), Root.FindComponent("Shared"));
    EXPECT_EQ(Second->RadioPanel(), nullptr);
    EXPECT_EQ(Second->HighlightType(), htOptions);
    EXPECT_FALSE(Second->CreatePopup());
    EXPECT_EQ(Second->PlainTitle(), "Port");
    EXPECT_EQ(First->Parent(), Root.FindComponent("Photo"));
    EXPECT_TRUE(Calls.empty());
}

struct TChildSpec
{
    const char* Name;
    const char* Title;
    THighlightType Type;
};

struct TOrderCase
{
    const char* Name;
    std::vector<TChildSpec> Children;
    std::string ExpectedOrder;
};

std::string ChildOrder(const TWinControl& Parent)
{
    std::string Order;
    for (const TControl* Child : Parent.Controls())
        Order += (Order.empty() ? "" : " ") + Child->Name();
    return Order;
}

TEST_F(BoardHighlightTest, ActivationMovesTheGroupToTheFront)
{
    // "Self" is activated; its group is every child titled X of the settings type.
    const TOrderCase Cases[] = {
        {"SpreadOut",
         {{"Self", "X", htSettings},
          {"N1", "Y", htSettings},
          {"B", "X", htSettings},
          {"N2", "X", htOptions},
          {"C", "X", htSettings}},
         "N1 N2 Self B C"},
        {"SideBySide",
         {{"Self", "X", htSettings}, {"B", "X", htSettings}, {"C", "X", htSettings}, {"N", "Y", htSettings}},
         "N Self B C"},
        {"FromTheMiddle",
         {{"N", "Y", htSettings}, {"B", "X", htSettings}, {"Self", "X", htSettings}, {"C", "X", htSettings}},
         "N Self B C"},
    };
    for (const TOrderCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TBoardImage Image(nullptr);
        TBoardHighlight* Self = nullptr;
        for (const TChildSpec& Child : Case.Children) {
            auto* Added = AddHighlight(Image, Child.Name, Child.Title, Child.Type);
            if (Added->Name() == "Self")
                Self = Added;
        }
        ASSERT_NE(Self, nullptr);

        Self->SetActive(true, true);
        EXPECT_EQ(ChildOrder(Image), Case.ExpectedOrder);
        for (TControl* Child : Image.Controls())
            EXPECT_EQ(dynamic_cast<TBoardHighlight*>(Child)->PopupActive(), Self->IsGroupMember(Child))
                << Child->Name();

        Self->SetActive(false, true);
        for (TControl* Child : Image.Controls())
            EXPECT_FALSE(dynamic_cast<TBoardHighlight*>(Child)->PopupActive()) << Child->Name();
    }
}

TEST_F(BoardHighlightTest, ActivationWithoutPropagationMovesOnlyItself)
{
    auto* Self = AddHighlight(*Board, "Self", "X");
    auto* Twin = AddHighlight(*Board, "Twin", "X");
    AddHighlight(*Board, "Other", "Y");
    Self->SetActive(true, false);
    EXPECT_EQ(ChildOrder(*Board), "Twin Other Self");
    EXPECT_TRUE(Self->PopupActive());
    EXPECT_FALSE(Twin->PopupActive());

    TCustomPanel Panel(nullptr);
    auto* Loose = AddHighlight(Panel, "Loose", "X");
    auto* LooseTwin = AddHighlight(Panel, "LooseTwin", "X");
    Loose->SetActive(true, true);
    EXPECT_EQ(ChildOrder(Panel), "LooseTwin Loose");
    EXPECT_FALSE(LooseTwin->PopupActive());
}

// A board image showing a known picture, with one highlight over part of it.
class BoardHighlightPaintTest : public BoardHighlightTest
{
protected:
    static constexpr int HighlightLeft = 5, HighlightTop = 4;

    void SetUp() override
    {
        BoardHighlightTest::SetUp();
        ShowPicture([](int X, int Y) {
            return TPixel{uint8_t(X * 7), uint8_t(Y * 5), uint8_t((X + Y) * 3), 255};
        });
        Board->SetStretch(true);
        Highlight = new THoverableHighlight(nullptr);
        Highlight->SetBounds(HighlightLeft, HighlightTop, 21, 17);
        Highlight->SetParent(Board.get());
    }

    template <class F>
    void ShowPicture(F PixelOf)
    {
        auto Picture = std::make_unique<TBitmap>(40, 30);
        for (int Y = 0; Y < 30; ++Y)
            for (int X = 0; X < 40; ++X) {
                const TPixel P = PixelOf(X, Y);
                std::memcpy(Picture->ScanLine(Y) + X * 4, &P, 4);
            }
        Board->Picture().SetGraphic(std::move(Picture));
    }

    // What the highlight's looks must be: the picture beneath, tinted.
    std::unique_ptr<TBitmap> Tinted(float Strength, bool WhiteCore)
    {
        const auto& Picture = dynamic_cast<const TBitmap&>(*Board->Picture().Graphic());
        const int W = Highlight->Width(), H = Highlight->Height();
        auto Expected = std::make_unique<TBitmap>(W, H);
        for (int Y = 0; Y < H; ++Y)
            std::memcpy(Expected->ScanLine(Y), Picture.ScanLine(HighlightTop + Y) + HighlightLeft * 4, W * 4);
        TBoardHighlight::TintCircle(*Expected, W - 1, H - 1, Strength, Highlight->CircleColor(), WhiteCore);
        return Expected;
    }

    bool Shows(const TBitmap& Look)
    {
        return SameAsRegion(Look, Board->PaintWindow(), Highlight->Left(), Highlight->Top());
    }

    THoverableHighlight* Highlight = nullptr;
};

TEST_F(BoardHighlightPaintTest, LooksAreTheTintedPictureBeneath)
{
    ASSERT_TRUE(Shows(Highlight->NormalImage()));
    EXPECT_TRUE(Highlight->Prepared());
    EXPECT_TRUE(SameAsRegion(Highlight->NormalImage(), *Tinted(0.5f, false), 0, 0));
    EXPECT_TRUE(SameAsRegion(Highlight->OpenImage(), *Tinted(0.75f, false), 0, 0));
    EXPECT_TRUE(SameAsRegion(Highlight->BrightImage(), *Tinted(1.0f, true), 0, 0));
}

TEST_F(BoardHighlightPaintTest, EnteredAndActiveChooseTheLook)
{
    struct TLookChoice
    {
        bool Entered, Active;
        const TBitmap& Look;
    };
    const TLookChoice Choices[] = {
        {false, false, Highlight->NormalImage()},
        {true, false, Highlight->OpenImage()},
        {false, true, Highlight->OpenImage()},
        {true, true, Highlight->BrightImage()},
    };
    for (const TLookChoice& Choice : Choices) {
        SCOPED_TRACE(std::string("entered ") + (Choice.Entered ? "yes" : "no") + ", active " +
                     (Choice.Active ? "yes" : "no"));
        Highlight->SetEnteredState(Choice.Entered);
        Highlight->SetActive(Choice.Active, false);
        EXPECT_TRUE(Shows(Choice.Look));
    }
    Highlight->ClearEntered();
    EXPECT_FALSE(Highlight->Entered());
}

TEST_F(BoardHighlightPaintTest, RunTimeKeepsTheFirstLooksWhileDesignerRebuildsThem)
{
    Board->PaintWindow();
    TBitmap FirstNormal;
    FirstNormal.Assign(Highlight->NormalImage());

    ShowPicture([](int, int) { return TPixel{40, 80, 120, 255}; });
    EXPECT_TRUE(Shows(FirstNormal));

    Highlight->SetDesigning(true);
    EXPECT_TRUE(Shows(Highlight->NormalImage()));
    EXPECT_TRUE(SameAsRegion(Highlight->NormalImage(), *Tinted(0.5f, false), 0, 0));
    EXPECT_FALSE(SameAsRegion(Highlight->NormalImage(), FirstNormal, 0, 0));
}

TEST_F(BoardHighlightPaintTest, MenuComesOnlyFromABoardImage)
{
    auto Menu = std::make_unique<TMainMenu>(nullptr);
    Board->SetMenu(Menu.get());
    Board->PaintWindow();
    ASSERT_EQ(Highlight->BoardMenu(), Menu.get());
    Menu.reset();
    EXPECT_EQ(Highlight->BoardMenu(), nullptr);

    TCustomPanel Panel(nullptr);
    auto* Loose = AddHighlight(Panel, "Loose", "X");
    Panel.PaintWindow();
    EXPECT_TRUE(Loose->Prepared());
    EXPECT_EQ(Loose->BoardMenu(), nullptr);
}

TEST_F(BoardHighlightPaintTest, HighlightUnderTwoPixelsShowsThePictureUnchanged)
{
    Highlight->SetWidth(1);
    ASSERT_TRUE(Shows(Highlight->NormalImage()));
    EXPECT_TRUE(SameAsRegion(Highlight->NormalImage(), *Tinted(0.5f, false), 0, 0));
    const auto& Picture = dynamic_cast<const TBitmap&>(*Board->Picture().Graphic());
    EXPECT_TRUE(SameAsRegion(Highlight->NormalImage(), Picture, HighlightLeft, HighlightTop));
}

} // namespace
} // namespace setup
