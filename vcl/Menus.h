#pragma once

#include "vcl/Component.h"
#include "vcl/Types.h"

#include <string>
#include <vector>

namespace vcl {

class TCustomForm;
class TMenu;

// One entry of a menu; its sub-items are in order and go when it goes.
class TMenuItem : public TComponent
{
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    const std::vector<TMenuItem*>& ItemList() const { return FItems; }
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Parent() const { return FParent; }
    void Insert(int Index, TMenuItem* Item);
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    void Remove(TMenuItem* Item);
    void SetParentComponent(TComponent* Value) override;

    TNotifyEvent OnClick;
    virtual void Click();

private:
    friend class TMenu;
    void Changed();
    TMenu* RootMenu() const;

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
};

class TMenu : public TComponent
{
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    std::string ClassName() const override { return "TMenu"; }

    // The top-level items are the children of this root item.
    TMenuItem* Items() const { return FItems; }
    TCustomForm* Form() const { return FForm; }
    void SetForm(TCustomForm* Form) { FForm = Form; }
    // A caption, check mark or item list changed somewhere in the tree.
    void Changed();

private:
    TMenuItem* FItems;
    TCustomForm* FForm = nullptr;
};

class TMainMenu : public TMenu
{
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
    std::string ClassName() const override { return "TMainMenu"; }
};

} // namespace vcl
