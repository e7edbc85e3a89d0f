#include "MainForm.h"

#include "setup_controls/BoardImage.h"
#include "vcl/Application.h"
#include "vcl/Canvas.h"
#include "vcl/Color.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"

#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vcl;

class MainFormTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterAppResources(); }

    void SetUp() override
    {
        // An exception escaping a handler fails the test instead of waiting in a message box.
        Application->SetExceptionReport([this](const std::string& Message) { Reports.push_back(Message); });
        FormsBefore = Screen->FormCount();
        Form = std::make_unique<TMainForm>(nullptr);
        // As the program makes it; its start-up needs a main window.
        Application->SetMainForm(Form.get());
    }

    void TearDown() override
    {
        Form.reset();
        EXPECT_EQ(Application->MainForm(), nullptr);
        Application->SetExceptionReport(nullptr);
        EXPECT_EQ(Screen->FormCount(), FormsBefore) << "a window was left behind";
        EXPECT_EQ(Reports, std::vector<std::string>{}) << "exceptions escaped to the application";
    }

    int FormsBefore = 0;
    std::vector<std::string> Reports;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(MainFormTest, TheWindowIsSetUpAsStored)
{
    EXPECT_EQ(Form->Name(), "MainForm");
    EXPECT_EQ(Form->Caption(), "Setup");
    EXPECT_EQ(Form->Color(), clWhite);
    EXPECT_EQ(ColorToRGB(Form->Color()), RGB(255, 255, 255));
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    EXPECT_EQ(Form->Position(), poScreenCenter);
    EXPECT_EQ(Form->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(Form->Font().Height(), -11);
    EXPECT_EQ(Form->Font().Color(), clWindowText);
    EXPECT_TRUE(Form->Font().Style().Empty());
    EXPECT_EQ(Form->Menu(), Form->MainMenu1);
    EXPECT_FALSE(Form->Visible()) << "shown by the message loop, not by loading";
    EXPECT_FALSE(Form->ComponentState().Contains(csLoading));
}

TEST_F(MainFormTest, TheMenuHasFileAndHelpWithTheirCommands)
{
    TMenuItem* Root = Form->MainMenu1->Items();
    ASSERT_EQ(Root->Count(), 2);
    EXPECT_EQ(Root->Items(0), Form->File1);
    EXPECT_EQ(Root->Items(1), Form->Help1);
    EXPECT_EQ(Form->File1->Caption(), "&File");
    EXPECT_EQ(Form->Help1->Caption(), "&Help");

    ASSERT_EQ(Form->File1->Count(), 1);
    EXPECT_EQ(Form->File1->Items(0), Form->Exit2);
    EXPECT_EQ(Form->Exit2->Caption(), "&Exit");

    ASSERT_EQ(Form->Help1->Count(), 2);
    EXPECT_EQ(Form->Help1->Items(0), Form->Howtousethisprogram1);
    EXPECT_EQ(Form->Help1->Items(1), Form->TechnicalSupport1);
    EXPECT_EQ(Form->Howtousethisprogram1->Caption(), "H&ow to use this program");
    EXPECT_EQ(Form->TechnicalSupport1->Caption(), "&Technical Support");

    EXPECT_FALSE(Form->File1->OnClick);
    EXPECT_FALSE(Form->Help1->OnClick);
    EXPECT_TRUE(Form->Exit2->OnClick);
    EXPECT_TRUE(Form->Howtousethisprogram1->OnClick);
    EXPECT_TRUE(Form->TechnicalSupport1->OnClick);
}

TEST_F(MainFormTest, TheBoardImageHoldsThePhotographAtItsStoredPlace)
{
    setup::TBoardImage* Image = Form->BoardImage1;
    EXPECT_EQ(Image->Parent(), Form.get());
    EXPECT_EQ(Image->BoundsRect(), Bounds(166, 130, 600, 414));
    ASSERT_NE(Image->Picture().Graphic(), nullptr);
    EXPECT_EQ(Image->Picture().Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(Image->Picture().Width(), 600);
    EXPECT_EQ(Image->Picture().Height(), 414);
    EXPECT_FALSE(Image->AutoSize());
    EXPECT_TRUE(Image->Stretch());
    EXPECT_FALSE(Image->Center());
    EXPECT_FALSE(Image->Transparent());
    EXPECT_TRUE(Image->CenterOnForm());
    EXPECT_TRUE(Image->Scale());
    EXPECT_EQ(Image->Menu(), Form->MainMenu1) << "bound although the menu comes later in the layout";
    EXPECT_DOUBLE_EQ(Image->AspectRatio(), 414.0 / 600.0);
    EXPECT_TRUE(Image->ControlStyle().Contains(csOpaque));
    EXPECT_EQ(Image->PictureRect(), Bounds(0, 0, 600, 414));
}

TEST_F(MainFormTest, TheWindowOwnsEveryComponentOfItsLayout)
{
    const std::vector<TComponent*> Fields{
        Form->MainMenu1,         Form->File1,      Form->Help1, Form->Howtousethisprogram1, Form->Exit2,
        Form->TechnicalSupport1, Form->BoardImage1};
    for (TComponent* Field : Fields) {
        ASSERT_NE(Field, nullptr);
        EXPECT_EQ(Field->Owner(), Form.get()) << Field->Name();
    }
}

TEST_F(MainFormTest, TheLayoutWasMadeForTheFontsActualTextHeight)
{
    // With another text height loading rightly scales everything, and the stored
    // sizes the other tests expect no longer hold: this tells why they fail.
    TCanvas Measure;
    Measure.Font.Assign(Form->Font());
    EXPECT_EQ(Form->DesignTextHeight(), 13);
    EXPECT_EQ(Measure.TextHeight("0"), 13) << "the form font falls back to another face here";
}

TEST_F(MainFormTest, PaintingTheBoardImageKeepsTheStoredPositionAndCentresIt)
{
    setup::TBoardImage* Image = Form->BoardImage1;

    Image->PaintWindow();

    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 130);
    EXPECT_EQ(Image->Left(), (Form->Width() - 600) / 2);
    EXPECT_EQ(Image->Top(), (Form->Height() - 414) / 2);
}

TEST_F(MainFormTest, ShownTheBoardImageCentresOnTheWindowsOuterSize)
{
    setup::TBoardImage* Image = Form->BoardImage1;

    Form->Show();
    ASSERT_TRUE(PumpUntil([Image] { return Image->DesignPosRecorded(); }))
        << "the board image was never painted";
    PumpUntil([&] { return Image->Left() == (Form->Width() - 600) / 2; });

    EXPECT_EQ(Image->DesignLeft(), 166);
    EXPECT_EQ(Image->DesignTop(), 130);
    EXPECT_LT(Form->ClientHeight(), Form->Height()) << "the menu bar takes room";
    EXPECT_EQ(Image->Left(), (Form->Width() - 600) / 2);
    EXPECT_EQ(Image->Top(), (Form->Height() - 414) / 2);
    Form->Hide();
}

TEST_F(MainFormTest, ExitEndsTheProgram)
{
    Form->Exit2->Click();

    EXPECT_TRUE(Application->Terminated());
}

} // namespace
