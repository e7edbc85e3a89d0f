#pragma once

// Linear-ish colour in 0..255 per channel; float so shading can overshoot before clamping.
struct TRgb
{
    float R = 0;
    float G = 0;
    float B = 0;

    friend TRgb operator+(TRgb A, TRgb B) { return {A.R + B.R, A.G + B.G, A.B + B.B}; }
    friend TRgb operator-(TRgb A, TRgb B) { return {A.R - B.R, A.G - B.G, A.B - B.B}; }
    friend TRgb operator*(TRgb A, float K) { return {A.R * K, A.G * K, A.B * K}; }
    friend TRgb operator*(float K, TRgb A) { return A * K; }
};

inline TRgb Mix(TRgb A, TRgb B, float T) { return A + (B - A) * T; }
