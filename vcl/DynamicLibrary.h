#pragma once

#include <string>
#include <string_view>

namespace vcl {

struct TModule;

// Handle of a loaded library; nullptr when loading failed.
using HMODULE = TModule*;

// The platform's file name for a Windows-style library name: "NEXDRV.dll"
// becomes "libNEXDRV.so". Any folder part is kept as it is.
std::string PlatformLibraryName(std::string_view FileName);

// Loads a library by its Windows-style name; nullptr when it cannot be loaded.
// A plain name is searched only where the system keeps its libraries
// (LD_LIBRARY_PATH, the loader cache, /lib, /usr/lib), never in the current
// folder: nothing is put in front of the name to make it a path.
HMODULE LoadLibraryA(const char* FileName);

// The address exported under ProcName; nullptr when it is missing.
void* GetProcAddress(HMODULE Module, const char* ProcName);

} // namespace vcl
