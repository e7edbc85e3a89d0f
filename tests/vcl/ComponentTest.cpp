#include "vcl/Component.h"

#include "vcl/CustomPanel.h"
#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vcl {
namespace {

// Writes its name into a shared log when it goes, and keeps one plain reference
// that the removal notification must clear.
class TProbe : public TComponent
{
public:
    TProbe(TComponent* AOwner, const std::string& AName, std::vector<std::string>& Log)
        : TComponent(AOwner), FLog(Log)
    {
        SetName(AName);
    }
    ~TProbe() override { FLog.push_back(Name()); }

    TComponent* Partner() const { return FPartner; }
    void SetPartner(TComponent* Value)
    {
        if (FPartner)
            FPartner->RemoveFreeNotification(this);
        FPartner = Value;
        if (FPartner)
            FPartner->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FPartner)
            FPartner = nullptr;
    }

private:
    std::vector<std::string>& FLog;
    TComponent* FPartner = nullptr;
};

class ComponentTest : public testing::Test
{
protected:
    std::vector<std::string> Freed;
};

TEST_F(ComponentTest, DestroyingTheOwnerFreesTheWholeTreeLastFirst)
{
    auto* Root = new TProbe(nullptr, "Root", Freed);
    auto* First = new TProbe(Root, "First", Freed);
    new TProbe(First, "Grandchild", Freed);
    new TProbe(Root, "Second", Freed);
    ASSERT_EQ(Root->ComponentCount(), 2);
    ASSERT_EQ(First->Owner(), Root);

    delete Root;

    EXPECT_EQ(Freed, (std::vector<std::string>{"Root", "Second", "First", "Grandchild"}))
        << "the log is written by the probe's own destructor, before the base frees what it owns";
}

TEST_F(ComponentTest, AComponentFreedOnItsOwnLeavesItsOwner)
{
    TProbe Root(nullptr, "Root", Freed);
    auto* Child = new TProbe(&Root, "Child", Freed);
    new TProbe(&Root, "Other", Freed);

    delete Child;

    ASSERT_EQ(Root.ComponentCount(), 1);
    EXPECT_EQ(Root.Components()[0]->Name(), "Other");
    EXPECT_EQ(Root.FindComponent("Child"), nullptr);
}

TEST_F(ComponentTest, AWindowDestroysItsChildControlsWhoeverOwnsThem)
{
    TProbe Owner(nullptr, "Owner", Freed);
    auto* Window = new TCustomPanel(nullptr);
    auto* Child = new TCustomPanel(&Owner);
    Child->SetName("Child");
    Child->SetParent(Window);

    delete Window;

    EXPECT_EQ(Owner.ComponentCount(), 0);
    EXPECT_EQ(Owner.FindComponent("Child"), nullptr);
}

TEST_F(ComponentTest, FreeingTheOwnerTakesAChildControlOutOfItsWindow)
{
    TCustomPanel Window(nullptr);
    auto* Owner = new TProbe(nullptr, "Owner", Freed);
    auto* Child = new TCustomPanel(Owner);
    Child->SetParent(&Window);
    ASSERT_EQ(Window.ControlCount(), 1);

    delete Owner;

    EXPECT_EQ(Window.ControlCount(), 0);
}

struct TNameClashCase
{
    const char* Label;
    const char* Taken;
    const char* Wanted;
    bool Clashes;
};

class ComponentNameTest : public testing::TestWithParam<TNameClashCase>
{};

TEST_P(ComponentNameTest, NamesAreUniqueWithinTheOwnerRegardlessOfCase)
{
    const TNameClashCase& Case = GetParam();
    TComponent Owner(nullptr);
    TComponent Holder(&Owner);
    Holder.SetName(Case.Taken);
    TComponent Newcomer(&Owner);

    if (Case.Clashes) {
        EXPECT_THROW(Newcomer.SetName(Case.Wanted), EComponentError);
        EXPECT_EQ(Newcomer.Name(), "") << "a refused name is not kept";
    } else {
        EXPECT_NO_THROW(Newcomer.SetName(Case.Wanted));
        EXPECT_EQ(Newcomer.Name(), Case.Wanted);
    }
    if (*Case.Taken) {
        EXPECT_EQ(Owner.FindComponent(Case.Taken), &Holder);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ComponentNameTest,
                         testing::Values(TNameClashCase{"SameName", "Button1", "Button1", true},
                                         TNameClashCase{"OtherCase", "Button1", "BUTTON1", true},
                                         TNameClashCase{"DifferentName", "Button1", "Button2", false},
                                         TNameClashCase{"BothUnnamed", "", "", false}),
                         [](const testing::TestParamInfo<TNameClashCase>& Info) { return Info.param.Label; });

TEST_F(ComponentTest, TheSameNameIsFreeUnderAnotherOwnerAndForTheHolderItself)
{
    TComponent FirstOwner(nullptr), SecondOwner(nullptr);
    TComponent A(&FirstOwner), B(&SecondOwner);
    A.SetName("Panel1");

    EXPECT_NO_THROW(B.SetName("Panel1"));
    EXPECT_NO_THROW(A.SetName("PANEL1")) << "renaming to another spelling of its own name";
    EXPECT_EQ(A.Name(), "PANEL1");
}

TEST_F(ComponentTest, AnInvalidIdentifierIsRefused)
{
    TComponent Component(nullptr);
    for (const char* Bad : {"1Panel", "Panel 1", "Panel-1", "&File"}) {
        EXPECT_THROW(Component.SetName(Bad), EComponentError) << Bad;
        EXPECT_EQ(Component.Name(), "") << Bad;
    }
}

TEST_F(ComponentTest, AReferenceToAnotherOwnersComponentIsClearedWhenItIsFreed)
{
    TProbe Holder(nullptr, "Holder", Freed);
    auto* Target = new TProbe(nullptr, "Target", Freed);
    Holder.SetPartner(Target);

    delete Target;

    EXPECT_EQ(Holder.Partner(), nullptr);
}

TEST_F(ComponentTest, AReferenceToASiblingIsClearedWhenTheOwnerFreesItFirst)
{
    auto* Owner = new TProbe(nullptr, "Owner", Freed);
    auto* Early = new TProbe(Owner, "Early", Freed);
    auto* Late = new TProbe(Owner, "Late", Freed);
    Early->SetPartner(Late);
    Late->SetPartner(Early);

    // Late goes first and Early must not keep a dangling reference to it.
    delete Owner;

    EXPECT_EQ(Freed, (std::vector<std::string>{"Owner", "Late", "Early"}));
}

TEST_F(ComponentTest, AHolderFreedFirstLeavesNoLinkBehind)
{
    auto* Target = new TProbe(nullptr, "Target", Freed);
    auto* Holder = new TProbe(nullptr, "Holder", Freed);
    Holder->SetPartner(Target);

    delete Holder;
    // A link left in Target would notify freed memory here (the sanitizer build reports it).
    delete Target;

    EXPECT_EQ(Freed, (std::vector<std::string>{"Holder", "Target"}));
}

TEST_F(ComponentTest, AFormFreesTheMenuItOwnsWithItsItems)
{
    const int FormsBefore = Screen->FormCount();
    auto* Form = new TForm(nullptr);
    auto* Menu = new TMainMenu(Form);
    auto* File = new TMenuItem(Form);
    Menu->Items()->Add(File);
    File->Add(new TMenuItem(Form));
    Form->SetMenu(Menu);

    // The items go first and report to their menu, which must not pass that on to
    // the half-destroyed form (the sanitizer build catches the call).
    delete Form;

    EXPECT_EQ(Screen->FormCount(), FormsBefore);
}

TEST_F(ComponentTest, AFormLosesItsMenuWhenTheMenuIsFreed)
{
    TForm Form(nullptr);
    auto* Menu = new TMainMenu(nullptr);
    Form.SetMenu(Menu);
    ASSERT_EQ(Form.Menu(), Menu);

    delete Menu;

    EXPECT_EQ(Form.Menu(), nullptr);
}

} // namespace
} // namespace vcl
