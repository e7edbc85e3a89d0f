#pragma once

#include "vcl/Color.h"
#include "vcl/LayoutReader.h"

#include <string>

namespace vcl {

// Setters for class registrations: each converts the stored value and calls
// the component's own setter, so a layout value goes where code would put it.
template <class C, class V>
TPropertySetter Property(void (C::*Setter)(V), V (*Convert)(const TLayoutValue&, const TLayoutReader&))
{
    return [Setter, Convert](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        (dynamic_cast<C&>(Target).*Setter)(Convert(Value, Reader));
    };
}

template <class C>
TPropertySetter IntProperty(void (C::*Setter)(int))
{
    return Property<C, int>(Setter, LayoutInt);
}

template <class C>
TPropertySetter BoolProperty(void (C::*Setter)(bool))
{
    return Property<C, bool>(Setter, LayoutBool);
}

template <class C>
TPropertySetter ColorProperty(void (C::*Setter)(TColor))
{
    return Property<C, TColor>(Setter, LayoutColor);
}

template <class C>
TPropertySetter AnchorsProperty(void (C::*Setter)(TAnchors))
{
    return Property<C, TAnchors>(Setter, LayoutAnchors);
}

template <class C>
TPropertySetter StringProperty(void (C::*Setter)(const std::string&))
{
    return [Setter](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        (dynamic_cast<C&>(Target).*Setter)(LayoutString(Value, Reader));
    };
}

template <class C, class E>
TPropertySetter EnumProperty(void (C::*Setter)(E), std::initializer_list<std::pair<const char*, E>> Names)
{
    std::vector<std::pair<const char*, E>> Table(Names);
    return [Setter, Table](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        if (Value.Kind == TLayoutValue::Ident)
            for (const auto& [Name, Enum] : Table)
                if (SameText(Value.Text, Name)) {
                    (dynamic_cast<C&>(Target).*Setter)(Enum);
                    return;
                }
        Reader.Fail(Value.Line, "invalid value " + Value.Text);
    };
}

template <class C, class Event>
TPropertySetter EventProperty(Event C::*Field)
{
    return [Field](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        dynamic_cast<C&>(Target).*Field = Reader.Handler(Value);
    };
}

// A reference to a component that may come later in the layout.
template <class C, class R>
TPropertySetter ReferenceProperty(void (C::*Setter)(R*))
{
    return [Setter](TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader) {
        C* Owner = &dynamic_cast<C&>(Target);
        Reader.AddFixup(Value, [Owner, Setter, Value, &Reader](TComponent* Found) {
            R* Typed = dynamic_cast<R*>(Found);
            if (!Typed)
                Reader.Fail(Value.Line,
                            Value.Text + " is a " + Found->ClassName() + ", not a fitting component");
            (Owner->*Setter)(Typed);
        });
    };
}

} // namespace vcl
