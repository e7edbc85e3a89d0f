#include "MainForm.h"

#include "setup_controls/BoardHighlight.h"
#include "setup_controls/PopupForm.h"
#include "setup_controls/RadioPanel.h"
#include "setup_controls/TwoJumper.h"
#include "vcl/Button.h"
#include "vcl/Screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace vcl;
using namespace setup;

// The card form as a user meets it: the photograph painted once, then the
// circles' popups opened by the pointer and the controls worked by hand.
class CardFormTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterAppResources(); }

    void SetUp() override
    {
        FormsBefore = Screen->FormCount();
        Form = std::make_unique<TMainForm>(nullptr);
        Form->BoardImage1->PaintWindow();
    }

    void TearDown() override
    {
        Form.reset();
        EXPECT_EQ(Screen->FormCount(), FormsBefore) << "a window was left behind";
    }

    void Open(TBoardHighlight* Highlight) { Highlight->Perform(CM_MOUSEENTER, 0, 0); }

    void ChooseClockItem(int Index) { Form->ClockBox->Perform(CN_COMMAND, CBN_SELCHANGE, Index); }

    void TypeIntoClockBox(const std::string& Text)
    {
        Form->ClockBox->Perform(CN_COMMAND, CBN_EDITCHANGE, reinterpret_cast<intptr_t>(&Text));
    }

    // A press and a release in the middle of a glyph, through its panel.
    static void ClickJumper(TTwoJumper* Jumper)
    {
        const intptr_t Middle =
            MakeLParam(Jumper->Left() + Jumper->Width() / 2, Jumper->Top() + Jumper->Height() / 2);
        Jumper->Parent()->Perform(WM_LBUTTONDOWN, 0, Middle);
        Jumper->Parent()->Perform(WM_LBUTTONUP, 0, Middle);
    }

    static void UserClicks(TWinControl* Control) { Control->Perform(CN_COMMAND, BN_CLICKED, 0); }

    TButton* PopupButton(TBoardHighlight* Highlight, const char* Name)
    {
        return dynamic_cast<TButton*>(Highlight->Popup()->FindComponent(Name));
    }

    int FormsBefore = 0;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(CardFormTest, StartsConsistent)
{
    EXPECT_TRUE(Form->LD485Radio->Checked());
    EXPECT_FALSE(Form->LD422Radio->Checked());
    EXPECT_TRUE(Form->LDOutJumper->Visible());
    EXPECT_FALSE(Form->LDInJumper->Visible());
    EXPECT_FALSE(Form->LDCheck->Checked());
    EXPECT_FALSE(Form->LDOutJumper->Closed());
    EXPECT_FALSE(Form->LDInJumper->Closed());
    EXPECT_FALSE(Form->ClockJumper->Closed());
    EXPECT_EQ(Form->ClockBox->ItemIndex(), -1);
    EXPECT_EQ(Form->ClockBox->Text(), "");
    EXPECT_FALSE(Form->ClockPanel->Visible());
    EXPECT_FALSE(Form->TerminPanel->Visible());
}

TEST_F(CardFormTest, FirstOpeningOfTheClockPopupShowsOneXAndAnOpenJumper)
{
    Open(Form->ClockHighlight);
    ASSERT_NE(Form->ClockHighlight->Popup(), nullptr);
    EXPECT_EQ(Form->ClockPanel->Parent(), Form->ClockHighlight->Popup());
    EXPECT_EQ(Form->ClockBox->Text(), "1X");
    EXPECT_EQ(Form->ClockBox->ItemIndex(), 0);
    EXPECT_FALSE(Form->ClockJumper->Closed());
}

TEST_F(CardFormTest, ClockChoicesSetTheJumper)
{
    Open(Form->ClockHighlight);
    ChooseClockItem(1);
    EXPECT_TRUE(Form->ClockJumper->Closed());
    ChooseClockItem(0);
    EXPECT_FALSE(Form->ClockJumper->Closed());
    TypeIntoClockBox("2X");
    EXPECT_EQ(Form->ClockBox->ItemIndex(), -1);
    EXPECT_TRUE(Form->ClockJumper->Closed()) << "text matching no item closes the jumper";
}

TEST_F(CardFormTest, ClickingTheClockJumperTwiceReturnsTheBoxToOneX)
{
    Open(Form->ClockHighlight);
    ClickJumper(Form->ClockJumper);
    EXPECT_TRUE(Form->ClockJumper->Closed());
    EXPECT_EQ(Form->ClockBox->Text(), "8X");
    ClickJumper(Form->ClockJumper);
    EXPECT_FALSE(Form->ClockJumper->Closed());
    EXPECT_EQ(Form->ClockBox->Text(), "1X");
}

TEST_F(CardFormTest, ReenteringTheClockPanelShowsOneXWhileTheJumperStaysClosed)
{
    Open(Form->ClockHighlight);
    ChooseClockItem(1);
    PopupButton(Form->ClockHighlight, "DoneButton")->SetFocus();
    EXPECT_EQ(Form->ClockBox->Text(), "8X");
    Form->ClockBox->SetFocus();
    EXPECT_EQ(Form->ClockBox->Text(), "1X");
    EXPECT_TRUE(Form->ClockJumper->Closed());
}

TEST_F(CardFormTest, ReshowingThePopupKeepsTheControlsAsTheUserLeftThem)
{
    Open(Form->ClockHighlight);
    TPopupForm* Popup = Form->ClockHighlight->Popup();
    ChooseClockItem(1);
    Popup->Close();
    EXPECT_FALSE(Popup->Visible());
    Open(Form->ClockHighlight);
    EXPECT_EQ(Form->ClockHighlight->Popup(), Popup);
    EXPECT_TRUE(Popup->Visible());
    EXPECT_EQ(Form->ClockBox->Text(), "8X");
    EXPECT_TRUE(Form->ClockJumper->Closed());
}

TEST_F(CardFormTest, TerminateClosesBothJumpersAndTheStateCarriesOverToRs422)
{
    Open(Form->TermHighlight);
    UserClicks(Form->LDCheck);
    EXPECT_TRUE(Form->LDCheck->Checked());
    EXPECT_TRUE(Form->LDOutJumper->Closed());
    EXPECT_TRUE(Form->LDInJumper->Closed()) << "the hidden jumper follows";
    UserClicks(Form->LD422Radio);
    EXPECT_FALSE(Form->LDOutJumper->Visible());
    EXPECT_TRUE(Form->LDInJumper->Visible());
    EXPECT_TRUE(Form->LDInJumper->Closed());
}

TEST_F(CardFormTest, ClickingTheVisibleTerminationJumperSetsTerminateAndTheHiddenOneFollows)
{
    Open(Form->TermHighlight);
    ClickJumper(Form->LDOutJumper);
    EXPECT_TRUE(Form->LDCheck->Checked());
    EXPECT_TRUE(Form->LDInJumper->Closed());
    ClickJumper(Form->LDOutJumper);
    EXPECT_FALSE(Form->LDCheck->Checked());
    EXPECT_FALSE(Form->LDOutJumper->Closed());
    EXPECT_FALSE(Form->LDInJumper->Closed());
}

TEST_F(CardFormTest, RadiosExchangeTheVisibleJumper)
{
    Open(Form->TermHighlight);
    UserClicks(Form->LD422Radio);
    EXPECT_FALSE(Form->LD485Radio->Checked());
    EXPECT_FALSE(Form->LDOutJumper->Visible());
    EXPECT_TRUE(Form->LDInJumper->Visible());
    UserClicks(Form->LD485Radio);
    EXPECT_TRUE(Form->LD485Radio->Checked());
    EXPECT_TRUE(Form->LDOutJumper->Visible());
    EXPECT_FALSE(Form->LDInJumper->Visible());

    int Clicks = 0;
    Form->LD485Radio->OnClick = [&Clicks](TObject*) { ++Clicks; };
    UserClicks(Form->LD485Radio);
    EXPECT_EQ(Clicks, 0) << "clicking the radio that is already checked raises nothing";
    EXPECT_TRUE(Form->LD485Radio->Checked());
    EXPECT_TRUE(Form->LDOutJumper->Visible());
}

} // namespace
