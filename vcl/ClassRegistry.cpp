#include "vcl/ClassRegistry.h"

#include <cctype>

namespace vcl {
namespace {

std::string Lower(std::string Text)
{
    for (char& C : Text)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    return Text;
}

std::map<std::string, TClassInfo>& Classes()
{
    static std::map<std::string, TClassInfo> Table;
    return Table;
}

} // namespace

void RegisterClass(TClassInfo Info)
{
    std::map<std::string, TPropertySetter> Properties;
    for (auto& [Name, Setter] : Info.Properties)
        Properties[Lower(Name)] = std::move(Setter);
    Info.Properties = std::move(Properties);
    const std::string Key = Lower(Info.Name);
    Classes()[Key] = std::move(Info);
}

const TClassInfo* FindClassInfo(const std::string& Name)
{
    auto It = Classes().find(Lower(Name));
    return It == Classes().end() ? nullptr : &It->second;
}

const TPropertySetter* FindProperty(const std::string& ClassName, const std::string& Property)
{
    const std::string Key = Lower(Property);
    for (const TClassInfo* Info = FindClassInfo(ClassName); Info; Info = FindClassInfo(Info->BaseName)) {
        auto It = Info->Properties.find(Key);
        if (It != Info->Properties.end())
            return &It->second;
        if (Info->BaseName.empty())
            break;
    }
    return nullptr;
}

} // namespace vcl
