#pragma once

#include "TRaster.h"

#include <cstdint>
#include <vector>

// Encodes the photograph the way the program's picture was published: progressive JFIF,
// full-resolution chroma, 72 dots per inch.
class TJpegWriter
{
public:
    explicit TJpegWriter(int Quality);

    std::vector<std::uint8_t> Encode(const TRaster& Raster) const;

private:
    int FQuality;
};
