// The highlight's entry in the main menu, under one group item per highlight type.
#include "setup_controls/BoardHighlight.h"
#include "setup_controls/PopupForm.h"

#include <algorithm>

namespace setup {

using namespace vcl;

namespace {

struct TMenuGroup
{
    const char* Caption;
    const char* BaseName;
    std::vector<std::string> PlacedBefore;
};

const TMenuGroup& GroupOf(THighlightType Type)
{
    static const TMenuGroup Groups[] = {
        {"&Options", "Options", {"&Help"}},
        {"&Settings", "Settings", {"&Calibration", "&Options", "&Help"}},
        {"&Calibration", "Calibration", {"&Options", "&Help"}},
    };
    return Groups[static_cast<int>(Type)];
}

// Base followed by the smallest number from 1 that the owner has no component of.
std::string FreeName(const TComponent* Owner, const std::string& Base)
{
    for (int N = 1;; ++N) {
        const std::string Name = Base + std::to_string(N);
        if (!Owner || !Owner->FindComponent(Name))
            return Name;
    }
}

} // namespace

TMenuItem* TBoardHighlight::MakeMenuEntry()
{
    TComponent* Owner = FBoardMenu->Owner();
    auto* Entry = new TMenuItem(Owner);
    if (IsValidIdent(FIdentTitle))
        Entry->SetName(FreeName(Owner, FIdentTitle));
    Entry->SetCaption(FTitle);
    Entry->OnClick = [this](TObject* Sender) { MenuClick(Sender); };
    // The entry may outlive this highlight: it must then forget the action.
    FMenuEntries.push_back(Entry);
    Entry->FreeNotification(this);
    return Entry;
}

void TBoardHighlight::BuildMenus()
{
    if (!FBoardMenu)
        return;
    const TMenuGroup& Group = GroupOf(FHighlightType);
    TMenuItem* Bar = FBoardMenu->Items();
    const int Count = Bar->Count();
    for (int I = 0; I < Count; ++I) {
        TMenuItem* Item = Bar->Items(I);
        if (Item->Caption() != Group.Caption)
            continue;
        const auto& Children = Item->ItemList();
        if (std::any_of(Children.begin(), Children.end(),
                        [this](TMenuItem* C) { return C->Caption() == FTitle; }))
            return;
        if (!FTitle.empty())
            Item->Add(MakeMenuEntry());
        return;
    }
    TComponent* Owner = FBoardMenu->Owner();
    auto* GroupItem = new TMenuItem(Owner);
    GroupItem->SetName(FreeName(Owner, Group.BaseName));
    GroupItem->SetCaption(Group.Caption);
    int Place = Count;
    for (int I = 0; I < Count; ++I) {
        const std::string& Caption = Bar->Items(I)->Caption();
        if (std::find(Group.PlacedBefore.begin(), Group.PlacedBefore.end(), Caption) !=
            Group.PlacedBefore.end()) {
            Place = I;
            break;
        }
    }
    Bar->Insert(Place, GroupItem);
    if (!FTitle.empty())
        GroupItem->Insert(0, MakeMenuEntry());
}

TMenuItem* TBoardHighlight::FindMenuEntry() const
{
    if (!FBoardMenu)
        return nullptr;
    const std::string Caption = GroupOf(FHighlightType).Caption;
    for (TMenuItem* Item : FBoardMenu->Items()->ItemList()) {
        if (Item->Caption() != Caption)
            continue;
        for (TMenuItem* Child : Item->ItemList())
            if (Child->Caption() == FTitle)
                return Child;
    }
    return nullptr;
}

void TBoardHighlight::SetMenuChecked(bool Value)
{
    if (TMenuItem* Entry = FindMenuEntry())
        Entry->SetChecked(Value);
}

void TBoardHighlight::MenuClick(TObject* Sender)
{
    auto* Item = dynamic_cast<TMenuItem*>(Sender);
    if (Item && Item->ClassNameIs("TMenuItem") && Item->Checked()) {
        if (FPopup) {
            FPopup->Close();
            return;
        }
        for (TBoardHighlight* Member : GroupMembers())
            if (Member->FPopup)
                Member->MenuClick(Sender);
        return;
    }
    Perform(CM_MOUSEENTER, 0, 0);
    Pin();
    Perform(CM_MOUSELEAVE, 0, 0);
}

void TBoardHighlight::StepThroughMenu(int Step)
{
    TMenuItem* Entry = FindMenuEntry();
    if (!Entry)
        return;
    TMenuItem* Group = Entry->Parent();
    const int Count = Group->Count();
    const int Index = Group->IndexOf(Entry);
    if (FPopup)
        FPopup->Close();
    TMenuItem* Target = Group->Items((Index + Step + Count) % Count);
    if (Target->OnClick)
        Target->OnClick(this);
}

void TBoardHighlight::PreviousClick(TObject*) { StepThroughMenu(-1); }

void TBoardHighlight::NextClick(TObject*) { StepThroughMenu(+1); }

} // namespace setup

namespace setup {

// Menu entries belong to the main window and may outlive the highlight.
TBoardHighlight::~TBoardHighlight()
{
    for (vcl::TMenuItem* Entry : FMenuEntries) {
        Entry->OnClick = nullptr;
        Entry->RemoveFreeNotification(this);
    }
}

} // namespace setup
