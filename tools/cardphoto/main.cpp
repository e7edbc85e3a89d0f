#include "TCardScene.h"
#include "TJpegWriter.h"
#include "TRaster.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <vector>

namespace {
constexpr int PhotoWidth = 600;
constexpr int PhotoHeight = 414;
// The published photograph was this size; staying at or just under it keeps the picture
// as sharp as the budget allows.
constexpr std::size_t SizeBudget = 46836;

std::vector<std::uint8_t> EncodeWithinBudget(const TRaster& Raster)
{
    std::vector<std::uint8_t> Bytes;
    for (int Quality = 95; Quality >= 20; --Quality) {
        Bytes = TJpegWriter(Quality).Encode(Raster);
        if (Bytes.size() <= SizeBudget) {
            std::printf("quality %d, %zu bytes\n", Quality, Bytes.size());
            break;
        }
    }
    return Bytes;
}
} // namespace

int main(int Count, char** Arguments)
{
    if (Count != 2) {
        std::fprintf(stderr, "usage: cardphoto OUTPUT.jpg\n");
        return 2;
    }
    try {
        TRaster Raster(PhotoWidth, PhotoHeight);
        TCardScene(Raster).Paint();
        const std::vector<std::uint8_t> Bytes = EncodeWithinBudget(Raster);
        std::ofstream File(Arguments[1], std::ios::binary);
        File.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
        if (!File) {
            std::fprintf(stderr, "cardphoto: cannot write %s\n", Arguments[1]);
            return 1;
        }
    } catch (const std::exception& Error) {
        std::fprintf(stderr, "cardphoto: %s\n", Error.what());
        return 1;
    }
    return 0;
}
