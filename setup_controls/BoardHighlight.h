#pragma once

#include "vcl/Bitmap.h"
#include "vcl/Color.h"
#include "vcl/GraphicControl.h"
#include "vcl/Menus.h"

#include <array>
#include <string>
#include <vector>

namespace setup {

class TPopupForm;
class TRadioPanel;

// The kind of site a circle marks; its ordinal is also the popup window's Tag.
enum THighlightType { htOptions, htSettings, htCalibration };

// The coloured circle over one option site of the board photograph. It blends
// its ring over whatever the board image painted beneath it; highlights on one
// board image with the same Title and type form a linked group that acts as one.
class TBoardHighlight : public vcl::TGraphicControl
{
public:
    explicit TBoardHighlight(vcl::TComponent* AOwner);
    ~TBoardHighlight() override;

    std::string ClassName() const override { return "TBoardHighlight"; }

    const vcl::TBitmap& NormalImage() const { return FNormalImage; }
    const vcl::TBitmap& BrightImage() const { return FBrightImage; }
    const vcl::TBitmap& OpenImage() const { return FOpenImage; }
    float NormalStrength() const { return FNormalStrength; }
    float BrightStrength() const { return FBrightStrength; }
    float OpenStrength() const { return FOpenStrength; }
    vcl::TColor CircleColor() const { return FCircleColor; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType Value);
    bool Entered() const { return FEntered; }
    TPopupForm* Popup() const { return FPopup; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);
    const std::string& PlainTitle() const { return FPlainTitle; }
    const std::string& IdentTitle() const { return FIdentTitle; }
    vcl::TMainMenu* BoardMenu() const { return FBoardMenu; }
    bool Prepared() const { return FPrepared; }
    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    bool Pinned() const { return FPinned; }
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refuses, silently at run time, a panel that a highlight outside the group uses.
    void SetRadioPanel(TRadioPanel* Value);
    bool PopupActive() const { return FPopupActive; }

    // Other is in this highlight's linked group (this highlight itself included).
    bool IsGroupMember(const vcl::TControl* Other) const;
    // The linked group in child order; empty when the parent is not a board image.
    std::vector<TBoardHighlight*> GroupMembers() const;

    // The group's popup became, or stopped being, the active window.
    void SetActive(bool Value, bool Propagate);
    void ClearEntered();

    // The popup window: built on first need, then hidden and shown (popup operations).
    void ShowPopup();
    void PopupClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
    void DoneClick(vcl::TObject* Sender);

    // The pointer (hover operations); marker 1 in WParam: relayed by a group member.
    void CMMouseEnter(vcl::TMessage& Message);
    void CMMouseLeave(vcl::TMessage& Message);
    void Click() override;
    void Pin();
    void PinMember();

    // The entry in the main menu (menu operations).
    void SetMenuChecked(bool Value);
    void MenuClick(vcl::TObject* Sender);
    void PreviousClick(vcl::TObject* Sender);
    void NextClick(vcl::TObject* Sender);

    void Dispatch(vcl::TMessage& Message) override;

    // Blends the circle inscribed in (0, 0)-(XMax, YMax) into Image in place.
    // Extents below 1 (a control under 2 pixels) have no circle: Image is left alone.
    // An image smaller than the extents is an error.
    static void TintCircle(vcl::TBitmap& Image, int XMax, int YMax, float Strength, vcl::TColor Color,
                           bool WhiteCore);

protected:
    void Paint() override;
    void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

    // Open to derived highlights, which may drive the hover and popup state.
    vcl::TBitmap FNormalImage;
    vcl::TBitmap FBrightImage;
    vcl::TBitmap FOpenImage;
    float FNormalStrength = 0;
    float FBrightStrength = 0;
    float FOpenStrength = 0;
    vcl::TColor FCircleColor = vcl::clBlack;
    THighlightType FHighlightType = htOptions;
    bool FEntered = false;
    TPopupForm* FPopup = nullptr;
    std::string FTitle;
    std::string FPlainTitle;
    std::string FIdentTitle;
    vcl::TMainMenu* FBoardMenu = nullptr;
    bool FPrepared = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TRadioPanel* FRadioPanel = nullptr;
    bool FPopupActive = false;

private:
    bool OnBoardImage() const;
    // A highlight outside the group that already shows Value.
    TBoardHighlight* PanelConflict(const TRadioPanel* Value) const;
    void PrepareImages();
    // The first paint at run time enters the highlight into BoardMenu here.
    void BuildMenus();
    const vcl::TBitmap& ShownImage() const;
    // Stores the reference and keeps it safe, without the group checks.
    void AssignRadioPanel(TRadioPanel* Value);
    void SetBoardMenu(vcl::TMainMenu* Value);
    vcl::TMenuItem* MakeMenuEntry();
    vcl::TMenuItem* FindMenuEntry() const;
    // Closes this popup and opens, pinned, the neighbour's in the menu group.
    void StepThroughMenu(int Step);

    static const std::array<vcl::TMessageHandler<TBoardHighlight>, 2> Handlers;
    std::vector<vcl::TMenuItem*> FMenuEntries;
};

// Makes TBoardHighlight known to stored layouts.
void RegisterBoardHighlight();

} // namespace setup
