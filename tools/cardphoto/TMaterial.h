#pragma once

#include "TAxis.h"
#include "TRaster.h"
#include "TRgb.h"

#include <cstdint>

// Surface finishes shared by the parts: each a paint with its own fine texture.
class TMaterial
{
public:
    // Moulded epoxy: matte and slightly grainy.
    static TRaster::TPaint Epoxy(TRgb Colour, std::uint32_t Seed);
    // Brushed or rolled metal: fine streaks running along Streaks and a faint broad sheen.
    static TRaster::TPaint BrushedMetal(TRgb Colour, std::uint32_t Seed, TAxis Streaks);
};
