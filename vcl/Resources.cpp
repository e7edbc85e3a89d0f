#include "vcl/Resources.h"

#include "vcl/Exceptions.h"

#include <map>

namespace vcl {
namespace {

std::map<std::string, std::span<const uint8_t>>& Table()
{
    static std::map<std::string, std::span<const uint8_t>> Resources;
    return Resources;
}

} // namespace

void RegisterResource(const std::string& Name, const unsigned char* Data, size_t Size)
{
    Table()[Name] = std::span<const uint8_t>(Data, Size);
}

std::span<const uint8_t> FindResource(const std::string& Name)
{
    auto It = Table().find(Name);
    if (It == Table().end())
        throw Exception("Resource " + Name + " not found");
    return It->second;
}

bool HasResource(const std::string& Name) { return Table().count(Name) != 0; }

} // namespace vcl
