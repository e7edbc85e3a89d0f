#include "setup_controls/JumperRegistration.h"

#include "setup_controls/RadioPanel.h"
#include "setup_controls/TwoJumper.h"
#include "vcl/ClassRegistry.h"
#include "vcl/LayoutProperties.h"

namespace setup {

using namespace vcl;

namespace {

void RegisterRadioPanel()
{
    RegisterClass({"TRadioPanel",
                   "TCustomPanel",
                   [](TComponent* Owner) { return new TRadioPanel(Owner); },
                   {
                       {"RadioEnabled", BoolProperty(&TRadioPanel::SetRadioEnabled)},
                       {"Lines.Strings",
                        [](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                            if (V.Kind != TLayoutValue::List)
                                R.Fail(V.Line, "expected a list of strings");
                            dynamic_cast<TRadioPanel&>(T).SetLines(V.Items);
                        }},
                       {"MemoHeight", IntProperty(&TRadioPanel::SetMemoHeight)},
                       {"FinalAnchors", AnchorsProperty(&TRadioPanel::SetFinalAnchors)},
                       {"OnRadioChange", EventProperty(&TRadioPanel::OnRadioChange)},
                       {"OnActivate", EventProperty(&TRadioPanel::OnActivate)},
                       {"OnDeactivate", EventProperty(&TRadioPanel::OnDeactivate)},
                   }});
}

void RegisterTwoJumper()
{
    RegisterClass(
        {"TTwoJumper",
         "TControl",
         [](TComponent* Owner) { return new TTwoJumper(Owner); },
         {
             {"Closed", BoolProperty(&TTwoJumper::SetClosed)},
             {"BaseColor", ColorProperty(&TTwoJumper::SetBaseColor)},
             {"PinColor", ColorProperty(&TTwoJumper::SetPinColor)},
             {"JumperColor", ColorProperty(&TTwoJumper::SetJumperColor)},
             {"Orientation",
              EnumProperty<TTwoJumper, TOrientationType>(
                  &TTwoJumper::SetOrientation,
                  {{"otUp", otUp}, {"otDown", otDown}, {"otLeft", otLeft}, {"otRight", otRight}})},
             {"BorderStyle", EnumProperty<TTwoJumper, TBorderStyle>(
                                 &TTwoJumper::SetBorderStyle, {{"bsNone", bsNone}, {"bsSingle", bsSingle}})},
         }});
}

} // namespace

void RegisterJumperControls()
{
    RegisterRadioPanel();
    RegisterTwoJumper();
}

} // namespace setup
