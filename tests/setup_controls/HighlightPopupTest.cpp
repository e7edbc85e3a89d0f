#include "setup_controls/BoardHighlight.h"
#include "setup_controls/BoardImage.h"
#include "setup_controls/PopupForm.h"
#include "setup_controls/RadioPanel.h"
#include "setup_controls/SetupMessages.h"
#include "vcl/Button.h"
#include "vcl/Memo.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"
#include "vcl/StatusBar.h"
#include "vcl/Windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vcl;
using namespace setup;

// A main window with a menu "&File", "&Help", a board image at (100, 50) that
// stays where it is, and circles built on demand. The pointer is wherever the
// test puts it.
class HighlightPopupTest : public testing::Test
{
protected:
    void SetUp() override
    {
        FormsBefore = Screen->FormCount();
        Host = std::make_unique<TForm>(nullptr);
        Host->SetName("Host");
        Menu = new TMainMenu(Host.get());
        for (const char* Caption : {"&File", "&Help"}) {
            auto* Item = new TMenuItem(Host.get());
            Item->SetCaption(Caption);
            Menu->Items()->Add(Item);
        }
        Host->SetMenu(Menu);
        Board = new TBoardImage(Host.get());
        Board->SetAutoSize(false);
        Board->SetCenterOnForm(false);
        Board->SetBounds(100, 50, 600, 414);
        Board->SetParent(Host.get());
        Board->SetMenu(Menu);
        SetCursorPosSource([this] { return Cursor; });
    }

    void TearDown() override
    {
        SetCursorPosSource(nullptr);
        Host.reset();
        EXPECT_EQ(Screen->FormCount(), FormsBefore) << "a window was left behind";
    }

    TRadioPanel* AddPanel(int Left, int Top, int Width = 220, int Height = 59)
    {
        auto* Panel = new TRadioPanel(Host.get());
        Panel->SetBounds(Left, Top, Width, Height);
        Panel->SetParent(Host.get());
        Panel->SetLines({"First line", "Second line"});
        return Panel;
    }

    TBoardHighlight* AddHighlight(const std::string& Title, THighlightType Type = htSettings,
                                  TRadioPanel* Panel = nullptr)
    {
        auto* Highlight = new TBoardHighlight(Host.get());
        Highlight->SetBounds(10 + 40 * static_cast<int>(Highlights.size()), 10, 28, 20);
        Highlight->SetParent(Board);
        Highlight->SetTitle(Title);
        Highlight->SetHighlightType(Type);
        Highlight->SetRadioPanel(Panel);
        Highlights.push_back(Highlight);
        return Highlight;
    }

    // The first paint prepares the circles and enters them into the menu.
    void PaintBoard() { Board->PaintWindow(); }

    std::vector<std::string> BarCaptions() const
    {
        std::vector<std::string> Captions;
        for (TMenuItem* Item : Menu->Items()->ItemList())
            Captions.push_back(Item->Caption());
        return Captions;
    }

    TMenuItem* Entry(const std::string& Group, const std::string& Title) const
    {
        for (TMenuItem* Item : Menu->Items()->ItemList())
            if (Item->Caption() == Group)
                for (TMenuItem* Child : Item->ItemList())
                    if (Child->Caption() == Title)
                        return Child;
        return nullptr;
    }

    static TControl* Child(TPopupForm* Popup, const char* Name)
    {
        return dynamic_cast<TControl*>(Popup->FindComponent(Name));
    }

    void PointOutside() { Cursor = {-500, -500}; }
    void PointInto(const TCustomForm* Form) { Cursor = {Form->Left() + 5, Form->Top() + 5}; }

    int FormsBefore = 0;
    std::unique_ptr<TForm> Host;
    TMainMenu* Menu = nullptr;
    TBoardImage* Board = nullptr;
    std::vector<TBoardHighlight*> Highlights;
    TPoint Cursor{-500, -500};
};

TEST_F(HighlightPopupTest, PopupWithThePanelOfTheClockHasTheBuiltGeometry)
{
    TRadioPanel* Panel = AddPanel(477, 326);
    TBoardHighlight* Highlight = AddHighlight("&Baud Multiplier", htSettings, Panel);
    PaintBoard();
    Highlight->ShowPopup();
    TPopupForm* Popup = Highlight->Popup();
    ASSERT_NE(Popup, nullptr);

    EXPECT_EQ(Popup->Caption(), "Baud Multiplier");
    EXPECT_EQ(Popup->Tag(), 1);
    EXPECT_EQ(Popup->BorderStyle(), bsSizeToolWin);
    EXPECT_EQ(Popup->FormStyle(), fsStayOnTop);
    EXPECT_FALSE(Popup->AutoScroll());
    EXPECT_EQ(Popup->ClientWidth(), 220);
    EXPECT_EQ(Popup->ClientHeight(), 168);
    // The built size, taken before the window manager added its frame.
    EXPECT_GE(Popup->Constraints().MinWidth, 220);
    EXPECT_GE(Popup->Constraints().MinHeight, 168);
    EXPECT_LE(Popup->Constraints().MinWidth, Popup->Width());
    EXPECT_LE(Popup->Constraints().MinHeight, Popup->Height());
    EXPECT_EQ(Panel->Parent(), Popup);
    EXPECT_EQ(Panel->BoundsRect(), Bounds(0, 0, 220, 59));
    EXPECT_TRUE(Panel->Visible());
    EXPECT_TRUE(Panel->InPopup());

    struct TPlace
    {
        const char* Name;
        TRect Bounds;
    };
    for (const TPlace& Place :
         {TPlace{"StatusMemo", Bounds(6, 60, 208, 58)}, TPlace{"PreviousButton", Bounds(6, 124, 58, 25)},
          TPlace{"NextButton", Bounds(81, 124, 58, 25)}, TPlace{"DoneButton", Bounds(156, 124, 58, 25)},
          TPlace{"PopupStatus", Bounds(0, 149, 220, 19)}}) {
        TControl* Control = Child(Popup, Place.Name);
        ASSERT_NE(Control, nullptr) << Place.Name;
        EXPECT_EQ(Control->BoundsRect(), Place.Bounds) << Place.Name;
    }
    EXPECT_EQ(Popup->PopupStatus, Child(Popup, "PopupStatus"));
    EXPECT_EQ(dynamic_cast<TMemo*>(Child(Popup, "StatusMemo"))->Lines(), Panel->Lines());
    // Where the panel stood in the layout: the board image has not moved.
    EXPECT_EQ(Popup->Left(), 477);
    EXPECT_EQ(Popup->Top(), 326);
    EXPECT_EQ(Popup->ActiveControl(), Panel);
}

TEST_F(HighlightPopupTest, PopupWithoutAPanelStandsBelowTheBoardImage)
{
    TBoardHighlight* Highlight = AddHighlight("&Bare", htOptions);
    Highlight->ShowPopup();
    TPopupForm* Popup = Highlight->Popup();
    ASSERT_NE(Popup, nullptr);
    EXPECT_EQ(Popup->Width(), 194);
    EXPECT_EQ(Popup->Height(), 141);
    EXPECT_EQ(Popup->Left(), Board->Left());
    EXPECT_EQ(Popup->Top(), Board->Top() + Board->Height() + 38);
    EXPECT_TRUE(dynamic_cast<TMemo*>(Child(Popup, "StatusMemo"))->Lines().empty());
    EXPECT_EQ(Popup->ActiveControl(), Child(Popup, "DoneButton"));
}

TEST_F(HighlightPopupTest, AWindowWithTheSameCaptionAndTagMeansAnotherMemberOwnsThePopup)
{
    TForm Other(nullptr);
    Other.SetCaption("Shared");
    Other.SetTag(0);
    TBoardHighlight* Highlight = AddHighlight("&Shared", htOptions);
    Highlight->ShowPopup();
    EXPECT_EQ(Highlight->Popup(), nullptr);

    TBoardHighlight* OtherType = AddHighlight("&Shared", htSettings);
    OtherType->ShowPopup();
    EXPECT_NE(OtherType->Popup(), nullptr) << "the tag differs";
}

TEST_F(HighlightPopupTest, PopupIsKeptOnTheScreen)
{
    struct TCase
    {
        const char* Name;
        int PanelLeft, PanelTop;
        int ExpectLeft, ExpectTop;
    };
    const int W = Screen->Width(), H = Screen->Height();
    for (const TCase& Case :
         {TCase{"right edge", W - 100, 10, W - 220, 10}, TCase{"left of the screen", -50, 10, 0, 10},
          TCase{"below the screen", 10, H - 20, 10, H - 168}, TCase{"above the screen", 10, -30, 10, 0}}) {
        TRadioPanel* Panel = AddPanel(Case.PanelLeft, Case.PanelTop);
        TBoardHighlight* Highlight = AddHighlight(std::string("&") + Case.Name, htSettings, Panel);
        PaintBoard();
        Highlight->ShowPopup();
        ASSERT_NE(Highlight->Popup(), nullptr) << Case.Name;
        EXPECT_EQ(Highlight->Popup()->Left(), Case.ExpectLeft) << Case.Name;
        EXPECT_EQ(Highlight->Popup()->Top(), Case.ExpectTop) << Case.Name;
    }
}

TEST_F(HighlightPopupTest, ClosingAndReenteringShowsTheSameWindowWhereItWasUnpinned)
{
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    PaintBoard();
    Highlight->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* Popup = Highlight->Popup();
    ASSERT_NE(Popup, nullptr);
    Highlight->Click();
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_TRUE(Entry("&Settings", "&Clock")->Checked());

    Popup->Perform(WM_CLOSE, 0, 0);
    EXPECT_FALSE(Popup->Visible());
    EXPECT_FALSE(Highlight->Entered());
    EXPECT_FALSE(Entry("&Settings", "&Clock")->Checked());
    Popup->SetBounds(300, 250, Popup->Width(), Popup->Height());

    Highlight->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Highlight->Popup(), Popup);
    EXPECT_TRUE(Popup->Visible());
    EXPECT_FALSE(Highlight->Pinned());
    EXPECT_EQ(Popup->Left(), 300);
    EXPECT_EQ(Popup->Top(), 250);
}

TEST_F(HighlightPopupTest, LeavingOntoThePhotographClosesAnUnpinnedPopup)
{
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    Highlight->Perform(CM_MOUSEENTER, 0, 0);
    PointOutside();
    Highlight->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Highlight->Popup()->Visible());
    EXPECT_FALSE(Highlight->Entered());
}

TEST_F(HighlightPopupTest, LeavingStraightIntoThePopupPinsItUntilThePointerLeavesThePopup)
{
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    Highlight->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* Popup = Highlight->Popup();
    PointInto(Popup);
    Highlight->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Popup->Visible());
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_TRUE(Popup->CloseOnLeave);

    // From a button onto the popup's own background.
    Child(Popup, "DoneButton")->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Popup->Visible());

    PointOutside();
    Popup->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Popup->Visible());
    EXPECT_FALSE(Popup->CloseOnLeave);
}

TEST_F(HighlightPopupTest, AClickedCircleKeepsItsPopupAfterThePointerLeaves)
{
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    PaintBoard();
    Board->Perform(WM_MOUSEMOVE, 0, MakeLParam(Highlight->Left() + 5, Highlight->Top() + 5));
    ASSERT_TRUE(Highlight->Entered());
    Board->Perform(WM_LBUTTONDOWN, 0, MakeLParam(Highlight->Left() + 5, Highlight->Top() + 5));
    Board->Perform(WM_LBUTTONUP, 0, MakeLParam(Highlight->Left() + 5, Highlight->Top() + 5));
    PointOutside();
    Board->Perform(WM_MOUSEMOVE, 0, MakeLParam(400, 300));
    EXPECT_TRUE(Highlight->Popup()->Visible());
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_TRUE(Entry("&Settings", "&Clock")->Checked());
}

TEST_F(HighlightPopupTest, LinkedCirclesLightTogetherAndShareOnePopup)
{
    TRadioPanel* Panel = AddPanel(200, 200);
    TBoardHighlight* First = AddHighlight("&Twin", htSettings, Panel);
    TBoardHighlight* Second = AddHighlight("&Twin", htSettings, Panel);
    EXPECT_EQ(Second->RadioPanel(), Panel) << "members of one group may share a panel";
    PaintBoard();
    Second->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(First->Entered());
    EXPECT_TRUE(Second->Entered());
    EXPECT_NE(First->Popup() == nullptr, Second->Popup() == nullptr) << "one popup for the group";
    First->Click();
    TMenuItem* Shared = Entry("&Settings", "&Twin");
    ASSERT_NE(Shared, nullptr);
    EXPECT_TRUE(Shared->Checked());
    EXPECT_EQ(Menu->Items()->Items(1)->Count(), 1);
}

TEST_F(HighlightPopupTest, GroupItemsTakeTheirPlaceWhateverTheOrderOfPainting)
{
    AddHighlight("&Info", htOptions);
    AddHighlight("&Jumper", htSettings);
    AddHighlight("&Calibrate", htCalibration);
    PaintBoard();
    EXPECT_EQ(BarCaptions(),
              (std::vector<std::string>{"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    EXPECT_NE(Host->FindComponent("Settings1"), nullptr);
    EXPECT_NE(Host->FindComponent("Jumper1"), nullptr);
}

TEST_F(HighlightPopupTest, WithoutHelpANewGroupGoesToTheEndUnlessItMustPrecedeOne)
{
    Menu->Items()->Remove(Menu->Items()->Items(1));
    AddHighlight("&Info", htOptions);
    AddHighlight("&Jumper", htSettings);
    PaintBoard();
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&File", "&Settings", "&Options"}));
}

TEST_F(HighlightPopupTest, MenuNamesTakeTheSmallestFreeNumberIgnoringCase)
{
    (new TMenuItem(Host.get()))->SetName("settings1");
    (new TMenuItem(Host.get()))->SetName("BAUDMULTIPLIER1");
    AddHighlight("&Baud Multiplier");
    PaintBoard();
    EXPECT_EQ(Menu->Items()->Items(1)->Name(), "Settings2");
    EXPECT_EQ(Entry("&Settings", "&Baud Multiplier")->Name(), "BaudMultiplier2");
}

TEST_F(HighlightPopupTest, ChoosingAnEntryOpensAndPinsChoosingItAgainCloses)
{
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    PaintBoard();
    TMenuItem* Item = Entry("&Settings", "&Clock");
    Item->Click();
    ASSERT_NE(Highlight->Popup(), nullptr);
    EXPECT_TRUE(Highlight->Popup()->Visible());
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_TRUE(Item->Checked());
    Item->Click();
    EXPECT_FALSE(Highlight->Popup()->Visible());
    EXPECT_FALSE(Item->Checked());
}

TEST_F(HighlightPopupTest, NextAndPreviousWalkTheGroupWithWrapAround)
{
    TBoardHighlight* A = AddHighlight("&A", htSettings, AddPanel(200, 200));
    TBoardHighlight* B = AddHighlight("&B", htSettings, AddPanel(200, 300));
    TBoardHighlight* C = AddHighlight("&C", htSettings, AddPanel(200, 400));
    PaintBoard();
    Entry("&Settings", "&C")->Click();

    struct TStep
    {
        TBoardHighlight* From;
        bool Next;
        TBoardHighlight* To;
    };
    for (const TStep& Step : {TStep{C, true, A}, TStep{A, true, B}, TStep{B, false, A}, TStep{A, false, C}}) {
        Step.Next ? Step.From->NextClick(nullptr) : Step.From->PreviousClick(nullptr);
        EXPECT_FALSE(Step.From->Popup()->Visible()) << Step.From->Title();
        ASSERT_NE(Step.To->Popup(), nullptr) << Step.To->Title();
        EXPECT_TRUE(Step.To->Popup()->Visible()) << Step.To->Title();
        EXPECT_TRUE(Step.To->Pinned()) << Step.To->Title();
        EXPECT_TRUE(Entry("&Settings", Step.To->Title())->Checked()) << Step.To->Title();
    }
}

TEST_F(HighlightPopupTest, WithoutAMenuThereAreNoEntriesAndPreviousAndNextDoNothing)
{
    Board->SetMenu(nullptr);
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, AddPanel(200, 200));
    PaintBoard();
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&File", "&Help"}));
    Highlight->ShowPopup();
    Highlight->NextClick(nullptr);
    EXPECT_TRUE(Highlight->Popup()->Visible());
    Highlight->DoneClick(nullptr);
    EXPECT_FALSE(Highlight->Popup()->Visible());
}

TEST_F(HighlightPopupTest, TheTourOpensTheFirstCirclePinned)
{
    TRadioPanel* Panel = AddPanel(200, 200);
    TBoardHighlight* Highlight = AddHighlight("&Clock", htSettings, Panel);
    PaintBoard();

    Board->Perform(UM_STARTTOUR, 0, 0);
    EXPECT_EQ(Highlight->Popup(), nullptr) << "no First, no tour";

    Board->SetFirst(Highlight);
    SendMessage(Board->Handle(), UM_STARTTOUR, 0, 0);
    TPopupForm* Popup = Highlight->Popup();
    ASSERT_NE(Popup, nullptr);
    EXPECT_TRUE(Popup->Visible());
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_TRUE(Entry("&Settings", "&Clock")->Checked());
    EXPECT_EQ(Popup->ActiveControl(), Panel);

    Board->Perform(UM_STARTTOUR, 0, 0);
    EXPECT_TRUE(Popup->Visible()) << "an open pinned popup stays";
    EXPECT_TRUE(Highlight->Pinned());

    Popup->Close();
    Popup->SetBounds(320, 240, Popup->Width(), Popup->Height());
    Board->Perform(UM_STARTTOUR, 0, 0);
    EXPECT_EQ(Highlight->Popup(), Popup);
    EXPECT_TRUE(Popup->Visible());
    EXPECT_TRUE(Highlight->Pinned());
    EXPECT_EQ(Popup->Left(), 320);
}

} // namespace
