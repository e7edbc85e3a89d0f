#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vcl {

// Files compiled into the program, found by name.
void RegisterResource(const std::string& Name, const unsigned char* Data, size_t Size);
// Raises when there is no such resource.
std::span<const uint8_t> FindResource(const std::string& Name);
bool HasResource(const std::string& Name);

} // namespace vcl
