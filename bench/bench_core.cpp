// Speed of the simulator model without any drawing: whole scans, the image
// filters, the two colour mappings, and the pictures and links made from a
// scan's sinogram.

#include "core/Farben.h"
#include "core/Filter.h"
#include "core/Muster.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"

#include <benchmark/benchmark.h>

#include <array>

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

// Back-projection of the heart's sinogram (56 x 56, 1 degree): kern 0 plain,
// 1 Ram-Lak, 2 Shepp-Logan, 3 Hann. The walks of the grid are kept after the
// first iteration, as in the program after its first picture of a grid.
void Rueckprojektion(benchmark::State& state)
{
    const ct::Sinogramm& g = Gescannt().Messung;
    const int kern = static_cast<int>(state.range(0));
    constexpr std::array<ct::Faltungskern, 3> kerne{ct::Faltungskern::RamLak, ct::Faltungskern::SheppLogan,
                                                    ct::Faltungskern::Hann};
    for (auto _ : state) {
        const ct::Bildfeld bild = kern == 0 ? ct::Rueckprojektion(g)
                                            : ct::GefilterteRueckprojektion(g, kerne[std::size_t(kern - 1)]);
        benchmark::DoNotOptimize(bild);
    }
}
BENCHMARK(Rueckprojektion)->ArgName("kern")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// What the first picture of a grid costs on top: walking every ray of the
// 56 x 56 grid at every whole degree.
void Strahlwege(benchmark::State& state)
{
    const ct::Simulator& sim = Gescannt();
    ct::Strahlstellen stellen;
    for (auto _ : state) {
        int zahl = 0;
        for (int a = 0; a < 180; ++a)
            for (int k = 1; k <= sim.Strahlzahl; ++k)
                zahl += sim.StrahlstellenFuellen(a, k, stellen);
        benchmark::DoNotOptimize(zahl);
    }
}
BENCHMARK(Strahlwege)->Unit(benchmark::kMicrosecond);

// The links of the sinogram window: a cell's sine curve (a click) and a
// ray's cells (a hover).
void Sinuskurve(benchmark::State& state)
{
    const ct::Sinogramm& g = Gescannt().Messung;
    for (auto _ : state) {
        const auto kurve = ct::Sinuskurve(g, 20, 30);
        benchmark::DoNotOptimize(kurve.data());
    }
}
BENCHMARK(Sinuskurve)->Unit(benchmark::kMicrosecond);

void KaestchenDesStrahls(benchmark::State& state)
{
    const ct::Sinogramm& g = Gescannt().Messung;
    for (auto _ : state) {
        const auto zellen = ct::KaestchenDesStrahls(g, 37, 40);
        benchmark::DoNotOptimize(zellen.data());
    }
}
BENCHMARK(KaestchenDesStrahls)->Unit(benchmark::kMicrosecond);

}  // namespace
