#include "vcl/Platform.h"

namespace vcl {
namespace {
IPlatform* CurrentPlatform = nullptr;
}

IPlatform* Platform() { return CurrentPlatform; }

void SetPlatform(IPlatform* Value) { CurrentPlatform = Value; }

} // namespace vcl
