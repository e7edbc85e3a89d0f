#include "setup_controls/BoardHighlight.h"

#include "setup_controls/BoardImage.h"
#include "setup_controls/RadioPanel.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Dialogs.h"
#include "vcl/Exceptions.h"
#include "vcl/LayoutProperties.h"
#include "vcl/Menus.h"
#include "vcl/Types.h"
#include "vcl/WinControl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>

namespace setup {

using namespace vcl;

namespace {

struct THighlightLook
{
    TColor Color;
    float NormalStrength;
    float BrightStrength;
    float OpenStrength;
};

// Indexed by THighlightType.
constexpr std::array<THighlightLook, 3> HighlightLooks{{
    {clBlue, 0.25f, 1.0f, 0.5f},
    {clYellow, 0.5f, 1.0f, 0.75f},
    {clRed, 0.5f, 1.0f, 0.75f},
}};

bool IsIdentStart(char C) { return C == '_' || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }
bool IsIdentChar(char C) { return IsIdentStart(C) || (C >= '0' && C <= '9'); }

// Drops leading characters until an identifier can start, then every character
// an identifier cannot hold. A valid identifier comes through unchanged.
std::string IdentifierForm(const std::string& Text)
{
    const auto Start = std::find_if(Text.begin(), Text.end(), IsIdentStart);
    if (Start == Text.end())
        return {};
    std::string Result(1, *Start);
    std::copy_if(Start + 1, Text.end(), std::back_inserter(Result), IsIdentChar);
    return Result;
}

uint8_t Blend(uint8_t Base, uint8_t Channel, float A, float B)
{
    const double Value = static_cast<double>(Base) * B + static_cast<double>(Channel) * A;
    return static_cast<uint8_t>(std::clamp(RoundHalfEven(Value), 0, 255));
}

} // namespace

TBoardHighlight::TBoardHighlight(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetWidth(65);
    SetHeight(65);
    SetHighlightType(htSettings);
}

void TBoardHighlight::SetHighlightType(THighlightType Value)
{
    if (Value < htOptions || Value > htCalibration)
        throw EComponentError("Invalid highlight type " + std::to_string(static_cast<int>(Value)));
    if (Value == FHighlightType)
        return;
    FHighlightType = Value;
    const THighlightLook& Look = HighlightLooks[Value];
    FCircleColor = Look.Color;
    FNormalStrength = Look.NormalStrength;
    FBrightStrength = Look.BrightStrength;
    FOpenStrength = Look.OpenStrength;
    Invalidate();
}

void TBoardHighlight::SetTitle(const std::string& Value)
{
    if (Value == FTitle)
        return;
    FTitle = Value;
    FPlainTitle = Value;
    std::erase(FPlainTitle, '&');
    FIdentTitle = IdentifierForm(Value);
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* Value)
{
    if (Value == FRadioPanel)
        return;
    if (!Value) {
        AssignRadioPanel(nullptr);
        return;
    }
    const bool Designing = ComponentState().Contains(csDesigning);
    if (const TBoardHighlight* Other = PanelConflict(Value)) {
        if (Designing)
            MessageBox(Value->Name() + " has already been assigned to " + Other->Name() + ".", "Error",
                       MB_OK | MB_ICONSTOP);
        return;
    }
    AssignRadioPanel(Value);
    if (!Designing || ComponentState().Contains(csLoading))
        return;
    for (TBoardHighlight* Member : GroupMembers())
        if (Member != this && Member->FRadioPanel != Value &&
            MessageBox(Name() + "'s RadioPanel property changed. Synchronize linked component " +
                           Member->Name() + "?",
                       "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
            Member->AssignRadioPanel(Value);
}

TBoardHighlight* TBoardHighlight::PanelConflict(const TRadioPanel* Value) const
{
    if (!Parent())
        return nullptr;
    for (TControl* Control : Parent()->Controls()) {
        auto* Other =
            Control->ClassNameIs("TBoardHighlight") ? dynamic_cast<TBoardHighlight*>(Control) : nullptr;
        if (Other && Other != this && Other->FRadioPanel == Value &&
            (Other->FTitle != FTitle || Other->FHighlightType != FHighlightType))
            return Other;
    }
    return nullptr;
}

void TBoardHighlight::AssignRadioPanel(TRadioPanel* Value)
{
    if (FRadioPanel)
        FRadioPanel->RemoveFreeNotification(this);
    FRadioPanel = Value;
    if (FRadioPanel)
        FRadioPanel->FreeNotification(this);
}

void TBoardHighlight::SetBoardMenu(TMainMenu* Value)
{
    if (FBoardMenu)
        FBoardMenu->RemoveFreeNotification(this);
    FBoardMenu = Value;
    if (FBoardMenu)
        FBoardMenu->FreeNotification(this);
}

void TBoardHighlight::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FRadioPanel)
        FRadioPanel = nullptr;
    if (AComponent == FBoardMenu)
        FBoardMenu = nullptr;
    std::erase_if(FMenuEntries, [AComponent](const TComponent* Entry) { return Entry == AComponent; });
}

bool TBoardHighlight::OnBoardImage() const { return Parent() && Parent()->ClassNameIs("TBoardImage"); }

bool TBoardHighlight::IsGroupMember(const TControl* Other) const
{
    if (!Other || !OnBoardImage() || Other->Parent() != Parent() || !Other->ClassNameIs("TBoardHighlight"))
        return false;
    const auto* Member = dynamic_cast<const TBoardHighlight*>(Other);
    return Member && Member->FTitle == FTitle && Member->FHighlightType == FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::GroupMembers() const
{
    std::vector<TBoardHighlight*> Members;
    if (!OnBoardImage())
        return Members;
    for (TControl* Control : Parent()->Controls())
        if (IsGroupMember(Control))
            Members.push_back(static_cast<TBoardHighlight*>(Control));
    return Members;
}

void TBoardHighlight::SetActive(bool Value, bool Propagate)
{
    FPopupActive = Value;
    // Painted last, the active circle lies on top of any it overlaps.
    BringToFront();
    Invalidate();
    if (!Propagate || !OnBoardImage())
        return;
    // Each member moved to the end shifts the rest down one place.
    const std::vector<TControl*>& Children = Parent()->Controls();
    size_t I = 0;
    size_t N = Children.size();
    while (I < N) {
        TControl* Child = Children[I];
        if (Child != this && IsGroupMember(Child)) {
            static_cast<TBoardHighlight*>(Child)->SetActive(Value, false);
            --N;
        } else {
            ++I;
        }
    }
}

void TBoardHighlight::ClearEntered()
{
    FEntered = false;
    Invalidate();
}

void TBoardHighlight::TintCircle(TBitmap& Image, int XMax, int YMax, float Strength, TColor Color,
                                 bool WhiteCore)
{
    if (XMax < 1 || YMax < 1)
        return;
    if (Image.Width() <= XMax || Image.Height() <= YMax)
        throw EInvalidGraphic("The circle does not fit the image");
    // Pixel byte order: blue, green, red.
    const std::array<uint8_t, 3> Channels{static_cast<uint8_t>(GetBValue(Color)),
                                          static_cast<uint8_t>(GetGValue(Color)),
                                          static_cast<uint8_t>(GetRValue(Color))};
    const float FX = 2.0f / static_cast<float>(XMax);
    const float FY = 2.0f / static_cast<float>(YMax);
    for (int Y = 0; Y <= YMax; ++Y) {
        uint8_t* Row = Image.ScanLine(Y);
        const float DY = static_cast<float>(Y) * FY - 1.0f;
        for (int X = 0; X <= XMax; ++X) {
            const float DX = static_cast<float>(X) * FX - 1.0f;
            const float D = DX * DX + DY * DY;
            if (D >= 1.0f)
                continue;
            uint8_t* Pixel = Row + X * 4;
            float A = 0.16f;
            // Against 0.77 squared itself: its float rounding lies below it.
            if (static_cast<double>(D) >= 0.5929) {
                A = 1.0f - 8.0f * std::fabs(std::sqrt(D) - 0.875f);
                if (WhiteCore) {
                    A = 2.0f * A;
                    if (A > 1.0f) {
                        std::fill_n(Pixel, 3, uint8_t{255});
                        Pixel[3] = 0;
                        A = 2.0f - A;
                    }
                }
            }
            A = A * Strength;
            const float B = 1.0f - A;
            for (size_t C = 0; C < Channels.size(); ++C)
                Pixel[C] = Blend(Pixel[C], Channels[C], A, B);
        }
    }
}

void TBoardHighlight::PrepareImages()
{
    const TRect Area{0, 0, Width(), Height()};
    struct TLook
    {
        TBitmap& Image;
        float Strength;
        bool WhiteCore;
    };
    const std::array<TLook, 3> Looks{{
        {FNormalImage, FNormalStrength, false},
        {FBrightImage, FBrightStrength, true},
        {FOpenImage, FOpenStrength, false},
    }};
    for (const TLook& Look : Looks)
        Look.Image.SetSize(Area.Width(), Area.Height());
    // The canvas still shows what the parent painted beneath, as nothing is drawn on it yet.
    for (const TLook& Look : Looks) {
        Look.Image.Canvas().CopyRect(Area, Canvas(), Area);
        TintCircle(Look.Image, Area.Width() - 1, Area.Height() - 1, Look.Strength, FCircleColor,
                   Look.WhiteCore);
    }
}

const TBitmap& TBoardHighlight::ShownImage() const
{
    if (FPopupActive && FEntered)
        return FBrightImage;
    if (FPopupActive != FEntered)
        return FOpenImage;
    return FNormalImage;
}

void TBoardHighlight::Paint()
{
    if (ComponentState().Contains(csDesigning)) {
        PrepareImages();
    } else if (!FPrepared) {
        PrepareImages();
        auto* Board = OnBoardImage() ? dynamic_cast<TBoardImage*>(Parent()) : nullptr;
        SetBoardMenu(Board ? Board->Menu() : nullptr);
        BuildMenus();
        FPrepared = true;
    }
    const TRect Area{0, 0, Width(), Height()};
    Canvas().StretchBits(Area, ShownImage(), &Area);
}

void RegisterBoardHighlight()
{
    RegisterClass(
        {"TBoardHighlight",
         "TControl",
         [](TComponent* Owner) { return new TBoardHighlight(Owner); },
         {
             {"CreatePopup", BoolProperty(&TBoardHighlight::SetCreatePopup)},
             {"HighlightType",
              EnumProperty<TBoardHighlight, THighlightType>(
                  &TBoardHighlight::SetHighlightType,
                  {{"htOptions", htOptions}, {"htSettings", htSettings}, {"htCalibration", htCalibration}})},
             {"RadioPanel", ReferenceProperty<TBoardHighlight, TRadioPanel>(&TBoardHighlight::SetRadioPanel)},
             {"Title", StringProperty(&TBoardHighlight::SetTitle)},
         }});
}

} // namespace setup
