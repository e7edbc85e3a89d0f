#pragma once

#include "support/MessagePump.h"

#include "setup_controls/SetupSupporter.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/Form.h"
#include "vcl/Menus.h"
#include "vcl/Screen.h"
#include "vcl/Windows.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

namespace setup {

// The application's main window with a "&File" menu holding "&Exit" and a
// supporter with the card window's values. Everything goes with the host,
// and the hooks tests set are reset.
class TSupporterHost
{
public:
    explicit TSupporterHost(const std::string& FileCaption = "&File")
        : FormsBefore(vcl::Screen->FormCount()), Form(new vcl::TForm(nullptr)),
          Menu(new vcl::TMainMenu(Form)), FileItem(new vcl::TMenuItem(Form)),
          ExitItem(new vcl::TMenuItem(Form))
    {
        vcl::Application->SetMainForm(Form);
        FileItem->SetCaption(FileCaption);
        ExitItem->SetCaption("&Exit");
        Menu->Items()->Add(FileItem);
        FileItem->Add(ExitItem);
        Form->SetMenu(Menu);
        Supporter = new TSetupSupporter(Form);
        Supporter->SetName("SetSup");
        Supporter->SetCompanyName("ZENTA");
        Supporter->SetCardNameA("VUZE422(485)/8");
        Supporter->SetCardNameB("KSR422(485)-8ULP");
        Supporter->SetCallHow("weekdays 8 to 5 at 555-0100");
        Supporter->SetMultiPort(true);
        // The program starts its supporter once the main window is up, framed by the window system.
        Form->Show();
    }

    ~TSupporterHost()
    {
        // The menu goes first: destroyed with the window, its items call back into the half-gone window.
        delete Menu;
        delete Form;
        vcl::Application->SetMainForm(nullptr);
        vcl::Application->SetExceptionReport(nullptr);
        vcl::SetMessageBoxHook(nullptr);
        vcl::SetTimerFailureForTesting(false);
        EXPECT_EQ(vcl::Screen->FormCount(), FormsBefore) << "a window outlived its test";
    }

    TSupporterHost(const TSupporterHost&) = delete;
    TSupporterHost& operator=(const TSupporterHost&) = delete;

    const int FormsBefore;
    vcl::TForm* Form;
    vcl::TMainMenu* Menu;
    vcl::TMenuItem* FileItem;
    vcl::TMenuItem* ExitItem;
    TSetupSupporter* Supporter = nullptr;
};

} // namespace setup
