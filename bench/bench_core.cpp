// Speed of the simulator model without any drawing: whole scans, the image
// filters and the two colour mappings.

#include "core/Farben.h"
#include "core/Filter.h"
#include "core/Muster.h"
#include "core/Simulator.h"

#include <benchmark/benchmark.h>

namespace {

// A pattern for every grid: the heart where the library has one, otherwise a
// disc around the centre.
ct::Bildfeld Muster(const ct::Simulator& sim)
{
    const int n = sim.Raster;
    ct::Bildfeld bild;
    if (n == 38 || n == 56) {
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                bild(x, y).Belegt = false;
        ct::HerzMalen(n, [&](int x, int y) { bild(x, y).Belegt = true; });
    } else {
        const double r = n / 3.0 + 0.5;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const double dx = x - (n + 1) / 2.0, dy = y - (n + 1) / 2.0;
                bild(x, y).Belegt = dx * dx + dy * dy <= r * r;
            }
    }
    return bild;
}

// Args: grid size, angle step, convolution (0 or 1).
void Scan(benchmark::State& state)
{
    ct::Simulator sim;
    sim.RasterEinrichten(static_cast<int>(state.range(0)), 800, 128.0f, 128.0f);
    sim.Winkelschritt = static_cast<int>(state.range(1));
    sim.Faltung = state.range(2) != 0;
    const ct::Bildfeld muster = Muster(sim);
    ct::StillerBeobachter still;
    for (auto _ : state) {
        sim.CTBild = muster;
        sim.Tomographie(still);
        sim.BildgrenzenSetzen();
        benchmark::DoNotOptimize(sim.Bildmaximum);
    }
    state.counters["projections"] = 180.0 / static_cast<double>(state.range(1));
}
BENCHMARK(Scan)
    ->ArgNames({"n", "step", "conv"})
    ->ArgsProduct({{4, 20, 38, 56}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// A CT picture of the heart on 56 x 56 at 1 degree with convolution.
const ct::Simulator& Gescannt()
{
    static const ct::Simulator sim = [] {
        ct::Simulator s;
        s.RasterEinrichten(56, 800, 128.0f, 128.0f);
        s.Winkelschritt = 1;
        s.Faltung = true;
        s.CTBild = Muster(s);
        ct::StillerBeobachter still;
        s.Tomographie(still);
        s.BildgrenzenSetzen();
        return s;
    }();
    return sim;
}

void Filter(benchmark::State& state)
{
    const ct::Simulator& sim = Gescannt();
    const auto art = static_cast<ct::Filterart>(state.range(0));
    const ct::Kern eigen{0, 0, 1, 0, 0, 0, 0, 0, 0};
    ct::Bildfeld filter;
    for (auto _ : state) {
        ct::FilterAnwenden(art, sim.CTBild, filter, 56, eigen);
        benchmark::DoNotOptimize(filter);
    }
}
BENCHMARK(Filter)
    ->ArgName("code")
    ->Arg(1)->Arg(2)->Arg(3)->Arg(71)->Arg(72)->Arg(8)
    ->Arg(41)->Arg(42)->Arg(51)->Arg(52)->Arg(61)->Arg(62)
    ->Unit(benchmark::kMicrosecond);

void Graucode(benchmark::State& state)
{
    const ct::Simulator& sim = Gescannt();
    const int P = static_cast<int>(state.range(0));
    for (auto _ : state) {
        ct::Graufeld stufen = ct::GraucodeAenderung(P, sim.CTBild, 56, sim.Bildminimum, sim.Bildmaximum);
        benchmark::DoNotOptimize(stufen);
    }
}
BENCHMARK(Graucode)->ArgName("P")->Arg(0)->Arg(100)->Unit(benchmark::kMicrosecond);

void Standardfaerbung(benchmark::State& state)
{
    const ct::Simulator& sim = Gescannt();
    for (auto _ : state) {
        ct::Graufeld stufen = ct::Faerben(sim.CTBild, 56);
        benchmark::DoNotOptimize(stufen);
    }
}
BENCHMARK(Standardfaerbung)->Unit(benchmark::kMicrosecond);

}  // namespace
