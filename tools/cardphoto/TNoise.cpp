#include "TNoise.h"

#include <cmath>

TNoise::TNoise(std::uint32_t Seed) : FSeed(Seed) {}

float TNoise::Grain(int X, int Y) const
{
    std::uint32_t H =
        FSeed ^ (static_cast<std::uint32_t>(X) * 0x8da6b343u) ^ (static_cast<std::uint32_t>(Y) * 0xd8163841u);
    H ^= H >> 13;
    H *= 0x5bd1e995u;
    H ^= H >> 15;
    H *= 0x27d4eb2du;
    H ^= H >> 16;
    return static_cast<float>(H & 0xffffffu) / static_cast<float>(0x7fffffu) - 1.0f;
}

float TNoise::Smooth(float X, float Y, float Scale) const
{
    const float SX = X / Scale;
    const float SY = Y / Scale;
    const int CellX = static_cast<int>(std::floor(SX));
    const int CellY = static_cast<int>(std::floor(SY));
    float FX = SX - CellX;
    float FY = SY - CellY;
    FX = FX * FX * (3 - 2 * FX);
    FY = FY * FY * (3 - 2 * FY);
    const float Top = Grain(CellX, CellY) + (Grain(CellX + 1, CellY) - Grain(CellX, CellY)) * FX;
    const float Bottom =
        Grain(CellX, CellY + 1) + (Grain(CellX + 1, CellY + 1) - Grain(CellX, CellY + 1)) * FX;
    return Top + (Bottom - Top) * FY;
}

float TNoise::Cloudy(float X, float Y, float Scale) const
{
    return 0.55f * Smooth(X, Y, Scale) + 0.3f * Smooth(X + 17, Y - 5, Scale / 2.3f) +
           0.15f * Smooth(X - 9, Y + 31, Scale / 5.1f);
}
