// Runs with the complete substitute driver on the library path.
#include "vcl/DynamicLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(DynamicLibrary, MapsWindowsNamesToPlatformNames)
{
    const struct
    {
        const char* Given;
        const char* Expected;
    } Cases[] = {
        {"NEXDRV.dll", "libNEXDRV.so"},
        {"nexdrv.DLL", "libnexdrv.so"},
        {"NEXDRV", "libNEXDRV.so"},
        {"NEXDRV.dll.old", "libNEXDRV.dll.old.so"},
        {".dll", "lib.so"},
        {"drivers/NEXDRV.Dll", "drivers/libNEXDRV.so"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(vcl::PlatformLibraryName(Case.Given), Case.Expected) << Case.Given;
}

TEST(DynamicLibrary, LoadFailsWithoutCrashing)
{
    EXPECT_EQ(vcl::LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(vcl::LoadLibraryA(""), nullptr);
    EXPECT_EQ(vcl::LoadLibraryA("NoSuchLibrary.dll"), nullptr);
}

TEST(DynamicLibrary, FindsOnlyWhatTheLibraryExportsUnderThatExactName)
{
    const vcl::HMODULE Library = vcl::LoadLibraryA("NEXDRV.dll");
    ASSERT_NE(Library, nullptr);

    EXPECT_NE(vcl::GetProcAddress(Library, "GetNumCards"), nullptr);
    EXPECT_EQ(vcl::GetProcAddress(Library, "getnumcards"), nullptr);
    EXPECT_EQ(vcl::GetProcAddress(Library, "NoSuchEntry"), nullptr);
    EXPECT_EQ(vcl::GetProcAddress(Library, nullptr), nullptr);
    // dlsym would search the whole process for a null handle.
    EXPECT_EQ(vcl::GetProcAddress(nullptr, "dlopen"), nullptr);
}

} // namespace
