#include "vcl/DynamicLibrary.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>

namespace vcl {

namespace {

constexpr std::string_view WindowsSuffix = ".dll";

bool EndsWithIgnoringCase(std::string_view Text, std::string_view Suffix)
{
    return Text.size() >= Suffix.size() &&
           std::ranges::equal(Text.substr(Text.size() - Suffix.size()), Suffix, [](char A, char B) {
               return std::tolower(static_cast<unsigned char>(A)) ==
                      std::tolower(static_cast<unsigned char>(B));
           });
}

} // namespace

std::string PlatformLibraryName(std::string_view FileName)
{
    const std::size_t NameStart = FileName.rfind('/') + 1; // npos + 1 is 0
    std::string_view Folder = FileName.substr(0, NameStart);
    std::string_view Name = FileName.substr(NameStart);
    if (EndsWithIgnoringCase(Name, WindowsSuffix))
        Name.remove_suffix(WindowsSuffix.size());
    std::string Result(Folder);
    Result.append("lib").append(Name).append(".so");
    return Result;
}

HMODULE LoadLibraryA(const char* FileName)
{
    if (FileName == nullptr || *FileName == '\0')
        return nullptr;
    // dlopen looks a name without a slash up on the library path only.
    return static_cast<HMODULE>(dlopen(PlatformLibraryName(FileName).c_str(), RTLD_NOW | RTLD_LOCAL));
}

void* GetProcAddress(HMODULE Module, const char* ProcName)
{
    // A null handle would be RTLD_DEFAULT to dlsym and search the whole process.
    if (Module == nullptr || ProcName == nullptr)
        return nullptr;
    return dlsym(Module, ProcName);
}

} // namespace vcl
