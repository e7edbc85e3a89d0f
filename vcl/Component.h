#pragma once

#include "vcl/Object.h"
#include "vcl/Set.h"

#include <string>
#include <vector>

namespace vcl {

enum TComponentStateKind { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateKind>;
enum TOperation { opInsert, opRemove };

// Owner tree: an owner destroys what it owns. Plain references between
// components stay safe through the removal notification.
class TComponent : public TObject
{
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return FOwner; }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* FindComponent(const std::string& AName) const;

    const std::string& Name() const { return FName; }
    virtual void SetName(const std::string& Value);

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value);
    void BeginLoading();
    // Ends loading and lets the component settle its loaded values.
    void EndLoading();

    // Where a stored layout nests this component: a parent window, a menu.
    virtual void SetParentComponent(TComponent*) {}

    // Asks for a removal notification when AComponent is destroyed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void Loaded() {}
    TComponentState FComponentState;

private:
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::string FName;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

bool IsValidIdent(const std::string& Ident);

} // namespace vcl
