#pragma once

#include "vcl/Messages.h"

#include <cstdint>

namespace setup {

// The program's own window messages; both carry WParam 0 and LParam 0.
// The main window posts the first to itself to start up after its first show.
constexpr uint32_t UM_DEFERREDSTART = vcl::WM_USER + 153;
// Sent to the board image to open its first circle's popup, pinned.
constexpr uint32_t UM_STARTTOUR = vcl::WM_USER + 162;

} // namespace setup
