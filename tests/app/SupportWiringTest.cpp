#include "MainForm.h"

#include "setup_controls/BoardHighlight.h"
#include "setup_controls/HelpForm.h"
#include "setup_controls/PopupForm.h"
#include "setup_controls/TechForm.h"
#include "vcl/Application.h"
#include "vcl/Button.h"
#include "vcl/Label.h"
#include "vcl/Screen.h"

#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

namespace {

using namespace vcl;
using namespace setup;

// The main window as the program runs it: shown, started up through its posted
// message, with the help window coming up by itself.
class SupportWiringTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterAppResources(); }

    void SetUp() override
    {
        FormsBefore = Screen->FormCount();
        Form = std::make_unique<TMainForm>(nullptr);
        Application->SetMainForm(Form.get());
        Form->Show();
        ASSERT_TRUE(PumpUntil([this] { return Help() && Help()->Visible(); }))
            << "the help window comes up by itself after start-up";
    }

    void TearDown() override
    {
        Form.reset();
        EXPECT_EQ(Screen->FormCount(), FormsBefore) << "a window was left behind";
    }

    THelpForm* Help() const { return Form->SetSup->HelpForm(); }

    int FormsBefore = 0;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(SupportWiringTest, StartUpPutsTheTitleLineOnTheWindowOnce)
{
    auto* Header = dynamic_cast<TLabel*>(Form->FindComponent("HeaderLabel"));
    ASSERT_NE(Header, nullptr);
    EXPECT_EQ(Header->Caption(), "VUZE422(485)/8 Series Settings Program");
    EXPECT_FALSE(Form->OnShow) << "the show handler removes itself";

    const int Components = Form->ComponentCount();
    Form->Hide();
    Form->Show();
    Application->ProcessMessages();
    EXPECT_EQ(Form->ComponentCount(), Components) << "hiding and showing again starts nothing";
    EXPECT_EQ(Form->File1->Count(), 1) << "no listing, so File keeps only Exit";
}

TEST_F(SupportWiringTest, HelpCommandsOnlyMakeTheWindowsVisible)
{
    Help()->SetBounds(40, 30, Help()->Width(), Help()->Height());
    Form->Howtousethisprogram1->Click();
    EXPECT_TRUE(Help()->Visible());
    EXPECT_EQ(Help()->Left(), 40) << "an open help window is not moved";

    TTechForm* Tech = Form->SetSup->TechForm();
    ASSERT_NE(Tech, nullptr);
    EXPECT_FALSE(Tech->Visible());
    Form->TechnicalSupport1->Click();
    EXPECT_TRUE(Tech->Visible());
    EXPECT_EQ(Tech->Caption(), "Technical Support");
}

TEST_F(SupportWiringTest, StartOpensTheBaudMultiplierPopupPinnedWithItsEntryChecked)
{
    Help()->StartButton->Click();
    EXPECT_FALSE(Help()->Visible());
    TBoardHighlight* Clock = Form->ClockHighlight;
    ASSERT_NE(Clock->Popup(), nullptr);
    EXPECT_TRUE(Clock->Popup()->Visible());
    EXPECT_EQ(Clock->Popup()->Caption(), "Baud Multiplier");
    EXPECT_TRUE(Clock->Pinned());

    TMenuItem* Settings = Form->MainMenu1->Items()->Items(1);
    ASSERT_EQ(Settings->Caption(), "&Settings");
    EXPECT_EQ(Settings->Items(0)->Caption(), "&Baud Multiplier");
    EXPECT_TRUE(Settings->Items(0)->Checked());
    EXPECT_EQ(Settings->Items(1)->Caption(), "&Port Termination");
    EXPECT_FALSE(Settings->Items(1)->Checked());
}

} // namespace
