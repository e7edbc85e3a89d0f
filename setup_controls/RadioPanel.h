#pragma once

#include "vcl/CustomPanel.h"

#include <string>
#include <vector>

namespace setup {

class TTwoJumper;

using TRadioPanelChangeEvent = vcl::TNotifyEvent;

// The content of one highlight's popup: the option's controls and jumper glyphs,
// its explanation text, and a radio rule across its jumpers.
class TRadioPanel : public vcl::TCustomPanel
{
public:
    explicit TRadioPanel(vcl::TComponent* AOwner);
    ~TRadioPanel() override;

    std::string ClassName() const override { return "TRadioPanel"; }

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool Value) { FRadioEnabled = Value; }
    const std::vector<std::string>& Lines() const { return FLines; }
    // Copies the given lines; the caller keeps its own list.
    void SetLines(const std::vector<std::string>& Value) { FLines = Value; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int Value) { FMemoHeight = Value; }
    vcl::TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(vcl::TAnchors Value);
    bool InPopup() const { return FInPopup; }
    void SetInPopup(bool Value) { FInPopup = Value; }
    bool DesignHidden() const { return FDesignHidden; }

    // The radio rule: closes Jumper, opens every other jumper glyph of the panel.
    void JumperClicked(TTwoJumper* Jumper);

    TRadioPanelChangeEvent OnRadioChange;
    vcl::TNotifyEvent OnActivate;
    vcl::TNotifyEvent OnDeactivate;

protected:
    void Paint() override;
    void DoRadioChange(TTwoJumper* Jumper);

private:
    bool FRadioEnabled = false;
    std::vector<std::string> FLines;
    int FMemoHeight = 58;
    bool FDesignHidden = false;
    vcl::TAnchors FFinalAnchors{vcl::akLeft, vcl::akTop};
    bool FInPopup = false;
};

} // namespace setup
