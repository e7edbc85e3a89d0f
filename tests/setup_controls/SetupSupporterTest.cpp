#include "SupporterTestHost.h"

#include "setup_controls/HelpForm.h"
#include "setup_controls/SetupSupporter.h"
#include "setup_controls/TechForm.h"
#include "vcl/Application.h"
#include "vcl/Color.h"
#include "vcl/Dialogs.h"
#include "vcl/Exceptions.h"
#include "vcl/Font.h"
#include "vcl/Form.h"
#include "vcl/LayoutReader.h"
#include "vcl/Windows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace setup {
namespace {

using namespace vcl;
using namespace std::chrono_literals;

TEST(SetupSupporterTest, ConstructionGivesTheInitialValues)
{
    TSetupSupporter Fresh(nullptr);
    EXPECT_FALSE(Fresh.UseCardNameB());
    EXPECT_FALSE(Fresh.MultiPort());
    EXPECT_EQ(Fresh.Channels(), 8);
    EXPECT_TRUE(Fresh.ChangeButtons());
    EXPECT_TRUE(Fresh.bSeries());
    EXPECT_FALSE(Fresh.HelpPending());
    EXPECT_FALSE(Fresh.Calibrating());
    EXPECT_TRUE(IsWindow(Fresh.TimerWindow()));
    EXPECT_EQ(Fresh.HelpForm(), nullptr);
    EXPECT_EQ(Fresh.HeaderLabel(), nullptr);
}

TEST(SetupSupporterTest, StartUpBuildsTitleLineAndBothWindowsOnce)
{
    TSupporterHost Host;
    const int OwnedBefore = Host.Form->ComponentCount();
    Host.Supporter->StartUp();

    EXPECT_EQ(Host.Form->ComponentCount(), OwnedBefore + 3)
        << "title line, help and technical-support windows";
    TLabel* Header = Host.Supporter->HeaderLabel();
    ASSERT_NE(Header, nullptr);
    EXPECT_EQ(Header->Owner(), Host.Form);
    EXPECT_EQ(Header->Parent(), Host.Form);
    EXPECT_EQ(Header->Name(), "HeaderLabel");
    EXPECT_EQ(Header->Align(), alTop);
    EXPECT_EQ(Header->Alignment(), taCenter);
    EXPECT_EQ(Header->Width(), Host.Form->ClientWidth());
    EXPECT_EQ(Header->Font().Name(), "Tahoma");
    EXPECT_EQ(Header->Font().Size(), 18);
    EXPECT_TRUE(Header->Font().Style().Contains(fsBold));
    EXPECT_EQ(Header->Font().Color(), clBlack);
    EXPECT_EQ(Header->Caption(), "VUZE422(485)/8 Series Settings Program");

    ASSERT_NE(Host.Supporter->HelpForm(), nullptr);
    ASSERT_NE(Host.Supporter->TechForm(), nullptr);
    EXPECT_EQ(Host.Supporter->HelpForm()->Owner(), Host.Form);
    EXPECT_EQ(Host.Supporter->TechForm()->Owner(), Host.Form);
    EXPECT_FALSE(Host.Supporter->HelpForm()->Visible());
    EXPECT_FALSE(Host.Supporter->TechForm()->Visible());
    // No card descriptions from the host: no listing, no File-menu command.
    EXPECT_EQ(Host.Supporter->PCIForm(), nullptr);
    EXPECT_EQ(Host.FileItem->Count(), 1);
    EXPECT_TRUE(Host.Supporter->HelpPending());
}

TEST(SetupSupporterTest, HelpWindowShowsItselfOnceAfterStartUp)
{
    TSupporterHost Host;
    int Boxes = 0;
    SetMessageBoxHook([&Boxes](const std::string&, const std::string&, unsigned) {
        ++Boxes;
        return IDCANCEL;
    });
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();

    ASSERT_TRUE(PumpUntil([Help] { return Help->Visible(); }));
    EXPECT_FALSE(Host.Supporter->HelpPending());

    Help->Hide();
    // A timer still running would tick into the calibration run and put up a box.
    PumpFor(400ms);
    EXPECT_FALSE(Help->Visible());
    EXPECT_EQ(Boxes, 0);
}

TEST(SetupSupporterTest, InDesignModeStartUpBuildsNothing)
{
    TSupporterHost Host;
    Host.Supporter->SetDesigning(true);
    const int OwnedBefore = Host.Form->ComponentCount();
    Host.Supporter->OnGetCardString = [](TObject*, int) { return std::string("card"); };

    Host.Supporter->StartUp();

    EXPECT_EQ(Host.Form->ComponentCount(), OwnedBefore);
    EXPECT_EQ(Host.Form->ControlCount(), 0);
    EXPECT_EQ(Host.FileItem->Count(), 1);
    EXPECT_EQ(Host.Supporter->HeaderLabel(), nullptr);
    EXPECT_EQ(Host.Supporter->HelpForm(), nullptr);
    EXPECT_FALSE(Host.Supporter->HelpPending());
}

TEST(SetupSupporterTest, StartUpWithoutMainWindowIsAnError)
{
    TSupporterHost Host;
    Application->SetMainForm(nullptr);
    EXPECT_THROW(Host.Supporter->StartUp(), EComponentError);
    EXPECT_EQ(Host.Supporter->HelpForm(), nullptr);
}

struct TTitleCase
{
    const char* Name;
    bool UseCardNameB;
    bool Series;
    const char* Title;
    const char* DocumentTitle;
};

class SetupSupporterTitleTest : public testing::TestWithParam<TTitleCase>
{};

TEST_P(SetupSupporterTitleTest, TitlesUseTheChosenCardNameAndSuffix)
{
    const TTitleCase& Case = GetParam();
    TSupporterHost Host;
    Host.Supporter->SetUseCardNameB(Case.UseCardNameB);
    Host.Supporter->SetbSeries(Case.Series);
    Host.Supporter->StartUp();

    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), Case.Title);
    ASSERT_FALSE(Host.Supporter->HelpForm()->HelpRich->Lines().empty());
    EXPECT_EQ(Host.Supporter->HelpForm()->HelpRich->Lines().front(), Case.DocumentTitle);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, SetupSupporterTitleTest,
    testing::Values(TTitleCase{"CardNameA", false, true, "VUZE422(485)/8 Series Settings Program",
                               "ZENTA VUZE422(485)/8 Series Settings Program"},
                    TTitleCase{"NoSeries", false, false, "VUZE422(485)/8 Settings Program",
                               "ZENTA VUZE422(485)/8 Settings Program"},
                    TTitleCase{"CardNameB", true, true, "KSR422(485)-8ULP Series Settings Program",
                               "ZENTA KSR422(485)-8ULP Series Settings Program"}),
    [](const testing::TestParamInfo<TTitleCase>& Info) { return std::string(Info.param.Name); });

TEST(SetupSupporterTest, MissingTimerFailsStartUpButKeepsWhatItBuilt)
{
    TSupporterHost Host;
    SetTimerFailureForTesting(true);
    try {
        Host.Supporter->StartUp();
        FAIL() << "StartUp got a timer";
    } catch (const EOutOfResources& E) {
        EXPECT_STREQ(E.what(), "Not enough timers available");
    }
    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), "VUZE422(485)/8 Series Settings Program");
    ASSERT_NE(Host.Supporter->HelpForm(), nullptr);
    EXPECT_TRUE(Host.Supporter->HelpPending());

    SetTimerFailureForTesting(false);
    PumpFor(300ms);
    EXPECT_FALSE(Host.Supporter->HelpForm()->Visible()) << "no timer, so no help window by itself";
}

TEST(SetupSupporterTest, StartingARunWithoutTimerFails)
{
    TSupporterHost Host;
    SetTimerFailureForTesting(true);
    EXPECT_THROW(Host.Supporter->SetCalibrating(true), EOutOfResources);
    EXPECT_TRUE(Host.Supporter->Calibrating()) << "the flag keeps the value it had at the failure";
    SetTimerFailureForTesting(false);
    Host.Supporter->SetCalibrating(false);
}

TEST(SetupSupporterTest, DestroyedBeforeTheFirstTickShowsNoHelp)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();
    const HWND TimerWindow = Host.Supporter->TimerWindow();

    delete Host.Supporter;
    Host.Supporter = nullptr;

    EXPECT_FALSE(IsWindow(TimerWindow));
    PumpFor(300ms);
    EXPECT_FALSE(Help->Visible());
}

TEST(SetupSupporterTest, CloseButtonClickHidesTheWindowHoldingTheButton)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    TTechForm* Tech = Host.Supporter->TechForm();
    Tech->Show();

    TSetupSupporter::CloseButtonClick(Tech->CloseButton);

    EXPECT_FALSE(Tech->Visible());
    EXPECT_EQ(Host.Supporter->TechForm(), Tech) << "hidden, not destroyed";
    TSetupSupporter::CloseButtonClick(nullptr);
    TSetupSupporter::CloseButtonClick(Host.Form);
}

TEST(SetupSupporterTest, LayoutSetsThePropertiesAndLeavesChangeButtonsTrueWhenUnnamed)
{
    TForm Root(nullptr);
    int StartClicks = 0;
    TLayoutReader Reader(Root, [&StartClicks](const std::string& Name) -> TNotifyEvent {
        if (Name == "StartClick")
            return [&StartClicks](TObject*) { ++StartClicks; };
        return nullptr;
    });
    Reader.Read("object Root: TForm\n"
                "  object SetSup: TSetupSupporter\n"
                "    CompanyName = 'ZENTA'\n"
                "    CardNameA = 'VUZE422(485)/8'\n"
                "    CardNameB = 'KSR422(485)-8ULP'\n"
                "    UseCardNameB = True\n"
                "    CallHow = 'any time'\n"
                "    MultiPort = True\n"
                "    Channels = 16\n"
                "    bSeries = False\n"
                "    OnStartButtonClick = StartClick\n"
                "  end\n"
                "end\n");
    auto* Supporter = dynamic_cast<TSetupSupporter*>(Root.FindComponent("SetSup"));
    ASSERT_NE(Supporter, nullptr);
    EXPECT_EQ(Supporter->CompanyName(), "ZENTA");
    EXPECT_EQ(Supporter->CardNameA(), "VUZE422(485)/8");
    EXPECT_EQ(Supporter->CardNameB(), "KSR422(485)-8ULP");
    EXPECT_TRUE(Supporter->UseCardNameB());
    EXPECT_EQ(Supporter->CallHow(), "any time");
    EXPECT_TRUE(Supporter->MultiPort());
    EXPECT_EQ(Supporter->Channels(), 16);
    EXPECT_TRUE(Supporter->ChangeButtons());
    EXPECT_FALSE(Supporter->bSeries());
    ASSERT_TRUE(Supporter->OnStartButtonClick);
    Supporter->OnStartButtonClick(Supporter);
    EXPECT_EQ(StartClicks, 1);
}

TEST(SetupSupporterTest, LayoutRejectsAChannelCountBeyondAByte)
{
    for (const char* Count : {"256", "-1"}) {
        TForm Root(nullptr);
        TLayoutReader Reader(Root, nullptr);
        const std::string Text =
            std::string("object Root: TForm\n  object SetSup: TSetupSupporter\n    Channels = ") + Count +
            "\n  end\nend\n";
        EXPECT_THROW(Reader.Read(Text), ELayoutError) << Count;
    }
}

} // namespace
} // namespace setup
