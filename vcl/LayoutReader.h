#pragma once

#include "vcl/ClassRegistry.h"
#include "vcl/Component.h"
#include "vcl/LayoutValue.h"
#include "vcl/Types.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

// Reads a stored layout onto a root component that already exists:
//   object Name: TClass
//     Prop = value
//     object Child: TClass ... end
//   end
// Components are created in the listed order and owned by the root; values go
// over the constructors' values; references to components are bound once all
// exist, before loading completes. Any fault is an ELayoutError naming its line.
class TLayoutReader
{
public:
    using THandlerLookup = std::function<TNotifyEvent(const std::string& Name)>;

    TLayoutReader(TComponent& Root, THandlerLookup FindHandler);
    void Read(std::string_view Text);

    // For property setters.
    TComponent& Root() const { return FRoot; }
    TNotifyEvent Handler(const TLayoutValue& Value) const;
    // Binds Name once every component exists.
    void AddFixup(const TLayoutValue& Value, std::function<void(TComponent* Found)> Bind);
    [[noreturn]] void Fail(int Line, const std::string& Message) const;

private:
    struct TToken;
    class TLexer;
    void ReadObject(TLexer& Lexer, TComponent* Parent, bool IsRoot);
    TLayoutValue ReadValue(TLexer& Lexer);
    void ApplyProperty(TComponent& Target, const std::string& ClassName, const std::string& Property,
                       const TLayoutValue& Value);

    struct TFixup
    {
        TLayoutValue Value;
        std::function<void(TComponent*)> Bind;
    };
    TComponent& FRoot;
    THandlerLookup FFindHandler;
    std::vector<TFixup> FFixups;
    std::vector<TComponent*> FLoaded;
};

// Values as setters want them; a value of the wrong kind is an error on its line.
int LayoutInt(const TLayoutValue& Value, const TLayoutReader& Reader);
bool LayoutBool(const TLayoutValue& Value, const TLayoutReader& Reader);
std::string LayoutString(const TLayoutValue& Value, const TLayoutReader& Reader);
int LayoutColor(const TLayoutValue& Value, const TLayoutReader& Reader);
TAnchors LayoutAnchors(const TLayoutValue& Value, const TLayoutReader& Reader);
template <class E>
E LayoutEnum(const TLayoutValue& Value, const TLayoutReader& Reader,
             std::initializer_list<std::pair<const char*, E>> Names);

} // namespace vcl

#include "vcl/LayoutReaderEnum.h"
