// Speed of the pictures computed from the head phantom: the cross-section of
// the start, info and heads windows at both layouts, the side X-ray of page 4
// and of the answer dialogs, and the coarse matrix of the 1974 head.

#include "core/Koerperphantome.h"
#include "core/Phantom.h"

#include <benchmark/benchmark.h>

namespace {

void Kopfschnitt(benchmark::State& state)
{
    const int b = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    phantom::kopf();
    phantom::vektorzustandLeeren();
    for (auto _ : state) {
        phantom::Graubild g = phantom::schnitt(phantom::kopf(), b, h, phantom::KopfSchnitthoehe, 0.74, 0.74 * h / b,
                                               35.0, 90.0, 3.0);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(Kopfschnitt)->Args({252, 300})->Args({323, 384})->Unit(benchmark::kMillisecond);

void Seitenaufnahme(benchmark::State& state)
{
    const int b = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    phantom::kopf();
    phantom::vektorzustandLeeren();
    for (auto _ : state) {
        phantom::Graubild g = phantom::seitenaufnahme(phantom::kopf(), b, h, 0.9, 0.9 * h / b);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(Seitenaufnahme)->Args({177, 249})->Args({227, 319})->Unit(benchmark::kMillisecond);

void Grobschnitt(benchmark::State& state)
{
    phantom::kopf();
    phantom::vektorzustandLeeren();
    for (auto _ : state) {
        std::vector<double> hu =
            phantom::grobschnitt(phantom::kopf(), 60, 71, phantom::KopfSchnitthoehe, 0.74, 0.74 * 71 / 60, 4);
        benchmark::DoNotOptimize(hu);
    }
}
BENCHMARK(Grobschnitt)->Unit(benchmark::kMillisecond);

}  // namespace
