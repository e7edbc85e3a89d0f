#include "DlopenCalls.h"

namespace {

std::vector<TDlopenCall>& RecordedCalls()
{
    static std::vector<TDlopenCall> Calls;
    return Calls;
}

} // namespace

extern "C" void* __real_dlopen(const char* FileName, int Flags);

extern "C" void* __wrap_dlopen(const char* FileName, int Flags)
{
    void* Handle = __real_dlopen(FileName, Flags);
    RecordedCalls().push_back({FileName != nullptr ? FileName : "", Handle != nullptr});
    return Handle;
}

const std::vector<TDlopenCall>& DlopenCalls() { return RecordedCalls(); }
