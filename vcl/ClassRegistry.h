#pragma once

#include "vcl/Component.h"
#include "vcl/LayoutValue.h"
#include "vcl/Types.h"

#include <functional>
#include <map>
#include <string>

namespace vcl {

class TLayoutReader;

using TPropertySetter =
    std::function<void(TComponent& Target, const TLayoutValue& Value, TLayoutReader& Reader)>;

// What a stored layout may create and set: a class by name, its base class, how
// to make one, and its properties by name (letter case ignored).
struct TClassInfo
{
    std::string Name;
    std::string BaseName;
    std::function<TComponent*(TComponent* Owner)> Create;
    std::map<std::string, TPropertySetter> Properties;
};

void RegisterClass(TClassInfo Info);
const TClassInfo* FindClassInfo(const std::string& Name);
// Looks the property up in the class, then in its base classes.
const TPropertySetter* FindProperty(const std::string& ClassName, const std::string& Property);

} // namespace vcl
