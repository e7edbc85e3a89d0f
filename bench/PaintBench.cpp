#include "MainForm.h"

#include "setup_controls/BoardHighlight.h"
#include "setup_controls/BoardImage.h"
#include "setup_controls/RadioPanel.h"
#include "setup_controls/TwoJumper.h"
#include "vcl/Bitmap.h"
#include "vcl/Color.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Each circle tints three images on its first paint; the tall termination
// circle (30 x 173) is the largest on the board.
void BM_TintCircle(benchmark::State& State)
{
    const auto Width = static_cast<int>(State.range(0));
    const auto Height = static_cast<int>(State.range(1));
    vcl::TBitmap Image;
    Image.SetSize(Width, Height);
    for (auto _ : State) {
        setup::TBoardHighlight::TintCircle(Image, Width - 1, Height - 1, 0.5f, vcl::clRed, true);
        benchmark::DoNotOptimize(Image.Bits());
    }
}
BENCHMARK(BM_TintCircle)->ArgNames({"width", "height"})->Args({30, 173})->Args({65, 65});

// The first paint of a fresh window also prepares both circles' images.
void BM_FirstBoardPaint(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        auto Form = std::make_unique<TMainForm>(nullptr);
        State.ResumeTiming();
        benchmark::DoNotOptimize(Form->BoardImage1->PaintWindow().Bits());
        State.PauseTiming();
        Form.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_FirstBoardPaint)->Unit(benchmark::kMicrosecond);

// Every later paint only copies the prepared images: what hovering costs.
void BM_BoardRepaint(benchmark::State& State)
{
    TMainForm Form(nullptr);
    Form.BoardImage1->PaintWindow();
    for (auto _ : State)
        benchmark::DoNotOptimize(Form.BoardImage1->PaintWindow().Bits());
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMicrosecond);

// A click on a jumper glyph repaints its panel with the glyph drawn, turned and copied.
void BM_JumperPaint(benchmark::State& State)
{
    setup::TRadioPanel Panel(nullptr);
    auto* Jumper = new setup::TTwoJumper(&Panel);
    Jumper->SetParent(&Panel);
    Jumper->SetBounds(6, 4, 34, 18);
    Panel.PaintWindow();
    for (auto _ : State)
        benchmark::DoNotOptimize(Panel.PaintWindow().Bits());
}
BENCHMARK(BM_JumperPaint)->Unit(benchmark::kMicrosecond);

} // namespace
