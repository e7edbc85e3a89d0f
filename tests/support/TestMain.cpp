#include "setup_controls/SetupCtrls.h"
#include "vcl/ClassLibrary.h"
#include "vcl/qt/QtSession.h"

#include <gtest/gtest.h>

// Every GUI test runs inside one Qt session with the class library ready.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    vcl::qt::TQtSession Session(argc, argv);
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    return RUN_ALL_TESTS();
}
