#pragma once

#include <cstdint>

// Deterministic noise, so every run draws the same photograph.
class TNoise
{
public:
    explicit TNoise(std::uint32_t Seed);

    // Independent value per integer cell, in -1..1.
    float Grain(int X, int Y) const;
    // Smoothly interpolated value noise with features of about Scale pixels, in -1..1.
    float Smooth(float X, float Y, float Scale) const;
    // A few octaves of Smooth, for mottled surfaces.
    float Cloudy(float X, float Y, float Scale) const;

private:
    std::uint32_t FSeed;
};
