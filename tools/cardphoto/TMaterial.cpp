#include "TMaterial.h"

#include "TNoise.h"

#include <cmath>

TRaster::TPaint TMaterial::Epoxy(TRgb Colour, std::uint32_t Seed)
{
    const TNoise Noise(Seed);
    return [Noise, Colour](float X, float Y) {
        const float Grain = 1 + 0.05f * Noise.Grain(static_cast<int>(X * 2), static_cast<int>(Y * 2)) +
                            0.04f * Noise.Smooth(X, Y, 9);
        return Colour * Grain;
    };
}

TRaster::TPaint TMaterial::BrushedMetal(TRgb Colour, std::uint32_t Seed, TAxis Streaks)
{
    const TNoise Noise(Seed);
    return [Noise, Colour, Streaks](float X, float Y) {
        const float Along = Streaks == TAxis::Horizontal ? X : Y;
        const float Across = Streaks == TAxis::Horizontal ? Y : X;
        const float Streak = 0.04f * Noise.Smooth(Along * 0.15f, Across * 6, 1) +
                             0.03f * Noise.Grain(static_cast<int>(Along / 3), static_cast<int>(Across * 3));
        const float Sheen = 0.06f * std::sin((X + Y) * 0.05f);
        return Colour * (1 + Streak + Sheen);
    };
}
