#pragma once

#include "setup_controls/SetupCtrls.h"
#include "vcl/Form.h"
#include "vcl/Menus.h"

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

    void Exit2Click(vcl::TObject* Sender);
    void Howtousethisprogram1Click(vcl::TObject* Sender);
    void TechnicalSupport1Click(vcl::TObject* Sender);

private:
    vcl::TNotifyEvent FindHandler(const std::string& Name);
    void BindFields();
};

// The layout and the photograph compiled into the program.
void RegisterAppResources();
