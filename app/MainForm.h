#pragma once

#include "setup_controls/SetupCtrls.h"
#include "vcl/CheckBox.h"
#include "vcl/ComboBox.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/Menus.h"
#include "vcl/RadioButton.h"

#include <string>

// The card's main window "Setup", built from its stored layout.
class TMainForm : public vcl::TForm
{
public:
    explicit TMainForm(vcl::TComponent* AOwner);

    std::string ClassName() const override { return "TMainForm"; }

    vcl::TMainMenu* MainMenu1 = nullptr;
    vcl::TMenuItem* File1 = nullptr;
    vcl::TMenuItem* Help1 = nullptr;
    vcl::TMenuItem* Howtousethisprogram1 = nullptr;
    vcl::TMenuItem* Exit2 = nullptr;
    vcl::TMenuItem* TechnicalSupport1 = nullptr;
    setup::TBoardImage* BoardImage1 = nullptr;
    setup::TRadioPanel* ClockPanel = nullptr;
    vcl::TComboBox* ClockBox = nullptr;
    setup::TRadioPanel* TerminPanel = nullptr;
    setup::TTwoJumper* LDOutJumper = nullptr;
    setup::TTwoJumper* LDInJumper = nullptr;
    setup::TBoardHighlight* ClockHighlight = nullptr;
    setup::TBoardHighlight* TermHighlight = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TCheckBox* LDCheck = nullptr;
    vcl::TRadioButton* LD485Radio = nullptr;
    vcl::TRadioButton* LD422Radio = nullptr;
    setup::TTwoJumper* ClockJumper = nullptr;
    vcl::TLabel* Label2 = nullptr;
    setup::TSetupSupporter* SetSup = nullptr;

    void Exit2Click(vcl::TObject* Sender);
    void ClockBoxChange(vcl::TObject* Sender);
    void ClockJumperClick(vcl::TObject* Sender);
    void ClockPanelEnter(vcl::TObject* Sender);
    void LDRadioClick(vcl::TObject* Sender);
    void LDCheckClick(vcl::TObject* Sender);
    void LDJumperClick(vcl::TObject* Sender);
    void FormShow(vcl::TObject* Sender);
    void UMDeferredStart(vcl::TMessage& Message);
    void Howtousethisprogram1Click(vcl::TObject* Sender);
    void TechnicalSupport1Click(vcl::TObject* Sender);

    void Dispatch(vcl::TMessage& Message) override;

private:
    static const std::array<vcl::TMessageHandler<TMainForm>, 1> Handlers;
    vcl::TNotifyEvent FindHandler(const std::string& Name);
    void BindFields();
};

// The layout and the photograph compiled into the program.
void RegisterAppResources();
