#include "MainForm.h"

#include "setup_controls/SetupCtrls.h"
#include "vcl/ClassLibrary.h"
#include "vcl/qt/QtSession.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

// Every benchmark runs inside one Qt session with the class library and the
// program's resources ready, as the program itself starts.
int main(int argc, char** argv)
{
    // Timings must not depend on a display being there.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    vcl::qt::TQtSession Session(argc, argv);
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    RegisterAppResources();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
