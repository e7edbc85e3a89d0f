#include "ScreenDump.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace realwindow {
namespace {

uint32_t ReadSize(std::istream& File)
{
    unsigned char Bytes[4] = {};
    File.read(reinterpret_cast<char*>(Bytes), sizeof Bytes);
    return Bytes[0] | Bytes[1] << 8 | Bytes[2] << 16 | static_cast<uint32_t>(Bytes[3]) << 24;
}

} // namespace

void LoadScreenDump(const std::string& Path, vcl::TBitmap& Target)
{
    std::ifstream File(Path, std::ios::binary);
    if (!File)
        throw std::runtime_error("no screen dump at " + Path);
    const uint32_t Width = ReadSize(File);
    const uint32_t Height = ReadSize(File);
    if (!File || Width == 0 || Height == 0 || Width > 16384 || Height > 16384)
        throw std::runtime_error("the screen dump " + Path + " has no valid size");
    Target.SetSize(static_cast<int>(Width), static_cast<int>(Height));
    File.read(reinterpret_cast<char*>(Target.Bits()),
              static_cast<std::streamsize>(Target.BytesPerLine()) * Height);
    if (!File || File.peek() != std::ifstream::traits_type::eof())
        throw std::runtime_error("the screen dump " + Path + " does not hold " + std::to_string(Width) +
                                 " x " + std::to_string(Height) + " pixels");
}

} // namespace realwindow
