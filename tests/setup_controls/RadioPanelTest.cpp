#include "setup_controls/RadioPanel.h"

#include "MouseClicks.h"
#include "setup_controls/TwoJumper.h"
#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/LayoutReader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

const TAnchors LeftTop{akLeft, akTop};
const TAnchors AllSides{akLeft, akTop, akRight, akBottom};

// Derived from the glyph, but under a name of its own.
class TDerivedJumper : public TTwoJumper
{
public:
    using TTwoJumper::TTwoJumper;
    std::string ClassName() const override { return "TDerivedJumper"; }
};

TEST(RadioPanel, StartsHiddenWithoutBevelOrCaption)
{
    TRadioPanel Panel(nullptr);
    Panel.SetName("ClockPanel");
    EXPECT_EQ(Panel.Width(), 194);
    EXPECT_EQ(Panel.Height(), 100);
    EXPECT_FALSE(Panel.Visible());
    EXPECT_EQ(Panel.BevelOuter(), bvNone);
    EXPECT_EQ(Panel.BevelInner(), bvNone);
    EXPECT_EQ(Panel.BevelWidth(), 1);
    EXPECT_EQ(Panel.BorderStyle(), bsNone);
    EXPECT_EQ(Panel.BorderWidth(), 0);
    EXPECT_TRUE(Panel.FullRepaint());
    EXPECT_EQ(Panel.Color(), clBtnFace);
    EXPECT_FALSE(Panel.ShowCaption());
    EXPECT_TRUE(Panel.Caption().empty());
    EXPECT_TRUE(Panel.Lines().empty());
    EXPECT_EQ(Panel.MemoHeight(), 58);
    EXPECT_FALSE(Panel.RadioEnabled());
    EXPECT_EQ(Panel.FinalAnchors(), LeftTop);
    EXPECT_EQ(Panel.Anchors(), LeftTop);
    EXPECT_FALSE(Panel.InPopup());
    EXPECT_FALSE(Panel.DesignHidden());
    EXPECT_FALSE(Panel.OnRadioChange || Panel.OnActivate || Panel.OnDeactivate);
}

TEST(RadioPanel, FinalAnchorsReachAnchorsOnlyInThePopup)
{
    TRadioPanel Panel(nullptr);
    Panel.SetFinalAnchors(AllSides);
    EXPECT_EQ(Panel.FinalAnchors(), AllSides);
    EXPECT_EQ(Panel.Anchors(), LeftTop);

    // What the popup does when it adopts the panel.
    Panel.SetAnchors(Panel.FinalAnchors());
    Panel.SetInPopup(true);
    EXPECT_EQ(Panel.Anchors(), AllSides);

    const TAnchors Bottom{akBottom};
    Panel.SetFinalAnchors(Bottom);
    EXPECT_EQ(Panel.Anchors(), Bottom);
    EXPECT_EQ(Panel.FinalAnchors(), Bottom);
}

TEST(RadioPanel, LinesAreACopyOfTheGivenList)
{
    TRadioPanel Panel(nullptr);
    std::vector<std::string> Source{"Set the clock jumper.", ""};
    Panel.SetLines(Source);
    Source[0] = "changed";
    Source.push_back("added");
    EXPECT_EQ(Panel.Lines(), (std::vector<std::string>{"Set the clock jumper.", ""}));
}

TEST(RadioPanel, DesignModeHidesThePanelAtItsFirstPaintOnly)
{
    for (bool Designing : {true, false}) {
        SCOPED_TRACE(Designing ? "Designing" : "Running");
        TRadioPanel Panel(nullptr);
        Panel.SetDesigning(Designing);
        Panel.SetVisible(true);
        Panel.PaintWindow();
        EXPECT_EQ(Panel.Visible(), !Designing);
        EXPECT_EQ(Panel.DesignHidden(), Designing);
        Panel.SetVisible(true);
        Panel.PaintWindow();
        EXPECT_TRUE(Panel.Visible());
    }
}

// A panel with three glyphs and one of a derived class, which the rule leaves alone.
class RadioRuleTest : public ::testing::Test
{
protected:
    RadioRuleTest()
    {
        for (size_t I = 0; I < Jumpers.size(); ++I) {
            Jumpers[I] = AddJumper(new TTwoJumper(&Panel), static_cast<int>(I));
            Jumpers[I]->OnClick = [this, I](TObject*) { Log.push_back("click " + std::to_string(I)); };
        }
        Derived = AddJumper(new TDerivedJumper(&Panel), 3);
        Derived->SetClosed(true);
        Panel.OnRadioChange = [this](TObject* Sender) {
            for (size_t I = 0; I < Jumpers.size(); ++I)
                if (Sender == Jumpers[I])
                    Log.push_back("change " + std::to_string(I));
        };
    }
    TTwoJumper* AddJumper(TTwoJumper* Jumper, int Index)
    {
        Jumper->SetParent(&Panel);
        Jumper->SetLeft(Index * 40);
        return Jumper;
    }
    void SetStates(const std::array<bool, 3>& Closed)
    {
        for (size_t I = 0; I < Jumpers.size(); ++I)
            Jumpers[I]->SetClosed(Closed[I]);
    }
    std::array<bool, 3> States() const
    {
        return {Jumpers[0]->Closed(), Jumpers[1]->Closed(), Jumpers[2]->Closed()};
    }

    TRadioPanel Panel{nullptr};
    std::array<TTwoJumper*, 3> Jumpers{};
    TTwoJumper* Derived = nullptr;
    std::vector<std::string> Log;
};

TEST_F(RadioRuleTest, ClickClosesTheClickedJumperAndOpensTheOthers)
{
    struct TCase
    {
        const char* Name;
        bool RadioEnabled;
        std::array<bool, 3> Before;
        int Clicked;
        std::array<bool, 3> After;
        std::vector<std::string> Log;
    };
    const TCase Cases[] = {
        {"OtherWasClosed", true, {false, true, false}, 0, {true, false, false}, {"change 0", "click 0"}},
        // The click opens it, the rule closes it again: a change.
        {"ClickedWasClosed", true, {true, false, false}, 0, {true, false, false}, {"change 0", "click 0"}},
        {"NoneWasClosed", true, {false, false, false}, 1, {false, true, false}, {"click 1"}},
        {"RuleOff", false, {false, true, false}, 0, {true, true, false}, {"click 0"}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Panel.SetRadioEnabled(Case.RadioEnabled);
        SetStates(Case.Before);
        Log.clear();
        ClickControl(Panel, *Jumpers[Case.Clicked]);
        EXPECT_EQ(States(), Case.After);
        EXPECT_EQ(Log, Case.Log);
        EXPECT_TRUE(Derived->Closed());
    }
}

TEST_F(RadioRuleTest, RuleRunDirectlyChangesOnlyWhatDiffers)
{
    Panel.SetRadioEnabled(true);
    SetStates({false, true, false});
    Panel.JumperClicked(Jumpers[1]);
    EXPECT_EQ(States(), (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(Log.empty());

    // A jumper from elsewhere leaves every glyph of the panel open.
    TTwoJumper Stranger(nullptr);
    Panel.JumperClicked(&Stranger);
    EXPECT_EQ(States(), (std::array<bool, 3>{false, false, false}));
    EXPECT_TRUE(Derived->Closed());
}

TEST_F(RadioRuleTest, DisabledAndHiddenGlyphsTakePartInTheRule)
{
    Panel.SetRadioEnabled(true);
    SetStates({false, true, true});
    Jumpers[1]->SetEnabled(false);
    Jumpers[2]->SetVisible(false);
    ClickControl(Panel, *Jumpers[0]);
    EXPECT_EQ(States(), (std::array<bool, 3>{true, false, false}));
}

class RadioPanelLayoutTest : public ::testing::Test
{
protected:
    void Read(const std::string& Text)
    {
        TLayoutReader Reader(Form, [this](const std::string& Name) -> TNotifyEvent {
            return [this, Name](TObject*) { Handled.push_back(Name); };
        });
        Reader.Read(Text);
    }
    TRadioPanel& Panel(const char* Name)
    {
        auto* Found = dynamic_cast<TRadioPanel*>(Form.FindComponent(Name));
        if (!Found)
            throw std::runtime_error(std::string("no panel ") + Name);
        return *Found;
    }
    TForm Form{nullptr};
    std::vector<std::string> Handled;
};

TEST_F(RadioPanelLayoutTest, LayoutValuesGoOverTheConstructorsValues)
{
    Read(R"(object Form1: TForm
  object ClockPanel: TRadioPanel
    Left = 8
    Top = 16
    Width = 210
    Height = 120
    RadioEnabled = True
    Lines.Strings = (
      'First line'
      ''
      'Third line')
    MemoHeight = 70
    FinalAnchors = [akLeft, akTop, akRight, akBottom]
    OnRadioChange = ClockChanged
    OnActivate = ClockActivate
    OnDeactivate = ClockDeactivate
  end
  object RaisedPanel: TRadioPanel
    BevelOuter = bvRaised
  end
end
)");
    TRadioPanel& Clock = Panel("ClockPanel");
    EXPECT_EQ(Clock.BoundsRect(), (TRect{8, 16, 218, 136}));
    EXPECT_TRUE(Clock.RadioEnabled());
    EXPECT_EQ(Clock.Lines(), (std::vector<std::string>{"First line", "", "Third line"}));
    EXPECT_EQ(Clock.MemoHeight(), 70);
    EXPECT_EQ(Clock.FinalAnchors(), AllSides);
    EXPECT_EQ(Clock.Anchors(), LeftTop);
    EXPECT_FALSE(Clock.Visible());
    // A layout that leaves BevelOuter out keeps the constructor's none.
    EXPECT_EQ(Clock.BevelOuter(), bvNone);
    EXPECT_EQ(Panel("RaisedPanel").BevelOuter(), bvRaised);

    Clock.OnRadioChange(nullptr);
    Clock.OnActivate(nullptr);
    Clock.OnDeactivate(nullptr);
    EXPECT_EQ(Handled, (std::vector<std::string>{"ClockChanged", "ClockActivate", "ClockDeactivate"}));
}

TEST_F(RadioPanelLayoutTest, LinesMustBeAListOfStrings)
{
    try {
        Read("object Form1: TForm\n  object ClockPanel: TRadioPanel\n    Lines.Strings = 'one line'\n  "
             "end\nend\n");
        ADD_FAILURE() << "accepted";
    } catch (const ELayoutError& E) {
        EXPECT_NE(E.Message().find("line 3"), std::string::npos) << E.Message();
    }
}

} // namespace
} // namespace setup
