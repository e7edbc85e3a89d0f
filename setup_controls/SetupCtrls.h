#pragma once

// The setup component library: board view components and support services.
#include "setup_controls/BoardHighlight.h"
#include "setup_controls/BoardImage.h"
#include "setup_controls/HelpForm.h"
#include "setup_controls/PCIForm.h"
#include "setup_controls/RadioPanel.h"
#include "setup_controls/SetupMessages.h"
#include "setup_controls/SetupSupporter.h"
#include "setup_controls/TechForm.h"
#include "setup_controls/TwoJumper.h"

namespace setup {

// Makes the library's classes known to stored layouts.
void RegisterSetupControls();

} // namespace setup
