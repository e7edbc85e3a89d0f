#pragma once

#include <cstdint>
#include <initializer_list>

namespace vcl {

// A set of enumeration values, the component model's `set of` type.
template <class E>
class TSet
{
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values)
    {
        for (E Value : Values)
            FBits |= Bit(Value);
    }

    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E Value)
    {
        FBits |= Bit(Value);
        return *this;
    }
    constexpr TSet& Exclude(E Value)
    {
        FBits &= ~Bit(Value);
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint32_t Bit(E Value) { return uint32_t(1) << static_cast<unsigned>(Value); }
    uint32_t FBits = 0;
};

} // namespace vcl
