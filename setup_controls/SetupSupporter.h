#pragma once

#include "vcl/Button.h"
#include "vcl/ComboBox.h"
#include "vcl/Component.h"
#include "vcl/Control.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/Menus.h"
#include "vcl/Messages.h"
#include "vcl/Types.h"
#include "vcl/Windows.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace setup {

class THelpForm;
class TTechForm;
class TPCIForm;

// The host's text for installed card CardIndex; an empty text lists nothing.
using TPCIEvent = std::function<std::string(vcl::TObject* Sender, int CardIndex)>;
// The host's reading of one channel; the host clears ItsAllBad when the reading is usable.
using TCalibEvent = std::function<std::string(vcl::TObject* Sender, uint8_t Channel, bool& ItsAllBad)>;

// The controls a calibration run shows itself on. Each member is the host's
// field that holds the control, read again at every use, so the run always acts
// on what the host holds there at that moment.
struct TCalibEntry
{
    // Item N shows channel N.
    vcl::TComboBox** ReadingList = nullptr;
    // Given back "Start" and the host's start handler when a run ends.
    vcl::TButton** RunButton = nullptr;
    // Hidden at each tick.
    vcl::TControl** HiddenControl = nullptr;
};

// The card utility's product support: the title line on the main window, the
// help and technical-support windows, the installed-card listing and a timed
// calibration run. Everything is built by StartUp, owned by the main window.
class TSetupSupporter : public vcl::TComponent
{
public:
    static constexpr size_t MaxCalibEntries = 256;

    explicit TSetupSupporter(vcl::TComponent* AOwner);
    ~TSetupSupporter() override;

    std::string ClassName() const override { return "TSetupSupporter"; }

    const std::string& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const std::string& Value) { FCompanyName = Value; }
    const std::string& CardNameA() const { return FCardNameA; }
    void SetCardNameA(const std::string& Value) { FCardNameA = Value; }
    const std::string& CardNameB() const { return FCardNameB; }
    void SetCardNameB(const std::string& Value) { FCardNameB = Value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool Value) { FUseCardNameB = Value; }
    // Reads on after "You can call us " in the support text.
    const std::string& CallHow() const { return FCallHow; }
    void SetCallHow(const std::string& Value) { FCallHow = Value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool Value) { FMultiPort = Value; }
    uint8_t Channels() const { return FChannels; }
    void SetChannels(uint8_t Value) { FChannels = Value; }
    bool ChangeButtons() const { return FChangeButtons; }
    void SetChangeButtons(bool Value) { FChangeButtons = Value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool Value) { FbSeries = Value; }

    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    // Held for the host; the supporter never calls it.
    vcl::TNotifyEvent OnStopButtonClick;
    vcl::TNotifyEvent OnStartButtonClick;
    const vcl::TNotifyEvent& OnBeginCalib() const { return FOnBeginCalib; }
    void SetOnBeginCalib(vcl::TNotifyEvent Value);

    bool HelpPending() const { return FHelpPending; }
    bool Calibrating() const { return FCalibrating; }
    void SetCalibrating(bool Value);
    vcl::HWND TimerWindow() const { return FTimerWindow; }

    vcl::TLabel* HeaderLabel() const { return FHeaderLabel; }
    TPCIForm* PCIForm() const { return FPCIForm; }
    THelpForm* HelpForm() const { return FHelpForm; }
    TTechForm* TechForm() const { return FTechForm; }

    const std::vector<TCalibEntry>& CalibEntries() const { return FCalibEntries; }
    void AddCalibEntry(const TCalibEntry& Entry);

    // Builds everything on the application's main window; called once, after its first show.
    void StartUp();
    void DisplayPCIClick(vcl::TObject* Sender);
    // Hides the window that holds Sender.
    static void CloseButtonClick(vcl::TObject* Sender);

    // The 100 ms timer runs exactly while the help window is pending or a run is active.
    void UpdateTimer();
    // Ends a run, giving the run buttons back "Start" when ChangeButtons.
    void ResetButtons();
    void ShowChannelLine(uint8_t Channel, const std::string& Text);

protected:
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

private:
    void TimerWndProc(vcl::TMessage& Message);
    void TimerTick();
    void CalibrationTick();
    std::string CardName() const { return FUseCardNameB ? FCardNameB : FCardNameA; }
    std::string SeriesSuffix() const { return FbSeries ? " Series" : ""; }
    // Builds the File-menu command and the installed-cards window; answers whether a card was found.
    bool ListInstalledCards(vcl::TCustomForm& Main, const std::string& Name);
    void AddDisplayPCICommand(vcl::TCustomForm& Main, const std::string& Name);
    template <class T>
    T* Track(T*& Field, T* Value);

    std::string FCompanyName;
    std::string FCardNameA;
    std::string FCardNameB;
    bool FUseCardNameB = false;
    std::string FCallHow;
    bool FMultiPort = false;
    uint8_t FChannels = 8;
    // Starts True although a stored layout's default is False: a layout that
    // does not name it yields True.
    bool FChangeButtons = true;
    bool FbSeries = true;
    bool FHelpPending = false;
    bool FCalibrating = false;
    vcl::HWND FTimerWindow = 0;
    vcl::TNotifyEvent FOnBeginCalib;
    vcl::TLabel* FHeaderLabel = nullptr;
    TPCIForm* FPCIForm = nullptr;
    THelpForm* FHelpForm = nullptr;
    TTechForm* FTechForm = nullptr;
    vcl::TMenuItem* FDisplayPCICommand = nullptr;
    std::vector<TCalibEntry> FCalibEntries;
};

// Makes TSetupSupporter known to stored layouts.
void RegisterSetupSupporter();

} // namespace setup
