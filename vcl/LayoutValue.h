#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

// One value of a stored layout: a number, a string, a name, a set [a, b] or a
// string list ('a' 'b').
struct TLayoutValue
{
    enum TKind { Integer, String, Ident, Set, List };
    TKind Kind = Integer;
    int64_t Int = 0;
    std::string Text;
    std::vector<std::string> Items;
    int Line = 0;
};

} // namespace vcl
