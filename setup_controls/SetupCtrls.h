#pragma once

// The setup component library: board view components and support services.
#include "setup_controls/BoardImage.h"

namespace setup {

// Makes the library's classes known to stored layouts.
void RegisterSetupControls();

} // namespace setup
