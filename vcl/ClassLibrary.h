#pragma once

namespace vcl {

// Registers the picture formats and the classes a stored layout may name.
void InitializeClassLibrary();

} // namespace vcl
