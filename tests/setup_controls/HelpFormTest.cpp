#include "SupporterTestHost.h"

#include "setup_controls/BoardImage.h"
#include "setup_controls/HelpDocument.h"
#include "setup_controls/HelpForm.h"
#include "setup_controls/SetupMessages.h"
#include "setup_controls/TechForm.h"
#include "vcl/Color.h"
#include "vcl/CustomPanel.h"
#include "vcl/Font.h"
#include "vcl/Label.h"
#include "vcl/Messages.h"
#include "vcl/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

const TAnchors AllSides{akLeft, akTop, akRight, akBottom};

// The document spelled out piece by piece.
std::string ExpectedDocument(const std::string& Company, const std::string& Card, const std::string& Suffix,
                             bool MultiPort, bool ListsCards)
{
    std::string Rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
        R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;)"
        R"(\red255\green64\blue64;}\viewkind4\uc1\pard\f0\fs32\cf0)"
        "\r\n"
        R"({\b )";
    Rtf += Company;
    Rtf += " ";
    Rtf += Card;
    Rtf += Suffix;
    Rtf += R"( Settings Program}\par\par\fs24)"
           "\r\n";
    Rtf +=
        R"(This program will help you configure the option jumpers and settings associated with this product. )"
        R"(You should have the product in-hand when first using this program.\par\par)"
        "\r\n";
    Rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par)"
           "\r\n";
    Rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on standard and )"
           R"(optional features of the product family.\par\par)"
           "\r\n";
    Rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require actually )"
           R"(controlling the hardware device. Run this settings program again once the card is installed. )";
    Rtf +=
        R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, then perform )"
        R"(the {\cf3 calibration circles}.\par\par)"
        "\r\n";
    Rtf +=
        R"(Mouse over the highlight circles to see configuration or information popups for {\cf1 setup}, )"
        R"({\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. )";
    Rtf += R"(You can have all or as many of these popups onscreen at the same time as you desire.\par\par)"
           "\r\n";
    if (MultiPort) {
        Rtf +=
            R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration )"
            R"(options for each port are handled identically; )";
        Rtf +=
            R"(this program only shows the setup once, but you need to perform this setup for each group of )"
            R"(options on your device.\par\par)"
            "\r\n";
    }
    if (ListsCards)
        Rtf += "To see a list of " + Card + " cards installed, click \"Display " + Card +
               " Cards Installed\" under the File menu.\\par\\par\r\n";
    Rtf += "}";
    return Rtf;
}

struct TDocumentCase
{
    const char* Name;
    THelpDocumentContent Content;
};

class HelpDocumentTest : public testing::TestWithParam<TDocumentCase>
{};

TEST_P(HelpDocumentTest, DocumentIsThePiecesInOrder)
{
    const THelpDocumentContent& C = GetParam().Content;
    EXPECT_EQ(HelpDocument(C),
              ExpectedDocument(C.CompanyName, C.CardName, C.SeriesSuffix, C.MultiPort, C.ListsCards));
}

INSTANTIATE_TEST_SUITE_P(
    Switches, HelpDocumentTest,
    testing::Values(TDocumentCase{"MultiPortOnly", {"ZENTA", "VUZE422(485)/8", " Series", true, false}},
                    TDocumentCase{"MultiPortAndListing", {"ZENTA", "VUZE422(485)/8", " Series", true, true}},
                    TDocumentCase{"ListingOnly", {"ZENTA", "VUZE422(485)/8", " Series", false, true}},
                    TDocumentCase{"Neither", {"ZENTA", "VUZE422(485)/8", " Series", false, false}},
                    TDocumentCase{"NoCompanyNoSeries", {"", "KSR422(485)-8ULP", "", true, false}}),
    [](const testing::TestParamInfo<TDocumentCase>& Info) { return std::string(Info.param.Name); });

struct TScreenCase
{
    const char* Name;
    int ScreenWidth;
    int ScreenHeight;
    TPoint ClientSize;
};

class HelpScalingTest : public testing::TestWithParam<TScreenCase>
{};

TEST_P(HelpScalingTest, HelpWindowGrowsWithTheScreenOnly)
{
    const TScreenCase& Case = GetParam();
    EXPECT_EQ(HelpClientSizeForScreen({305, 138}, Case.ScreenWidth, Case.ScreenHeight), Case.ClientSize);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, HelpScalingTest,
    testing::Values(TScreenCase{"VGA", 640, 480, {305, 138}}, TScreenCase{"SVGA", 800, 600, {305, 138}},
                    TScreenCase{"XGA", 1024, 768, {390, 177}}, TScreenCase{"SXGA", 1280, 1024, {488, 221}},
                    TScreenCase{"WXGA", 1366, 768, {521, 236}}, TScreenCase{"FullHD", 1920, 1080, {732, 331}},
                    TScreenCase{"TallNarrow", 800, 2000, {305, 138}},
                    TScreenCase{"NoScreen", 0, 0, {305, 138}}),
    [](const testing::TestParamInfo<TScreenCase>& Info) { return std::string(Info.param.Name); });

// Counts the tours asked of it.
class TTourRecorder : public TBoardImage
{
public:
    explicit TTourRecorder(TComponent* AOwner) : TBoardImage(AOwner) {}
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == UM_STARTTOUR)
            Tours.push_back(Message);
        TBoardImage::Dispatch(Message);
    }
    std::vector<TMessage> Tours;
};

TEST(HelpFormTest, HelpWindowIsBuiltToFitItsControlsAndTheScreen)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();

    EXPECT_EQ(Help->ClassName(), "THelpForm");
    EXPECT_EQ(Help->Name(), "HelpForm");
    EXPECT_EQ(Help->Caption(), "Instructions for Settings utility");
    EXPECT_EQ(Help->FormStyle(), fsStayOnTop);
    EXPECT_EQ(Help->Position(), poMainFormCenter);
    EXPECT_EQ(Help->CloseButton, nullptr);

    EXPECT_EQ(Help->HelpLabel->Caption(), "How to use this program");
    EXPECT_EQ(Help->HelpLabel->Align(), alTop);
    EXPECT_EQ(Help->HelpLabel->Alignment(), taCenter);
    EXPECT_EQ(Help->HelpLabel->Font().Name(), "Verdana");
    EXPECT_EQ(Help->HelpLabel->Font().Size(), 12);
    EXPECT_TRUE(Help->HelpLabel->Font().Style().Contains(fsBold));

    EXPECT_EQ(Help->HelpRich->Name(), "HelpRich");
    EXPECT_TRUE(Help->HelpRich->ReadOnly());
    EXPECT_EQ(Help->HelpRich->ScrollBars(), ssVertical);
    EXPECT_EQ(Help->HelpRich->Color(), RGB(221, 221, 221));
    EXPECT_EQ(Help->HelpRich->Anchors(), AllSides);

    EXPECT_EQ(Help->StartButton->Caption(), "Start");
    EXPECT_TRUE(Help->StartButton->Default());
    EXPECT_TRUE(Help->StartButton->Cancel());
    EXPECT_EQ(Help->StartButton->TabOrder(), 0);
    EXPECT_EQ(Help->StartButton->Anchors(), TAnchors{akBottom});

    const TPoint Client = HelpClientSizeForScreen({305, 138}, Screen->Width(), Screen->Height());
    EXPECT_EQ(Help->ClientWidth(), Client.X);
    EXPECT_EQ(Help->ClientHeight(), Client.Y);
    // The anchors carried the controls along with the scaling.
    EXPECT_EQ(Help->HelpRich->BoundsRect(), (TRect{0, 24, Client.X, Client.Y - 41}));
    EXPECT_EQ(Help->StartButton->Width(), 173);
    EXPECT_EQ(Help->StartButton->Top() + Help->StartButton->Height(), Client.Y - 8);
    EXPECT_LE(std::abs(2 * Help->StartButton->Left() + 173 - Client.X), 2) << "centred";
}

TEST(HelpFormTest, TechnicalSupportWindowFitsItsControls)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    TTechForm* Tech = Host.Supporter->TechForm();

    EXPECT_EQ(Tech->ClassName(), "TTechForm");
    EXPECT_EQ(Tech->Name(), "TechForm");
    EXPECT_EQ(Tech->Caption(), "Technical Support");
    EXPECT_EQ(Tech->FormStyle(), fsStayOnTop);
    EXPECT_EQ(Tech->Position(), poDefaultPosOnly);
    EXPECT_EQ(Tech->ClientWidth(), 305);
    EXPECT_EQ(Tech->ClientHeight(), 122);
    EXPECT_EQ(Tech->TechMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(Tech->TechMemo->Anchors(), AllSides);
    EXPECT_TRUE(Tech->TechMemo->ReadOnly());
    EXPECT_EQ(Tech->TechMemo->ScrollBars(), ssVertical);
    EXPECT_EQ(Tech->CloseButton->BoundsRect(), Bounds(116, 97, 73, 25));
    EXPECT_EQ(Tech->CloseButton->Anchors(), TAnchors{akBottom});
    EXPECT_EQ(Tech->CloseButton->Caption(), "Close");
    EXPECT_TRUE(Tech->CloseButton->Cancel());

    const std::vector<std::string> Lines{
        "There are several ways to get technical support. First and fastest is to skim the relevant sections "
        "of the "
        "manual. However, some questions require personal assistance, and ZENTA stands ready to provide that "
        "help. "
        "You can call us weekdays 8 to 5 at 555-0100 for any of your product questions.",
        "",
        "In order to provide the best and fastest support possible, we ask that you be at your computer when "
        "you "
        "call, and have the ZENTA product manual and Reveraze Roride VO at hand."};
    EXPECT_EQ(Tech->TechMemo->Lines(), Lines);

    Tech->Show();
    EXPECT_EQ(Tech->ClientWidth(), 305) << "built hidden, the client size holds once framed";
    EXPECT_EQ(Tech->ClientHeight(), 122);
}

TEST(HelpFormTest, EmptyCompanyNameLeavesDoubleSpaces)
{
    const std::string Text = TechSupportText("", "now");
    EXPECT_NE(Text.find("and  stands ready"), std::string::npos);
    EXPECT_NE(Text.find("have the  product manual"), std::string::npos);
}

TEST(HelpFormTest, StartHidesHelpAndStartsTheTourOnTheFirstDirectBoardImage)
{
    TSupporterHost Host;
    auto* Panel = new TCustomPanel(Host.Form);
    Panel->SetParent(Host.Form);
    auto* Nested = new TTourRecorder(Host.Form);
    Nested->SetParent(Panel);
    auto* First = new TTourRecorder(Host.Form);
    First->SetParent(Host.Form);
    auto* Second = new TTourRecorder(Host.Form);
    Second->SetParent(Host.Form);
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();
    Help->Show();

    Help->StartButton->Click();

    EXPECT_FALSE(Help->Visible());
    ASSERT_EQ(First->Tours.size(), 1u) << "sent, not posted: handled inside the click";
    EXPECT_EQ(First->Tours[0].WParam, 0);
    EXPECT_EQ(First->Tours[0].LParam, 0);
    EXPECT_TRUE(Second->Tours.empty());
    EXPECT_TRUE(Nested->Tours.empty());
}

TEST(HelpFormTest, StartWithoutBoardImageOnlyHidesHelp)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();
    Help->Show();
    Help->StartButton->Click();
    EXPECT_FALSE(Help->Visible());
}

TEST(HelpFormTest, EnterAndEscActAsStart)
{
    for (intptr_t Key : {VK_RETURN, VK_ESCAPE}) {
        TSupporterHost Host;
        auto* Board = new TTourRecorder(Host.Form);
        Board->SetParent(Host.Form);
        Host.Supporter->StartUp();
        THelpForm* Help = Host.Supporter->HelpForm();
        Help->Show();

        Help->Perform(CM_DIALOGKEY, Key, 0);

        EXPECT_FALSE(Help->Visible()) << Key;
        EXPECT_EQ(Board->Tours.size(), 1u) << Key;
    }
}

TEST(HelpFormTest, CloseBoxAndEscOnlyHideTheWindows)
{
    TSupporterHost Host;
    Host.Supporter->StartUp();
    THelpForm* Help = Host.Supporter->HelpForm();
    TTechForm* Tech = Host.Supporter->TechForm();

    for (TCustomForm* Window : std::vector<TCustomForm*>{Help, Tech}) {
        Window->Show();
        Window->Perform(WM_CLOSE);
        EXPECT_FALSE(Window->Visible()) << Window->Name();
        Window->Show();
        EXPECT_TRUE(Window->Visible()) << Window->Name();
    }
    Tech->Perform(CM_DIALOGKEY, VK_ESCAPE, 0);
    EXPECT_FALSE(Tech->Visible());
    Tech->Show();
    Tech->CloseButton->Click();
    EXPECT_FALSE(Tech->Visible());
    EXPECT_EQ(Host.Supporter->TechForm(), Tech);
    EXPECT_EQ(Host.Supporter->HelpForm(), Help);
}

} // namespace
} // namespace setup
