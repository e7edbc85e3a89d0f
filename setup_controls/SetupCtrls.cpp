#include "setup_controls/SetupCtrls.h"

#include "setup_controls/BoardHighlight.h"

#include "setup_controls/JumperRegistration.h"
#include "vcl/Application.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Exceptions.h"
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
                       // The photograph is named by its resource. A damaged one is reported
                       // and the window goes on without it: its menus and popups still serve.
                       {"Picture",
                        [](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                            const std::string Name = LayoutString(V, R);
                            try {
                                dynamic_cast<TBoardImage&>(T).Picture().LoadFromResource(Name);
                            } catch (const EInvalidGraphic& E) {
                                Application->ShowException("The card photograph " + Name +
                                                           " cannot be shown: " + E.Message());
                            }
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
