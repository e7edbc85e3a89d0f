#pragma once

#include <ostream>
#include <string>
#include <vector>

// One call of dlopen made in this process.
struct TDlopenCall
{
    std::string FileName;
    bool Loaded;

    bool operator==(const TDlopenCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& Stream, const TDlopenCall& Call)
{
    return Stream << '"' << Call.FileName << (Call.Loaded ? "\" loaded" : "\" not loaded");
}

// Every dlopen call of this process so far, oldest first. The test binary is
// linked with --wrap=dlopen, so no load made by the code under test escapes.
const std::vector<TDlopenCall>& DlopenCalls();
