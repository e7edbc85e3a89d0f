#pragma once

namespace setup {

// Makes the information panel and the jumper glyph known to stored layouts.
void RegisterJumperControls();

} // namespace setup
