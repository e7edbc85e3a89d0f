#include "vcl/Component.h"

#include "vcl/Exceptions.h"

#include <algorithm>
#include <cctype>

namespace vcl {

bool IsValidIdent(const std::string& Ident)
{
    if (Ident.empty())
        return false;
    auto IsAlpha = [](char C) { return std::isalpha(static_cast<unsigned char>(C)) || C == '_'; };
    if (!IsAlpha(Ident[0]))
        return false;
    return std::all_of(Ident.begin() + 1, Ident.end(),
                       [&](char C) { return IsAlpha(C) || std::isdigit(static_cast<unsigned char>(C)); });
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    FComponentState.Include(csDestroying);
    std::vector<TComponent*> Notifies;
    Notifies.swap(FFreeNotifies);
    for (TComponent* Other : Notifies) {
        auto& Back = Other->FFreeNotifies;
        Back.erase(std::remove(Back.begin(), Back.end(), this), Back.end());
        Other->Notification(this, opRemove);
    }
    // Last first; each removal is announced to the siblings still alive.
    while (!FComponents.empty())
        delete FComponents.back();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* Component : FComponents)
        if (SameText(Component->FName, AName))
            return Component;
    return nullptr;
}

void TComponent::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    if (!Value.empty() && !IsValidIdent(Value))
        throw EComponentError("\"" + Value + "\" is not a valid component name");
    if (FOwner) {
        TComponent* Existing = FOwner->FindComponent(Value);
        if (Existing && Existing != this)
            throw EComponentError("A component named " + Value + " already exists");
    }
    FName = Value;
}

void TComponent::SetDesigning(bool Value)
{
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
}

void TComponent::BeginLoading() { FComponentState.Include(csLoading); }

void TComponent::EndLoading()
{
    FComponentState.Exclude(csLoading);
    Loaded();
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(AComponent);
        AComponent->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent),
                        FFreeNotifies.end());
    auto& Back = AComponent->FFreeNotifies;
    Back.erase(std::remove(Back.begin(), Back.end(), this), Back.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    // Everything an owner holds hears of a sibling's removal.
    for (TComponent* Component : std::vector<TComponent*>(FComponents))
        if (Component != AComponent)
            Component->Notification(AComponent, Operation);
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (It == FComponents.end())
        return;
    FComponents.erase(It);
    AComponent->FOwner = nullptr;
    Notification(AComponent, opRemove);
}

} // namespace vcl
