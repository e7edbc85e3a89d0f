#include "setup_controls/SetupCtrls.h"

#include "setup_controls/BoardHighlight.h"

#include "setup_controls/JumperRegistration.h"
#include "vcl/ClassRegistry.h"
#include "vcl/LayoutProperties.h"

namespace setup {

using namespace vcl;

namespace {

void RegisterBoardImage()
{
    RegisterClass({"TBoardImage",
                   "TCustomPanel",
                   [](TComponent* Owner) { return new TBoardImage(Owner); },
                   {
                       {"First", ReferenceProperty<TBoardImage, TBoardHighlight>(&TBoardImage::SetFirst)},
                       {"Menu", ReferenceProperty<TBoardImage, TMainMenu>(&TBoardImage::SetMenu)},
                       {"CenterOnForm", BoolProperty(&TBoardImage::SetCenterOnForm)},
                       {"Scale", BoolProperty(&TBoardImage::SetScale)},
                       {"AutoSize", BoolProperty(&TBoardImage::SetAutoSize)},
                       {"Center", BoolProperty(&TBoardImage::SetCenter)},
                       {"Stretch", BoolProperty(&TBoardImage::SetStretch)},
                       {"Transparent", BoolProperty(&TBoardImage::SetTransparent)},
                       // The photograph is named by its resource.
                       {"Picture",
                        [](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                            dynamic_cast<TBoardImage&>(T).Picture().LoadFromResource(LayoutString(V, R));
                        }},
                   }});
}

} // namespace

void RegisterSetupControls()
{
    RegisterBoardImage();
    RegisterBoardHighlight();
    RegisterJumperControls();
    RegisterSetupSupporter();
}

} // namespace setup
