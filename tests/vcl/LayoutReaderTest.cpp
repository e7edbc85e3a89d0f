#include "vcl/LayoutReader.h"

#include "vcl/Canvas.h"
#include "vcl/ClassRegistry.h"
#include "vcl/CustomPanel.h"
#include "vcl/Exceptions.h"
#include "vcl/Form.h"
#include "vcl/LayoutProperties.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vcl {
namespace {

std::vector<std::string>& ReaderLog()
{
    static std::vector<std::string> Log;
    return Log;
}

// Logs every value the reader gives it, and what it sees when loading ends.
class TLayoutProbe : public TComponent
{
public:
    explicit TLayoutProbe(TComponent* AOwner) : TComponent(AOwner) {}
    std::string ClassName() const override { return "TLayoutProbe"; }

    int Count() const { return FCount; }
    void SetCount(int Value)
    {
        FCount = Value;
        Note("Count=" + std::to_string(Value));
    }
    const std::string& Label() const { return FLabel; }
    void SetLabel(const std::string& Value)
    {
        FLabel = Value;
        Note("Label=" + Value);
    }
    bool Flag() const { return FFlag; }
    void SetFlag(bool Value) { FFlag = Value; }
    TLayoutProbe* Partner() const { return FPartner; }
    void SetPartner(TLayoutProbe* Value)
    {
        FPartner = Value;
        Note("Partner=" + (Value ? Value->Name() : std::string("none")));
    }
    TNotifyEvent OnPing;

    bool PartnerBoundWhenLoaded = false;

protected:
    void Loaded() override
    {
        PartnerBoundWhenLoaded = FPartner != nullptr;
        Note(ComponentState().Contains(csLoading) ? "Loaded while loading" : "Loaded");
    }

private:
    void Note(const std::string& What) { ReaderLog().push_back(Name() + "." + What); }

    int FCount = 7; // differs from the stored default 0, so an omitted Count keeps 7
    std::string FLabel;
    bool FFlag = false;
    TLayoutProbe* FPartner = nullptr;
};

class TLayoutRoot : public TComponent
{
public:
    TLayoutRoot() : TComponent(nullptr) {}
    std::string ClassName() const override { return "TLayoutRoot"; }
};

class TProbePanel : public TCustomPanel
{
public:
    explicit TProbePanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
    std::string ClassName() const override { return "TProbePanel"; }
};

class LayoutReaderTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RegisterClass({"TLayoutRoot", "TComponent", nullptr, {}});
        RegisterClass(
            {"TLayoutProbe",
             "TComponent",
             [](TComponent* Owner) { return new TLayoutProbe(Owner); },
             {
                 {"Count", IntProperty(&TLayoutProbe::SetCount)},
                 {"Label", StringProperty(&TLayoutProbe::SetLabel)},
                 {"Flag", BoolProperty(&TLayoutProbe::SetFlag)},
                 {"Partner", ReferenceProperty<TLayoutProbe, TLayoutProbe>(&TLayoutProbe::SetPartner)},
                 {"OnPing", EventProperty(&TLayoutProbe::OnPing)},
             }});
        RegisterClass(
            {"TProbePanel", "TCustomPanel", [](TComponent* Owner) { return new TProbePanel(Owner); }, {}});
    }
    void SetUp() override { ReaderLog().clear(); }

    void Read(TComponent& Root, std::string_view Text)
    {
        TLayoutReader Reader(Root, [this](const std::string& Name) -> TNotifyEvent {
            if (Name == "PingHandler")
                return [this](TObject*) { ++Pings; };
            return {};
        });
        Reader.Read(Text);
    }

    template <class T>
    static T* Find(const TComponent& Root, const char* Name)
    {
        auto* Found = dynamic_cast<T*>(Root.FindComponent(Name));
        EXPECT_NE(Found, nullptr) << Name;
        return Found;
    }

    int Pings = 0;
};

TEST_F(LayoutReaderTest, CreatesInListedOrderAppliesValuesInOrderAndBindsReferencesBeforeLoadingEnds)
{
    TLayoutRoot Root;
    Read(Root, R"(object Root: TLayoutRoot
  object First: TLayoutProbe
    Partner = Second
    Count = 1
    Label = 'it''s one'
    OnPing = PingHandler
  end
  object Second: TLayoutProbe
    Label = 'two'
  end
end)");

    ASSERT_EQ(Root.ComponentCount(), 2);
    EXPECT_EQ(Root.Components()[0]->Name(), "First");
    EXPECT_EQ(Root.Components()[1]->Name(), "Second");
    EXPECT_EQ(ReaderLog(),
              (std::vector<std::string>{"First.Count=1", "First.Label=it's one", "Second.Label=two",
                                        "First.Partner=Second", "First.Loaded", "Second.Loaded"}));
    auto* First = Find<TLayoutProbe>(Root, "First");
    auto* Second = Find<TLayoutProbe>(Root, "Second");
    ASSERT_TRUE(First && Second);
    EXPECT_EQ(First->Partner(), Second);
    EXPECT_TRUE(First->PartnerBoundWhenLoaded);
    ASSERT_TRUE(First->OnPing);
    First->OnPing(First);
    EXPECT_EQ(Pings, 1);
    EXPECT_FALSE(Root.ComponentState().Contains(csLoading));
}

TEST_F(LayoutReaderTest, AnOmittedPropertyKeepsTheConstructorsValue)
{
    TLayoutRoot Root;
    Read(Root, R"(object Root: TLayoutRoot
  object Given: TLayoutProbe
    Count = 0
  end
  object Omitted: TLayoutProbe
  end
end)");

    auto* Given = Find<TLayoutProbe>(Root, "Given");
    auto* Omitted = Find<TLayoutProbe>(Root, "Omitted");
    ASSERT_TRUE(Given && Omitted);
    EXPECT_EQ(Given->Count(), 0);
    EXPECT_EQ(Omitted->Count(), 7);
}

TEST_F(LayoutReaderTest, NestedObjectsBecomeChildrenOfTheEnclosingWindowAndAreOwnedByTheRoot)
{
    TForm Form(nullptr);
    Read(Form, R"(object Form1: TForm
  object Outer: TProbePanel
    object Inner: TProbePanel
    end
  end
  object Beside: TProbePanel
  end
end)");

    auto* Outer = Find<TProbePanel>(Form, "Outer");
    auto* Inner = Find<TProbePanel>(Form, "Inner");
    ASSERT_TRUE(Outer && Inner);
    EXPECT_EQ(Form.Name(), "Form1");
    EXPECT_EQ(Outer->Parent(), &Form);
    EXPECT_EQ(Inner->Parent(), Outer);
    EXPECT_EQ(Inner->Owner(), &Form);
    ASSERT_EQ(Form.ControlCount(), 2);
    EXPECT_EQ(Form.Controls()[1]->Name(), "Beside");
}

struct TMalformedCase
{
    const char* Label;
    const char* Text;
    int Line;
    const char* Fragment;
};

class MalformedLayoutTest : public LayoutReaderTest, public testing::WithParamInterface<TMalformedCase>
{};

TEST_P(MalformedLayoutTest, FailsWithTheLineOfTheFault)
{
    const TMalformedCase& Case = GetParam();
    TLayoutRoot Root;
    try {
        Read(Root, Case.Text);
        ADD_FAILURE() << "the layout was accepted";
    } catch (const ELayoutError& E) {
        const std::string Message = E.Message();
        EXPECT_EQ(Message.rfind("Layout line " + std::to_string(Case.Line) + ": ", 0), 0u) << Message;
        EXPECT_NE(Message.find(Case.Fragment), std::string::npos) << Message;
    }
    // Whatever was created before the fault is owned by the root and goes with it.
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedLayoutTest,
    testing::Values(
        TMalformedCase{"EmptyText", "", 1, "expected 'object'"},
        TMalformedCase{"NotAnObject", "thing Root: TLayoutRoot\nend", 1, "expected 'object'"},
        TMalformedCase{"WrongRootClass", "object Root: TForm\nend", 1, "TForm"},
        TMalformedCase{"UnknownClass", "object Root: TLayoutRoot\n  object A: TNoSuchClass\n  end\nend", 2,
                       "unknown class TNoSuchClass"},
        TMalformedCase{"UnknownProperty",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Colour = 3\n  end\nend", 3,
                       "Colour"},
        TMalformedCase{"StringForANumber",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Count = 'three'\n  end\nend",
                       3, "expected a number"},
        TMalformedCase{
            "NumberOutOfRange",
            "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Count = 99999999999\n  end\nend", 3,
            "out of range"},
        TMalformedCase{"InvalidBoolean",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Flag = Maybe\n  end\nend", 3,
                       "Maybe"},
        TMalformedCase{"MissingEquals",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Count 3\n  end\nend", 3,
                       "'='"},
        TMalformedCase{"UnterminatedString",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Label = 'abc\n  end\nend", 3,
                       "unterminated string"},
        TMalformedCase{"CharacterCodeOutOfRange",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Label = #300\n  end\nend", 3,
                       "out of range"},
        TMalformedCase{"UnexpectedCharacter",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Count = 3;\n  end\nend", 3,
                       "';'"},
        TMalformedCase{
            "DuplicateName",
            "object Root: TLayoutRoot\n  object A: TLayoutProbe\n  end\n  object a: TLayoutProbe\n  end\nend",
            4, "already exists"},
        TMalformedCase{"DanglingReference",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Partner = Nobody\n  end\nend",
                       3, "Nobody"},
        TMalformedCase{"ReferenceOfTheWrongClass",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    Partner = Menu1\n  end\n"
                       "  object Menu1: TMainMenu\n  end\nend",
                       3, "Menu1"},
        TMalformedCase{"UnknownHandler",
                       "object Root: TLayoutRoot\n  object A: TLayoutProbe\n    OnPing = Nowhere\n  end\nend",
                       3, "Nowhere"},
        TMalformedCase{"MissingEnd", "object Root: TLayoutRoot\n  object A: TLayoutProbe\n  end", 3,
                       "missing 'end'"},
        TMalformedCase{"TextAfterTheLastEnd", "object Root: TLayoutRoot\nend\nend", 3,
                       "after the last 'end'"}),
    [](const testing::TestParamInfo<TMalformedCase>& Info) { return Info.param.Label; });

TEST_F(LayoutReaderTest, EveryTruncationOfAValidLayoutIsALayoutError)
{
    const std::string Text = R"(object Root: TLayoutRoot
  object First: TLayoutProbe
    Partner = Second
    Count = 12
    Label = 'a'#39'b'
    Flag = True
  end
  object Second: TLayoutProbe
  end
end)";
    const size_t LastEnd = Text.rfind("end");
    for (size_t Length = 0; Length <= LastEnd + 2; ++Length) {
        TLayoutRoot Root;
        EXPECT_THROW(Read(Root, std::string_view(Text).substr(0, Length)), ELayoutError)
            << "first " << Length;
    }
    TLayoutRoot Root;
    EXPECT_NO_THROW(Read(Root, Text));
}

class LayoutScalingTest : public LayoutReaderTest
{
protected:
    // The text height of the form's font as the platform measures it.
    static int ActualTextHeight(const TForm& Form)
    {
        TCanvas Measure;
        Measure.Font.Assign(Form.Font());
        return Measure.TextHeight("0");
    }

    static std::string Layout(int DesignTextHeight)
    {
        // Every value a multiple of 26, so a scaled value is exact.
        return R"(object Form1: TForm
  ClientWidth = 520
  ClientHeight = 390
  TextHeight = )" +
               std::to_string(DesignTextHeight) +
               R"(
  object Outer: TProbePanel
    Left = 52
    Top = 26
    Width = 260
    Height = 130
    object Inner: TProbePanel
      Left = 26
      Top = 78
      Width = 104
      Height = 52
    end
  end
end)";
    }
};

TEST_F(LayoutScalingTest, ADifferentTextHeightScalesEveryPositionAndSizeTogether)
{
    TForm Form(nullptr);
    const int Actual = ActualTextHeight(Form);
    ASSERT_GT(Actual, 0);
    ASSERT_NE(Actual, 26) << "the scaling would not show";

    Read(Form, Layout(26));

    // A stored value of Units * 26 becomes Units * Actual.
    auto Scaled = [Actual](int Units) { return Units * Actual; };
    auto* Outer = Find<TProbePanel>(Form, "Outer");
    auto* Inner = Find<TProbePanel>(Form, "Inner");
    ASSERT_TRUE(Outer && Inner);
    EXPECT_EQ(Form.ClientWidth(), Scaled(20));
    EXPECT_EQ(Form.ClientHeight(), Scaled(15));
    EXPECT_EQ(Outer->BoundsRect(), Bounds(Scaled(2), Scaled(1), Scaled(10), Scaled(5)));
    EXPECT_EQ(Inner->BoundsRect(), Bounds(Scaled(1), Scaled(3), Scaled(4), Scaled(2)))
        << "children of a scaled window are scaled with it";
}

TEST_F(LayoutScalingTest, TheMatchingTextHeightLeavesTheLayoutAsStored)
{
    TForm Form(nullptr);

    Read(Form, Layout(ActualTextHeight(Form)));

    auto* Outer = Find<TProbePanel>(Form, "Outer");
    auto* Inner = Find<TProbePanel>(Form, "Inner");
    ASSERT_TRUE(Outer && Inner);
    EXPECT_EQ(Form.ClientWidth(), 520);
    EXPECT_EQ(Outer->BoundsRect(), Bounds(52, 26, 260, 130));
    EXPECT_EQ(Inner->BoundsRect(), Bounds(26, 78, 104, 52));
}

} // namespace
} // namespace vcl
