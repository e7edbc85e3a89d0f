#include "vcl/ClassLibrary.h"

#include "vcl/Button.h"
#include "vcl/CheckBox.h"
#include "vcl/ClassRegistry.h"
#include "vcl/ComboBox.h"
#include "vcl/CustomPanel.h"
#include "vcl/Form.h"
#include "vcl/JpegImage.h"
#include "vcl/Label.h"
#include "vcl/LayoutProperties.h"
#include "vcl/Memo.h"
#include "vcl/Menus.h"
#include "vcl/Picture.h"
#include "vcl/RadioButton.h"
#include "vcl/StatusBar.h"

namespace vcl {
namespace {

TFontStyles LayoutFontStyles(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind != TLayoutValue::Set)
        Reader.Fail(Value.Line, "expected a set of font styles");
    TFontStyles Styles;
    for (const std::string& Item : Value.Items) {
        TLayoutValue Member{TLayoutValue::Ident, 0, Item, {}, Value.Line};
        Styles.Include(LayoutEnum<TFontStyle>(Member, Reader,
                                              {{"fsBold", fsBold},
                                               {"fsItalic", fsItalic},
                                               {"fsUnderline", fsUnderline},
                                               {"fsStrikeOut", fsStrikeOut}}));
    }
    return Styles;
}

template <class V>
TPropertySetter FontProperty(void (TFont::*Setter)(V),
                             V (*Convert)(const TLayoutValue&, const TLayoutReader&))
{
    return [Setter, Convert](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        (dynamic_cast<TControl&>(Target).Font().*Setter)(Convert(Value, Reader));
    };
}

void RegisterControls()
{
    RegisterClass({"TComponent", "", nullptr, {}});
    RegisterClass(
        {"TControl",
         "TComponent",
         nullptr,
         {
             {"Left", IntProperty(&TControl::SetLeft)},
             {"Top", IntProperty(&TControl::SetTop)},
             {"Width", IntProperty(&TControl::SetWidth)},
             {"Height", IntProperty(&TControl::SetHeight)},
             {"Visible", BoolProperty(&TControl::SetVisible)},
             {"Enabled", BoolProperty(&TControl::SetEnabled)},
             {"Color", ColorProperty(&TControl::SetColor)},
             {"ParentColor", BoolProperty(&TControl::SetParentColor)},
             {"ParentFont", BoolProperty(&TControl::SetParentFont)},
             {"Font.Name",
              [](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                  dynamic_cast<TControl&>(T).Font().SetName(LayoutString(V, R));
              }},
             {"Font.Height", FontProperty<int>(&TFont::SetHeight, LayoutInt)},
             {"Font.Color", FontProperty<TColor>(&TFont::SetColor, LayoutColor)},
             {"Font.Style", FontProperty<TFontStyles>(&TFont::SetStyle, LayoutFontStyles)},
             {"Anchors", AnchorsProperty(&TControl::SetAnchors)},
             {"Align", EnumProperty<TControl, TAlign>(&TControl::SetAlign, {{"alNone", alNone},
                                                                            {"alTop", alTop},
                                                                            {"alBottom", alBottom},
                                                                            {"alLeft", alLeft},
                                                                            {"alRight", alRight},
                                                                            {"alClient", alClient}})},
             {"Caption", [](TComponent& T, const TLayoutValue& V,
                            TLayoutReader& R) { dynamic_cast<TControl&>(T).SetText(LayoutString(V, R)); }},
             {"OnClick", EventProperty(&TControl::OnClick)},
             {"OnDblClick", EventProperty(&TControl::OnDblClick)},
         }});
    RegisterClass({"TWinControl",
                   "TControl",
                   nullptr,
                   {
                       {"TabOrder", IntProperty(&TWinControl::SetTabOrder)},
                       {"TabStop", BoolProperty(&TWinControl::SetTabStop)},
                       {"OnEnter", EventProperty(&TWinControl::OnEnter)},
                       {"OnExit", EventProperty(&TWinControl::OnExit)},
                   }});
    RegisterClass({"TCustomPanel",
                   "TWinControl",
                   nullptr,
                   {
                       {"BevelOuter", EnumProperty<TCustomPanel, TBevelCut>(&TCustomPanel::SetBevelOuter,
                                                                            {{"bvNone", bvNone},
                                                                             {"bvLowered", bvLowered},
                                                                             {"bvRaised", bvRaised},
                                                                             {"bvSpace", bvSpace}})},
                       {"BevelInner", EnumProperty<TCustomPanel, TBevelCut>(&TCustomPanel::SetBevelInner,
                                                                            {{"bvNone", bvNone},
                                                                             {"bvLowered", bvLowered},
                                                                             {"bvRaised", bvRaised},
                                                                             {"bvSpace", bvSpace}})},
                       {"BevelWidth", IntProperty(&TCustomPanel::SetBevelWidth)},
                       {"BorderWidth", IntProperty(&TCustomPanel::SetBorderWidth)},
                       {"BorderStyle",
                        EnumProperty<TCustomPanel, TBorderStyle>(
                            &TCustomPanel::SetBorderStyle, {{"bsNone", bsNone}, {"bsSingle", bsSingle}})},
                       {"FullRepaint", BoolProperty(&TCustomPanel::SetFullRepaint)},
                   }});
}

void RegisterForms()
{
    RegisterClass(
        {"TCustomForm",
         "TWinControl",
         nullptr,
         {
             {"Menu", ReferenceProperty<TCustomForm, TMainMenu>(&TCustomForm::SetMenu)},
             {"Position", EnumProperty<TCustomForm, TPosition>(&TCustomForm::SetPosition,
                                                               {{"poDesigned", poDesigned},
                                                                {"poDefault", poDefault},
                                                                {"poDefaultPosOnly", poDefaultPosOnly},
                                                                {"poScreenCenter", poScreenCenter},
                                                                {"poMainFormCenter", poMainFormCenter}})},
             {"WindowState",
              EnumProperty<TCustomForm, TWindowState>(
                  &TCustomForm::SetWindowState,
                  {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}})},
             {"FormStyle",
              EnumProperty<TCustomForm, TFormStyle>(&TCustomForm::SetFormStyle,
                                                    {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}})},
             {"ClientWidth", IntProperty(&TCustomForm::SetClientWidth)},
             {"ClientHeight", IntProperty(&TCustomForm::SetClientHeight)},
             {"PixelsPerInch", IntProperty(&TCustomForm::SetPixelsPerInch)},
             {"TextHeight", IntProperty(&TCustomForm::SetDesignTextHeight)},
             {"OnShow", EventProperty(&TCustomForm::OnShow)},
             {"OnActivate", EventProperty(&TCustomForm::OnActivate)},
             {"OnDeactivate", EventProperty(&TCustomForm::OnDeactivate)},
         }});
    RegisterClass({"TForm", "TCustomForm", nullptr, {}});
}

void RegisterMenus()
{
    RegisterClass({"TMenu", "TComponent", nullptr, {}});
    RegisterClass({"TMainMenu", "TMenu", [](TComponent* Owner) { return new TMainMenu(Owner); }, {}});
    RegisterClass({"TMenuItem",
                   "TComponent",
                   [](TComponent* Owner) { return new TMenuItem(Owner); },
                   {
                       {"Caption", StringProperty(&TMenuItem::SetCaption)},
                       {"Checked", BoolProperty(&TMenuItem::SetChecked)},
                       {"Enabled", BoolProperty(&TMenuItem::SetEnabled)},
                       {"Visible", BoolProperty(&TMenuItem::SetVisible)},
                       {"OnClick", EventProperty(&TMenuItem::OnClick)},
                   }});
}

std::vector<std::string> LayoutStrings(const TLayoutValue& Value, const TLayoutReader& Reader)
{
    if (Value.Kind != TLayoutValue::List)
        Reader.Fail(Value.Line, "expected a list of strings");
    return Value.Items;
}

template <class C>
TPropertySetter StringsProperty(void (C::*Setter)(const std::vector<std::string>&))
{
    return [Setter](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        (dynamic_cast<C&>(Target).*Setter)(LayoutStrings(Value, Reader));
    };
}

void RegisterStandardControls()
{
    RegisterClass({"TGraphicControl", "TControl", nullptr, {}});
    RegisterClass({"TLabel",
                   "TGraphicControl",
                   [](TComponent* Owner) { return new TLabel(Owner); },
                   {
                       {"AutoSize", BoolProperty(&TLabel::SetAutoSize)},
                       {"Transparent", BoolProperty(&TLabel::SetTransparent)},
                       {"Alignment", EnumProperty<TLabel, TAlignment>(&TLabel::SetAlignment,
                                                                      {{"taLeftJustify", taLeftJustify},
                                                                       {"taRightJustify", taRightJustify},
                                                                       {"taCenter", taCenter}})},
                       {"Layout", EnumProperty<TLabel, TTextLayout>(
                                      &TLabel::SetLayout,
                                      {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})},
                   }});
    RegisterClass({"TButton",
                   "TWinControl",
                   [](TComponent* Owner) { return new TButton(Owner); },
                   {
                       {"Default", BoolProperty(&TButton::SetDefault)},
                       {"Cancel", BoolProperty(&TButton::SetCancel)},
                   }});
    RegisterClass(
        {"TComboBox",
         "TWinControl",
         [](TComponent* Owner) { return new TComboBox(Owner); },
         {
             {"Items.Strings", StringsProperty(&TComboBox::SetItems)},
             {"ItemHeight", IntProperty(&TComboBox::SetItemHeight)},
             {"ItemIndex", IntProperty(&TComboBox::SetItemIndex)},
             {"Style",
              EnumProperty<TComboBox, TComboBoxStyle>(
                  &TComboBox::SetStyle,
                  {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}})},
             {"Text", [](TComponent& T, const TLayoutValue& V,
                         TLayoutReader& R) { dynamic_cast<TComboBox&>(T).SetText(LayoutString(V, R)); }},
             {"OnChange", EventProperty(&TComboBox::OnChange)},
         }});
    RegisterClass({"TButtonControl",
                   "TWinControl",
                   nullptr,
                   {
                       {"Checked",
                        [](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                            dynamic_cast<TButtonControl&>(T).SetChecked(LayoutBool(V, R));
                        }},
                   }});
    RegisterClass(
        {"TCheckBox", "TButtonControl", [](TComponent* Owner) { return new TCheckBox(Owner); }, {}});
    RegisterClass(
        {"TRadioButton", "TButtonControl", [](TComponent* Owner) { return new TRadioButton(Owner); }, {}});
    RegisterClass({"TMemo",
                   "TWinControl",
                   [](TComponent* Owner) { return new TMemo(Owner); },
                   {
                       {"Lines.Strings", StringsProperty(&TMemo::SetLines)},
                       {"ReadOnly", BoolProperty(&TMemo::SetReadOnly)},
                       {"WordWrap", BoolProperty(&TMemo::SetWordWrap)},
                       {"ScrollBars", EnumProperty<TMemo, TScrollStyle>(&TMemo::SetScrollBars,
                                                                        {{"ssNone", ssNone},
                                                                         {"ssHorizontal", ssHorizontal},
                                                                         {"ssVertical", ssVertical},
                                                                         {"ssBoth", ssBoth}})},
                   }});
    RegisterClass({"TStatusBar", "TWinControl", [](TComponent* Owner) { return new TStatusBar(Owner); }, {}});
}

} // namespace

void InitializeClassLibrary()
{
    auto Jpeg = [] { return std::make_unique<TJPEGImage>(); };
    TPicture::RegisterFileFormat("jpeg", "JPEG Image File", Jpeg);
    TPicture::RegisterFileFormat("jpg", "JPEG Image File", Jpeg);
    RegisterControls();
    RegisterForms();
    RegisterMenus();
    RegisterStandardControls();
}

} // namespace vcl
