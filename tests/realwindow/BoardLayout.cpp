#include "BoardLayout.h"

#include "Report.h"

#include "MainForm.h"
#include "setup_controls/SetupCtrls.h"
#include "vcl/ClassLibrary.h"
#include "vcl/Control.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace realwindow {

TBoardLayout ReadBoardLayout()
{
    vcl::InitializeClassLibrary();
    setup::RegisterSetupControls();
    RegisterAppResources();
    TMainForm Form(nullptr);
    TBoardLayout Layout{Form.ClockHighlight->BoundsRect(), Form.TermHighlight->BoundsRect(), {}};
    for (vcl::TControl* Control : Form.BoardImage1->Controls())
        Layout.ControlsOnPhoto.push_back(Control->BoundsRect());
    return Layout;
}

void DecodePhoto(const std::string& Path, vcl::TJPEGImage& Photo)
{
    std::ifstream File(Path, std::ios::binary);
    const std::vector<uint8_t> Data{std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
    Require(!Data.empty(), "cannot read the photograph " + Path);
    Photo.LoadFromBytes(Data);
}

} // namespace realwindow
