#include "MainForm.h"

#include "vcl/JpegImage.h"
#include "vcl/Resources.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>

namespace {

// The program decodes the card photograph before its window can show.
void BM_DecodeCardPhotograph(benchmark::State& State)
{
    const std::span<const uint8_t> Bytes = vcl::FindResource("card.jpg");
    vcl::TJPEGImage Image;
    for (auto _ : State) {
        Image.LoadFromBytes(Bytes);
        benchmark::DoNotOptimize(Image.Bitmap().Bits());
    }
    State.SetBytesProcessed(State.iterations() * static_cast<int64_t>(Bytes.size()));
}
BENCHMARK(BM_DecodeCardPhotograph)->Unit(benchmark::kMillisecond);

// Reading the stored layout builds every control of the main window, photograph included.
void BM_BuildMainForm(benchmark::State& State)
{
    for (auto _ : State) {
        auto* Form = new TMainForm(nullptr);
        benchmark::DoNotOptimize(Form);
        delete Form;
    }
}
BENCHMARK(BM_BuildMainForm)->Unit(benchmark::kMillisecond);

} // namespace
