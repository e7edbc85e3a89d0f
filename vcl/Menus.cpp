#include "vcl/Menus.h"

#include "vcl/Form.h"

#include <algorithm>

namespace vcl {

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
}

void TMenuItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    Changed();
}

void TMenuItem::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    Changed();
}

void TMenuItem::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    Changed();
}

void TMenuItem::SetVisible(bool Value)
{
    if (Value == FVisible)
        return;
    FVisible = Value;
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item == this)
        return;
    if (Item->FParent)
        Item->FParent->Remove(Item);
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    if (It == FItems.end())
        return;
    FItems.erase(It);
    Item->FParent = nullptr;
    Changed();
}

void TMenuItem::SetParentComponent(TComponent* Value)
{
    if (auto* Menu = dynamic_cast<TMenu*>(Value))
        Menu->Items()->Add(this);
    else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
        Item->Add(this);
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

TMenu* TMenuItem::RootMenu() const
{
    const TMenuItem* Item = this;
    while (Item->FParent)
        Item = Item->FParent;
    return Item->FMenu;
}

void TMenuItem::Changed()
{
    if (TMenu* Menu = RootMenu())
        Menu->Changed();
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr))
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    FForm = nullptr;
    delete FItems;
}

void TMenu::Changed()
{
    if (FForm && FForm->Menu() == this)
        FForm->MenuChanged();
}

} // namespace vcl
