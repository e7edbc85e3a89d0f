#include "SupporterTestHost.h"

#include "setup_controls/HelpForm.h"
#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Dialogs.h"
#include "vcl/Exceptions.h"
#include "vcl/Label.h"
#include "vcl/Messages.h"
#include "vcl/Windows.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

struct TBox
{
    std::string Text;
    std::string Caption;
    unsigned Flags;
    bool CalibratingWhileOpen;
};

const std::vector<std::string> ThreeBlankItems{"", "", ""};

// A host with two calibration entries, each a reading list of three items, a
// run button captioned "Stop" and an indicator; message boxes are recorded and
// answered with Answer.
class CalibrationTest : public testing::Test
{
protected:
    struct TEntryFields
    {
        TComboBox* ReadingList;
        TButton* RunButton;
        TControl* Indicator;
    };

    CalibrationTest()
    {
        for (TEntryFields& Fields : Entries) {
            Fields.ReadingList = Control<TComboBox>();
            Fields.ReadingList->SetItems(ThreeBlankItems);
            Fields.RunButton = Control<TButton>();
            Fields.RunButton->SetCaption("Stop");
            Fields.Indicator = Control<TLabel>();
        }
        Supporter().SetChannels(3);
        Supporter().OnStartButtonClick = [this](TObject*) { ++StartClicks; };
        Supporter().SetOnBeginCalib([this](TObject* Sender) {
            EXPECT_EQ(Sender, &Supporter());
            Log.push_back("begin");
        });
        SetMessageBoxHook([this](const std::string& Text, const std::string& Caption, unsigned Flags) {
            Boxes.push_back({Text, Caption, Flags, Supporter().Calibrating()});
            return Answer;
        });
        Application->SetExceptionReport([this](const std::string& Message) { Reports.push_back(Message); });
    }

    ~CalibrationTest() override
    {
        if (Host.Supporter)
            Host.Supporter->SetCalibrating(false);
    }

    template <class T>
    T* Control()
    {
        auto* Result = new T(Host.Form);
        Result->SetParent(Host.Form);
        return Result;
    }

    TSetupSupporter& Supporter() { return *Host.Supporter; }

    void AddEntries()
    {
        for (TEntryFields& Fields : Entries)
            Supporter().AddCalibEntry({&Fields.ReadingList, &Fields.RunButton, &Fields.Indicator});
    }

    // Readings "r<channel>"; the channels listed in Good clear ItsAllBad.
    void Readings(std::vector<int> Good)
    {
        Supporter().OnGetCalibString = [this, Good](TObject* Sender, uint8_t Channel, bool& ItsAllBad) {
            EXPECT_EQ(Sender, &Supporter());
            Log.push_back("read " + std::to_string(Channel) + (ItsAllBad ? " bad" : " good"));
            if (std::find(Good.begin(), Good.end(), Channel) != Good.end())
                ItsAllBad = false;
            return "r" + std::to_string(Channel);
        };
    }

    void Tick() { SendMessage(Supporter().TimerWindow(), WM_TIMER, 1, 0); }

    void ExpectButtonsReset(bool Reset)
    {
        for (TEntryFields& Fields : Entries) {
            EXPECT_EQ(Fields.RunButton->Caption(), Reset ? "Start" : "Stop");
            Fields.RunButton->Click();
        }
        EXPECT_EQ(StartClicks, Reset ? 2 : 0);
    }

    TSupporterHost Host;
    TEntryFields Entries[2];
    std::vector<std::string> Log;
    std::vector<TBox> Boxes;
    std::vector<std::string> Reports;
    int Answer = IDCANCEL;
    int StartClicks = 0;
};

const std::string TotalFailureText =
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.";

TEST_F(CalibrationTest, TickWritesEveryChannelIntoEveryReadingList)
{
    AddEntries();
    Readings({1});
    Entries[0].ReadingList->SetItemIndex(2);
    Supporter().SetCalibrating(true);

    Tick();

    EXPECT_EQ(Log, (std::vector<std::string>{"begin", "read 0 bad", "read 1 bad", "read 2 good"}));
    const std::vector<std::string> Lines{"Channel 0\tr0", "Channel 1\tr1", "Channel 2\tr2"};
    for (TEntryFields& Fields : Entries) {
        EXPECT_EQ(Fields.ReadingList->Items(), Lines);
        EXPECT_FALSE(Fields.Indicator->Visible());
    }
    EXPECT_EQ(Entries[0].ReadingList->ItemIndex(), 2);
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Supporter().Calibrating());
    ExpectButtonsReset(false);
}

TEST_F(CalibrationTest, EntriesFollowTheHostsFields)
{
    AddEntries();
    Readings({0});
    Tick();
    TComboBox* Replacement = Control<TComboBox>();
    Replacement->SetItems(ThreeBlankItems);
    TComboBox* Old = Entries[0].ReadingList;
    Old->SetItems(ThreeBlankItems);

    Entries[0].ReadingList = Replacement;
    Tick();

    EXPECT_EQ(Replacement->Items()[0], "Channel 0\tr0");
    EXPECT_EQ(Old->Items(), ThreeBlankItems);
}

TEST_F(CalibrationTest, UnassignedReadingHandlerEndsTheRunWithABox)
{
    AddEntries();
    Supporter().SetCalibrating(true);

    Tick();

    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, "Error: calibration begun, but OnGetCalibString isn't assigned.");
    EXPECT_EQ(Boxes[0].Caption, "OnGetCalibString Not Assigned");
    EXPECT_EQ(Boxes[0].Flags, 0x50030u);
    EXPECT_FALSE(Boxes[0].CalibratingWhileOpen);
    EXPECT_EQ(Log, std::vector<std::string>{"begin"});
    EXPECT_FALSE(Supporter().Calibrating());
    EXPECT_TRUE(Entries[0].Indicator->Visible()) << "nothing hidden before the readings";
    ExpectButtonsReset(true);
}

struct TFailureCase
{
    const char* Name;
    int Channels;
    bool ChangeButtons;
    bool WithEntries;
    int Readings;
};

class CalibrationFailureTest : public CalibrationTest, public testing::WithParamInterface<TFailureCase>
{};

TEST_P(CalibrationFailureTest, TotalFailureStopsTheRunAndCancelResetsIt)
{
    const TFailureCase& Case = GetParam();
    if (Case.WithEntries)
        AddEntries();
    Supporter().SetChannels(static_cast<uint8_t>(Case.Channels));
    Supporter().SetChangeButtons(Case.ChangeButtons);
    Readings({});
    Supporter().SetCalibrating(true);

    Tick();

    EXPECT_EQ(static_cast<int>(Log.size()), 1 + Case.Readings);
    EXPECT_EQ(Log.front(), "begin");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Text, TotalFailureText);
    EXPECT_EQ(Boxes[0].Caption, "Total A/D failure");
    EXPECT_EQ(Boxes[0].Flags, 0x50135u);
    EXPECT_FALSE(Boxes[0].CalibratingWhileOpen) << "no tick may arrive while the box is open";
    EXPECT_FALSE(Supporter().Calibrating());
    ExpectButtonsReset(Case.WithEntries && Case.ChangeButtons);
}

INSTANTIATE_TEST_SUITE_P(Runs, CalibrationFailureTest,
                         testing::Values(TFailureCase{"AllReadingsBad", 3, true, true, 3},
                                         TFailureCase{"NoChannels", 0, true, true, 0},
                                         TFailureCase{"ButtonsLeftAlone", 3, false, true, 3},
                                         TFailureCase{"NoEntries", 3, true, false, 3}),
                         [](const testing::TestParamInfo<TFailureCase>& Info) {
                             return std::string(Info.param.Name);
                         });

TEST_F(CalibrationTest, RetryResumesTheTicks)
{
    AddEntries();
    Readings({});
    Answer = IDRETRY;
    Supporter().SetCalibrating(true);

    Tick();

    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_TRUE(Supporter().Calibrating());
    ExpectButtonsReset(false);
    Readings({0});
    Log.clear();
    ASSERT_TRUE(PumpUntil([this] { return !Log.empty(); }));
    EXPECT_EQ(Log.front(), "begin") << "the resumed run starts its tick as every tick";
}

TEST_F(CalibrationTest, ExceptionInATickIsReportedAndTheRunGoesOn)
{
    AddEntries();
    Readings({0});
    Entries[1].ReadingList->SetItems({"only one"});
    Supporter().SetCalibrating(true);

    Tick();

    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_NE(Reports[0].find("no line for channel 1"), std::string::npos) << Reports[0];
    EXPECT_TRUE(Supporter().Calibrating());

    Entries[1].ReadingList->SetItems(ThreeBlankItems);
    Supporter().SetOnBeginCalib([this](TObject*) {
        Log.push_back("begin");
        if (Log.size() < 10)
            throw std::runtime_error("begin failed");
    });
    Log.clear();
    ASSERT_TRUE(PumpUntil([this] { return Log.size() >= 2; })) << "the timer keeps running";
    EXPECT_EQ(Reports[1], "begin failed.");
}

TEST_F(CalibrationTest, TimerLostAtRetryIsReported)
{
    AddEntries();
    Readings({});
    Answer = IDRETRY;
    Supporter().SetCalibrating(true);
    SetTimerFailureForTesting(true);

    Tick();

    EXPECT_EQ(Reports, std::vector<std::string>{"Not enough timers available."});
    EXPECT_TRUE(Supporter().Calibrating());
    SetTimerFailureForTesting(false);
}

TEST_F(CalibrationTest, PendingHelpTickComesFirst)
{
    Readings({0});
    Host.Supporter->StartUp();
    Supporter().SetCalibrating(true);

    Tick();
    EXPECT_TRUE(Supporter().HelpForm()->Visible());
    EXPECT_TRUE(Log.empty());
    EXPECT_TRUE(Supporter().Calibrating());

    Tick();
    EXPECT_EQ(Log.front(), "begin");
}

TEST_F(CalibrationTest, EntriesMustNameTheirPlaces)
{
    TComboBox* List = nullptr;
    TButton* Button = nullptr;
    EXPECT_THROW(Supporter().AddCalibEntry({&List, &Button, nullptr}), EComponentError);

    TControl* Indicator = nullptr;
    for (size_t I = 0; I < TSetupSupporter::MaxCalibEntries; ++I)
        Supporter().AddCalibEntry({&List, &Button, &Indicator});
    EXPECT_THROW(Supporter().AddCalibEntry({&List, &Button, &Indicator}), EComponentError);

    // Empty fields at the moment of use are reported, not followed.
    Readings({0});
    Tick();
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_NE(Reports[0].find("hidden control"), std::string::npos) << Reports[0];
    EXPECT_THROW(Supporter().ResetButtons(), EComponentError);
}

} // namespace
} // namespace setup
