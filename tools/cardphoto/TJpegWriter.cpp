#include "TJpegWriter.h"

#include <csetjmp>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {
struct TErrorManager
{
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// The library must not return from a fatal error, and an exception must not cross its C frames.
[[noreturn]] void LeaveOnError(j_common_ptr Info)
{
    auto* Manager = reinterpret_cast<TErrorManager*>(Info->err);
    Manager->Base.format_message(Info, Manager->Message);
    std::longjmp(Manager->Jump, 1);
}
} // namespace

TJpegWriter::TJpegWriter(int Quality) : FQuality(Quality) {}

std::vector<std::uint8_t> TJpegWriter::Encode(const TRaster& Raster) const
{
    const std::vector<std::uint8_t> Pixels = Raster.ToRgb8();
    jpeg_compress_struct Info{};
    TErrorManager Error{};
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;

    Info.err = jpeg_std_error(&Error.Base);
    Error.Base.error_exit = LeaveOnError;
    if (setjmp(Error.Jump)) {
        jpeg_destroy_compress(&Info);
        std::free(Buffer);
        throw std::runtime_error(std::string("JPEG encoding failed: ") + Error.Message);
    }

    jpeg_create_compress(&Info);
    jpeg_mem_dest(&Info, &Buffer, &Size);
    Info.image_width = static_cast<JDIMENSION>(Raster.Width());
    Info.image_height = static_cast<JDIMENSION>(Raster.Height());
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, FQuality, TRUE);
    for (int Component = 0; Component < Info.num_components; ++Component) {
        Info.comp_info[Component].h_samp_factor = 1;
        Info.comp_info[Component].v_samp_factor = 1;
    }
    Info.write_JFIF_header = TRUE;
    Info.density_unit = 1;
    Info.X_density = 72;
    Info.Y_density = 72;
    Info.optimize_coding = TRUE;
    jpeg_simple_progression(&Info);

    jpeg_start_compress(&Info, TRUE);
    const std::size_t Stride = static_cast<std::size_t>(Raster.Width()) * 3;
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Row = const_cast<JSAMPLE*>(&Pixels[Info.next_scanline * Stride]);
        jpeg_write_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);

    const std::unique_ptr<unsigned char, decltype(&std::free)> Owned(Buffer, &std::free);
    return std::vector<std::uint8_t>(Owned.get(), Owned.get() + Size);
}
