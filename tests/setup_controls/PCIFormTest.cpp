#include "SupporterTestHost.h"

#include "driver_binding/LLNEXDRV.h"
#include "setup_controls/HelpForm.h"
#include "setup_controls/PCIForm.h"
#include "vcl/Font.h"
#include "vcl/Menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace setup {
namespace {

using namespace vcl;

int CardCount = 0;
std::int32_t StubGetNumCards() { return CardCount; }

// The driver library is not installed here, so loading it leaves GetNumCards
// as the test set it.
class PCIFormTest : public testing::Test
{
protected:
    void SetUp() override
    {
        llnexdrv::LoadDriverLibrary();
        Saved = llnexdrv::GetNumCards;
        if (llnexdrv::DriverAvailable)
            GTEST_SKIP() << "a driver library is installed on this machine";
        Cards(0, {});
    }
    void TearDown() override { llnexdrv::GetNumCards = Saved; }

    // Count cards reported by the driver, each with its text from the host.
    void Cards(std::optional<int> Count, std::vector<std::string> Texts)
    {
        CardCount = Count.value_or(0);
        llnexdrv::GetNumCards = Count ? StubGetNumCards : nullptr;
        Host.Supporter->OnGetCardString = [this, Texts](TObject* Sender, int CardIndex) {
            EXPECT_EQ(Sender, Host.Supporter);
            Asked.push_back(CardIndex);
            return CardIndex < static_cast<int>(Texts.size()) ? Texts[CardIndex] : std::string();
        };
    }

    TMenuItem* Command() const { return Host.FileItem->Count() > 1 ? Host.FileItem->Items(0) : nullptr; }

    llnexdrv::TGetNumCards Saved = nullptr;
    TSupporterHost Host;
    std::vector<int> Asked;
};

TEST_F(PCIFormTest, ListingBuildsCommandAndWindow)
{
    Cards(1, {"PCI card at E000"});
    Host.Supporter->StartUp();

    ASSERT_NE(Command(), nullptr);
    EXPECT_EQ(Command()->Name(), "DisplayPCI");
    EXPECT_EQ(Command()->Caption(), "Display VUZE422(485)/8 Cards Installed");
    EXPECT_EQ(Command()->Owner(), Host.FileItem);
    EXPECT_EQ(Host.FileItem->Items(1), Host.ExitItem);

    TPCIForm* Cards = Host.Supporter->PCIForm();
    ASSERT_NE(Cards, nullptr);
    EXPECT_EQ(Cards->ClassName(), "TPCIForm");
    EXPECT_EQ(Cards->Name(), "PCIForm");
    EXPECT_EQ(Cards->Owner(), Host.Form);
    EXPECT_EQ(Cards->Caption(), "VUZE422(485)/8 Cards installed");
    EXPECT_TRUE(Cards->Visible()) << "shown at start-up";
    EXPECT_EQ(Cards->FormStyle(), fsStayOnTop);
    EXPECT_EQ(Cards->Position(), poDefaultPosOnly);
    EXPECT_EQ(Cards->ClientWidth(), 305);
    EXPECT_EQ(Cards->ClientHeight(), 122);

    TMemo* Memo = Cards->PCIMemo;
    EXPECT_EQ(Memo->Name(), "PCIMemo");
    EXPECT_EQ(Memo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(Memo->Font().Name(), "Tahoma");
    EXPECT_EQ(Memo->Font().Size(), 10);
    EXPECT_TRUE(Memo->Font().Style().Contains(fsBold));
    EXPECT_TRUE(Memo->ReadOnly());
    EXPECT_EQ(Memo->ScrollBars(), ssVertical);
    EXPECT_EQ(Memo->Anchors(), (TAnchors{akLeft, akTop, akRight, akBottom}));
    // Centred on the first outer width of 320, then moved by the fit: not centred on 305.
    EXPECT_EQ(Cards->CloseButton->BoundsRect(), Bounds(115, 97, 73, 25));
    EXPECT_EQ(Cards->CloseButton->Anchors(), TAnchors{akBottom});
    EXPECT_EQ(Cards->CloseButton->Caption(), "Close");
    EXPECT_TRUE(Cards->CloseButton->Cancel());

    const std::vector<std::string>& Help = Host.Supporter->HelpForm()->HelpRich->Lines();
    EXPECT_NE(
        std::find(Help.begin(), Help.end(),
                  "To see a list of VUZE422(485)/8 cards installed, click \"Display VUZE422(485)/8 Cards "
                  "Installed\" under the File menu."),
        Help.end());
}

TEST_F(PCIFormTest, CloseHidesAndTheCommandShowsAgain)
{
    Cards(1, {"A"});
    Host.Supporter->StartUp();
    TPCIForm* Cards = Host.Supporter->PCIForm();

    Cards->CloseButton->Click();
    EXPECT_FALSE(Cards->Visible());
    Command()->Click();
    EXPECT_TRUE(Cards->Visible());
    EXPECT_EQ(Host.Supporter->PCIForm(), Cards) << "shown again, not rebuilt";
}

struct TListingCase
{
    const char* Name;
    std::optional<int> Count;
    std::vector<std::string> Texts;
    std::vector<std::string> Lines;
    std::vector<int> Asked;
    const char* Title;
};

class PCIListingTest : public PCIFormTest, public testing::WithParamInterface<TListingCase>
{};

TEST_P(PCIListingTest, MemoListsCardsWithTextAndTitleTellsWhetherOneWasFound)
{
    const TListingCase& Case = GetParam();
    Cards(Case.Count, Case.Texts);
    Host.Supporter->StartUp();

    EXPECT_EQ(Host.Supporter->PCIForm()->PCIMemo->Lines(), Case.Lines);
    EXPECT_EQ(Asked, Case.Asked);
    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), Case.Title);
}

const char* const FoundTitle = "VUZE422(485)/8 Series Settings Program";
const char* const NoCardTitle = "No VUZE422(485)/8 Series Card Found";

INSTANTIATE_TEST_SUITE_P(
    Cards, PCIListingTest,
    testing::Values(
        TListingCase{"OneOfThreeWithoutText", 3, {"A", "", "C"}, {"A", "C"}, {0, 1, 2}, FoundTitle},
        TListingCase{"OnlyCardWithoutText", 1, {""}, {"No Card Found"}, {0}, NoCardTitle},
        TListingCase{"NoCards", 0, {"A"}, {"No Card Found"}, {}, NoCardTitle},
        TListingCase{"NegativeCount", -1, {"A"}, {"No Card Found"}, {}, NoCardTitle},
        TListingCase{"NoDriver", std::nullopt, {"A"}, {"No Card Found"}, {}, NoCardTitle}),
    [](const testing::TestParamInfo<TListingCase>& Info) { return std::string(Info.param.Name); });

TEST_F(PCIFormTest, NoCardTitleWithoutSeries)
{
    Host.Supporter->SetbSeries(false);
    Host.Supporter->StartUp();
    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), "No VUZE422(485)/8 Found");
}

TEST_F(PCIFormTest, CardNameBIsUsedEverywhere)
{
    Host.Supporter->SetUseCardNameB(true);
    Cards(1, {"A"});
    Host.Supporter->StartUp();

    EXPECT_EQ(Command()->Caption(), "Display KSR422(485)-8ULP Cards Installed");
    EXPECT_EQ(Host.Supporter->PCIForm()->Caption(), "KSR422(485)-8ULP Cards installed");
    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), "KSR422(485)-8ULP Series Settings Program");
    const std::vector<std::string>& Help = Host.Supporter->HelpForm()->HelpRich->Lines();
    EXPECT_TRUE(std::any_of(Help.begin(), Help.end(), [](const std::string& Line) {
        return Line.rfind("To see a list of KSR422(485)-8ULP cards installed", 0) == 0;
    }));
}

TEST_F(PCIFormTest, OnlyAnExactFileCaptionGetsTheCommand)
{
    Host.FileItem->SetCaption("File");
    Cards(1, {"A"});
    Host.Supporter->StartUp();

    EXPECT_EQ(Host.FileItem->Count(), 1);
    ASSERT_NE(Host.Supporter->PCIForm(), nullptr) << "the window is built all the same";
    EXPECT_TRUE(Host.Supporter->PCIForm()->Visible());
}

TEST_F(PCIFormTest, NoMainMenuGetsNoCommand)
{
    Host.Form->SetMenu(nullptr);
    Cards(1, {"A"});
    Host.Supporter->StartUp();

    EXPECT_EQ(Host.FileItem->Count(), 1);
    EXPECT_NE(Host.Supporter->PCIForm(), nullptr);
}

TEST_F(PCIFormTest, FailingCardTextEndsStartUpBeforeTheTitle)
{
    CardCount = 1;
    llnexdrv::GetNumCards = StubGetNumCards;
    Host.Supporter->OnGetCardString = [](TObject*, int) -> std::string {
        throw std::runtime_error("no card");
    };

    EXPECT_THROW(Host.Supporter->StartUp(), std::runtime_error);
    EXPECT_EQ(Host.Supporter->HeaderLabel()->Caption(), "");
    EXPECT_FALSE(Host.Supporter->HelpPending());
}

} // namespace
} // namespace setup
