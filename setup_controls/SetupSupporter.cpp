#include "setup_controls/SetupSupporter.h"

#include "driver_binding/LLNEXDRV.h"
#include "setup_controls/HelpDocument.h"
#include "setup_controls/HelpForm.h"
#include "setup_controls/PCIForm.h"
#include "setup_controls/TechForm.h"
#include "vcl/Application.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Dialogs.h"
#include "vcl/Exceptions.h"
#include "vcl/Font.h"
#include "vcl/Form.h"
#include "vcl/LayoutProperties.h"
#include "vcl/LayoutReader.h"

namespace setup {

using namespace vcl;

namespace {

constexpr uintptr_t TimerId = 1;
constexpr unsigned TimerPeriod = 100;

// An entry names the host's field; the field may be empty at any moment.
template <class T>
T& Fetch(T** Place, const char* Role)
{
    if (!*Place)
        throw EComponentError(std::string("The calibration entry's ") + Role + " is not set");
    return **Place;
}

} // namespace

TSetupSupporter::TSetupSupporter(TComponent* AOwner) : TComponent(AOwner)
{
    FTimerWindow = AllocateHWnd([this](TMessage& Message) { TimerWndProc(Message); });
}

TSetupSupporter::~TSetupSupporter()
{
    FCalibrating = false;
    // Stopped outright, not restarted for a pending help window: the window goes next.
    KillTimer(FTimerWindow, TimerId);
    DeallocateHWnd(FTimerWindow);
    if (FDisplayPCICommand)
        FDisplayPCICommand->OnClick = nullptr;
}

template <class T>
T* TSetupSupporter::Track(T*& Field, T* Value)
{
    Field = Value;
    Value->FreeNotification(this);
    return Value;
}

void TSetupSupporter::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FHeaderLabel)
        FHeaderLabel = nullptr;
    if (AComponent == FPCIForm)
        FPCIForm = nullptr;
    if (AComponent == FHelpForm)
        FHelpForm = nullptr;
    if (AComponent == FTechForm)
        FTechForm = nullptr;
    if (AComponent == FDisplayPCICommand)
        FDisplayPCICommand = nullptr;
}

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent Value)
{
    FOnBeginCalib = std::move(Value);
    UpdateTimer();
}

void TSetupSupporter::SetCalibrating(bool Value)
{
    if (Value == FCalibrating)
        return;
    FCalibrating = Value;
    UpdateTimer();
}

void TSetupSupporter::AddCalibEntry(const TCalibEntry& Entry)
{
    if (!Entry.ReadingList || !Entry.RunButton || !Entry.HiddenControl)
        throw EComponentError("A calibration entry needs the places of its reading list, run button and "
                              "hidden control");
    if (FCalibEntries.size() >= MaxCalibEntries)
        throw EComponentError("A setup supporter holds at most 256 calibration entries");
    FCalibEntries.push_back(Entry);
}

void TSetupSupporter::StartUp()
{
    if (ComponentState().Contains(csDesigning))
        return;
    TCustomForm* Main = Application->MainForm();
    if (!Main)
        throw EComponentError("The setup supporter starts up only once the program has a main window");
    const std::string Name = CardName();

    Track(FHeaderLabel, new TLabel(Main));
    FHeaderLabel->SetName("HeaderLabel");
    FHeaderLabel->SetParent(Main);
    FHeaderLabel->SetAlign(alTop);
    FHeaderLabel->SetAlignment(taCenter);
    FHeaderLabel->Font().SetName("Tahoma");
    FHeaderLabel->Font().SetSize(18);
    FHeaderLabel->Font().SetStyle({fsBold});
    FHeaderLabel->Font().SetColor(clBlack);

    Track(FHelpForm, new THelpForm(Main, HelpDocument({FCompanyName, Name, SeriesSuffix(), FMultiPort,
                                                       static_cast<bool>(OnGetCardString)})));
    Track(FTechForm, new TTechForm(Main, TechSupportText(FCompanyName, FCallHow), CloseButtonClick));

    const bool Found = OnGetCardString ? ListInstalledCards(*Main, Name) : true;
    if (Found)
        FHeaderLabel->SetCaption(Name + SeriesSuffix() + " Settings Program");
    else
        FHeaderLabel->SetCaption("No " + Name + (FbSeries ? " Series Card" : "") + " Found");

    FHelpPending = true;
    UpdateTimer();
}

bool TSetupSupporter::ListInstalledCards(TCustomForm& Main, const std::string& Name)
{
    AddDisplayPCICommand(Main, Name);
    Track(FPCIForm, new TPCIForm(&Main, Name, CloseButtonClick));
    FPCIForm->Show();
    llnexdrv::LoadDriverLibrary();

    TMemo& Memo = *FPCIForm->PCIMemo;
    bool Found = false;
    const int Count = llnexdrv::GetNumCards ? llnexdrv::GetNumCards() : 0;
    if (Count > 0) {
        Memo.Clear();
        for (int CardIndex = 0; CardIndex < Count; ++CardIndex) {
            const std::string Text = OnGetCardString(this, CardIndex);
            if (!Text.empty()) {
                Memo.AddLine(Text);
                Found = true;
            }
        }
    }
    if (!Found)
        Memo.SetText("No Card Found");
    return Found;
}

void TSetupSupporter::AddDisplayPCICommand(TCustomForm& Main, const std::string& Name)
{
    if (!Main.Menu())
        return;
    for (TMenuItem* Item : Main.Menu()->Items()->ItemList()) {
        if (Item->Caption() != "&File")
            continue;
        auto* Command = new TMenuItem(Item);
        Command->SetName("DisplayPCI");
        Command->SetCaption("Display " + Name + " Cards Installed");
        Command->OnClick = [this](TObject* Sender) { DisplayPCIClick(Sender); };
        Item->Insert(0, Command);
        Track(FDisplayPCICommand, Command);
        return;
    }
}

void TSetupSupporter::DisplayPCIClick(TObject*)
{
    if (!FPCIForm)
        return;
    FPCIForm->Show();
    FPCIForm->BringToFront();
}

void TSetupSupporter::CloseButtonClick(TObject* Sender)
{
    if (auto* Button = dynamic_cast<TControl*>(Sender); Button && Button->Parent())
        Button->Parent()->Hide();
}

void TSetupSupporter::UpdateTimer()
{
    KillTimer(FTimerWindow, TimerId);
    if ((FCalibrating || FHelpPending) && SetTimer(FTimerWindow, TimerId, TimerPeriod) == 0)
        throw EOutOfResources("Not enough timers available");
}

void TSetupSupporter::TimerWndProc(TMessage& Message)
{
    if (Message.Msg != WM_TIMER) {
        Message.Result = DefWindowProc(FTimerWindow, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    try {
        TimerTick();
    } catch (...) {
        Application->HandleException(this);
    }
}

void TSetupSupporter::TimerTick()
{
    if (!FHelpPending) {
        CalibrationTick();
        return;
    }
    if (FHelpForm) {
        FHelpForm->Show();
        FHelpForm->BringToFront();
    }
    FHelpPending = false;
    UpdateTimer();
}

void TSetupSupporter::CalibrationTick()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    if (!OnGetCalibString) {
        SetCalibrating(false);
        MessageBox("Error: calibration begun, but OnGetCalibString isn't assigned.",
                   "OnGetCalibString Not Assigned",
                   MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
        ResetButtons();
        return;
    }
    for (const TCalibEntry& Entry : FCalibEntries)
        Fetch(Entry.HiddenControl, "hidden control").Hide();
    bool ItsAllBad = true;
    for (int Channel = 0; Channel < FChannels; ++Channel) {
        const auto Byte = static_cast<uint8_t>(Channel);
        ShowChannelLine(Byte, OnGetCalibString(this, Byte, ItsAllBad));
    }
    if (!ItsAllBad)
        return;
    // The timer is stopped before the box, so no tick arrives while it is open.
    SetCalibrating(false);
    const int Answer =
        MessageBox("Total A/D failure. The card may not be installed, or it may be installed at a "
                   "different base address.",
                   "Total A/D failure",
                   MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
    if (Answer == IDRETRY)
        SetCalibrating(true);
    else
        ResetButtons();
}

void TSetupSupporter::ResetButtons()
{
    if (FChangeButtons)
        for (const TCalibEntry& Entry : FCalibEntries) {
            TButton& Button = Fetch(Entry.RunButton, "run button");
            Button.OnClick = OnStartButtonClick;
            Button.SetCaption("Start");
        }
    SetCalibrating(false);
}

void TSetupSupporter::ShowChannelLine(uint8_t Channel, const std::string& Text)
{
    const std::string Line = "Channel " + std::to_string(Channel) + "\t" + Text;
    for (const TCalibEntry& Entry : FCalibEntries) {
        TComboBox& List = Fetch(Entry.ReadingList, "reading list");
        std::vector<std::string> Items = List.Items();
        if (Channel >= Items.size())
            throw EComponentError("The reading list " + List.Name() + " has no line for channel " +
                                  std::to_string(Channel));
        Items[Channel] = Line;
        const int Selected = List.ItemIndex();
        List.SetItems(Items);
        if (Selected >= 0)
            List.SetItemIndex(Selected);
    }
}

void RegisterSetupSupporter()
{
    auto Supporter = [](TComponent& Target) -> TSetupSupporter& {
        return dynamic_cast<TSetupSupporter&>(Target);
    };
    RegisterClass(
        {"TSetupSupporter",
         "TComponent",
         [](TComponent* Owner) { return new TSetupSupporter(Owner); },
         {
             {"CompanyName", StringProperty(&TSetupSupporter::SetCompanyName)},
             {"CardNameA", StringProperty(&TSetupSupporter::SetCardNameA)},
             {"CardNameB", StringProperty(&TSetupSupporter::SetCardNameB)},
             {"UseCardNameB", BoolProperty(&TSetupSupporter::SetUseCardNameB)},
             {"CallHow", StringProperty(&TSetupSupporter::SetCallHow)},
             {"MultiPort", BoolProperty(&TSetupSupporter::SetMultiPort)},
             {"Channels",
              [Supporter](TComponent& T, const TLayoutValue& V, TLayoutReader& R) {
                  const int Count = LayoutInt(V, R);
                  if (Count < 0 || Count > 255)
                      R.Fail(V.Line, "Channels must lie between 0 and 255");
                  Supporter(T).SetChannels(static_cast<uint8_t>(Count));
              }},
             {"ChangeButtons", BoolProperty(&TSetupSupporter::SetChangeButtons)},
             {"bSeries", BoolProperty(&TSetupSupporter::SetbSeries)},
             {"OnBeginCalib", [Supporter](TComponent& T, const TLayoutValue& V,
                                          TLayoutReader& R) { Supporter(T).SetOnBeginCalib(R.Handler(V)); }},
             {"OnStopButtonClick", EventProperty(&TSetupSupporter::OnStopButtonClick)},
             {"OnStartButtonClick", EventProperty(&TSetupSupporter::OnStartButtonClick)},
         }});
}

} // namespace setup
