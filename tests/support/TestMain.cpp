#include "setup_controls/SetupCtrls.h"
#include "vcl/Application.h"
#include "vcl/ClassLibrary.h"
#include "vcl/Dialogs.h"
#include "vcl/qt/QtSession.h"

#include <gtest/gtest.h>

namespace {

// A modal box would wait for a user who is not there; one nobody expected is a fault.
class NoUnexpectedDialogs : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo&) override
    {
        vcl::SetMessageBoxHook([](const std::string& Text, const std::string& Caption, unsigned) {
            ADD_FAILURE() << "unexpected message box \"" << Caption << "\": " << Text;
            return vcl::IDCANCEL;
        });
        vcl::Application->SetExceptionReport(
            [](const std::string& Message) { ADD_FAILURE() << "unexpected exception report: " << Message; });
    }
};

} // namespace

// Every GUI test runs inside one Qt session with the class library ready.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    vcl::qt::TQtSession Session(argc, argv);
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    testing::UnitTest::GetInstance()->listeners().Append(new NoUnexpectedDialogs);
    return RUN_ALL_TESTS();
}
