#include "MainForm.h"

#include "vcl/ClassRegistry.h"
#include "vcl/Exceptions.h"
#include "vcl/LayoutReader.h"
#include "vcl/Resources.h"
#include "vcl/Windows.h"

#include <map>

using namespace vcl;
using namespace setup;

namespace {

template <class T>
void Bind(const TComponent& Form, T*& Field, const char* Name)
{
    Field = dynamic_cast<T*>(Form.FindComponent(Name));
    if (!Field)
        throw ELayoutError(std::string("The main window's layout lacks ") + Name);
}

} // namespace

const std::array<TMessageHandler<TMainForm>, 1> TMainForm::Handlers{{
    {UM_DEFERREDSTART, &TMainForm::UMDeferredStart},
}};

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner)
{
    static const bool Registered = [] {
        RegisterClass({"TMainForm", "TForm", nullptr, {}});
        return true;
    }();
    (void)Registered;
    const std::span<const uint8_t> Layout = FindResource("MainForm.layout");
    TLayoutReader Reader(*this, [this](const std::string& Name) { return FindHandler(Name); });
    Reader.Read(std::string_view(reinterpret_cast<const char*>(Layout.data()), Layout.size()));
    BindFields();
}

TNotifyEvent TMainForm::FindHandler(const std::string& Name)
{
    using THandler = void (TMainForm::*)(TObject*);
    static const std::map<std::string, THandler> Handlers{
        {"Exit2Click", &TMainForm::Exit2Click},
        {"ClockBoxChange", &TMainForm::ClockBoxChange},
        {"ClockJumperClick", &TMainForm::ClockJumperClick},
        {"ClockPanelEnter", &TMainForm::ClockPanelEnter},
        {"LDRadioClick", &TMainForm::LDRadioClick},
        {"LDCheckClick", &TMainForm::LDCheckClick},
        {"LDJumperClick", &TMainForm::LDJumperClick},
        {"FormShow", &TMainForm::FormShow},
        {"Howtousethisprogram1Click", &TMainForm::Howtousethisprogram1Click},
        {"TechnicalSupport1Click", &TMainForm::TechnicalSupport1Click},
    };
    auto It = Handlers.find(Name);
    if (It == Handlers.end())
        return {};
    return [this, Handler = It->second](TObject* Sender) { (this->*Handler)(Sender); };
}

void TMainForm::BindFields()
{
    Bind(*this, MainMenu1, "MainMenu1");
    Bind(*this, File1, "File1");
    Bind(*this, Help1, "Help1");
    Bind(*this, Howtousethisprogram1, "Howtousethisprogram1");
    Bind(*this, Exit2, "Exit2");
    Bind(*this, TechnicalSupport1, "TechnicalSupport1");
    Bind(*this, BoardImage1, "BoardImage1");
    Bind(*this, ClockPanel, "ClockPanel");
    Bind(*this, ClockBox, "ClockBox");
    Bind(*this, TerminPanel, "TerminPanel");
    Bind(*this, LDOutJumper, "LDOutJumper");
    Bind(*this, LDInJumper, "LDInJumper");
    Bind(*this, ClockHighlight, "ClockHighlight");
    Bind(*this, TermHighlight, "TermHighlight");
    Bind(*this, Label1, "Label1");
    Bind(*this, LDCheck, "LDCheck");
    Bind(*this, LD485Radio, "LD485Radio");
    Bind(*this, LD422Radio, "LD422Radio");
    Bind(*this, ClockJumper, "ClockJumper");
    Bind(*this, Label2, "Label2");
    Bind(*this, SetSup, "SetSup");
}

void TMainForm::Exit2Click(TObject*) { Close(); }

// "1X" opens the clock jumper; "8X", or text matching no item, closes it.
void TMainForm::ClockBoxChange(TObject*) { ClockJumper->SetClosed(ClockBox->ItemIndex() != 0); }

void TMainForm::ClockJumperClick(TObject*) { ClockBox->SetItemIndex(ClockJumper->Closed() ? 1 : 0); }

void TMainForm::ClockPanelEnter(TObject*) { ClockBox->SetItemIndex(0); }

void TMainForm::LDRadioClick(TObject*)
{
    LDOutJumper->SetVisible(LD485Radio->Checked());
    LDInJumper->SetVisible(LD422Radio->Checked());
}

// The check box holds the termination state; both jumpers follow it.
void TMainForm::LDCheckClick(TObject*)
{
    LDOutJumper->SetClosed(LDCheck->Checked());
    LDInJumper->SetClosed(LDCheck->Checked());
}

void TMainForm::LDJumperClick(TObject* Sender)
{
    if (auto* Jumper = dynamic_cast<TTwoJumper*>(Sender))
        LDCheck->SetChecked(Jumper->Closed());
}

void TMainForm::Dispatch(TMessage& Message)
{
    if (!DispatchFromTable(this, Handlers, Message))
        TForm::Dispatch(Message);
}

// Start-up waits until the first show is complete, and happens once.
void TMainForm::FormShow(TObject*)
{
    PostMessage(Handle(), UM_DEFERREDSTART, 0, 0);
    OnShow = nullptr;
}

void TMainForm::UMDeferredStart(TMessage&) { SetSup->StartUp(); }

void TMainForm::Howtousethisprogram1Click(TObject*)
{
    if (TForm* Help = SetSup->HelpForm())
        Help->SetVisible(true);
}

void TMainForm::TechnicalSupport1Click(TObject*)
{
    if (TForm* Tech = SetSup->TechForm())
        Tech->SetVisible(true);
}
