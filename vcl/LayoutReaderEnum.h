#pragma once

#include "vcl/Object.h"

namespace vcl {

template <class E>
E LayoutEnum(const TLayoutValue& Value, const TLayoutReader& Reader,
             std::initializer_list<std::pair<const char*, E>> Names)
{
    if (Value.Kind == TLayoutValue::Ident)
        for (const auto& [Name, Enum] : Names)
            if (SameText(Value.Text, Name))
                return Enum;
    Reader.Fail(Value.Line, "invalid value " + Value.Text);
}

} // namespace vcl
