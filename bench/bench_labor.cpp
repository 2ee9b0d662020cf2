// Speed of the sinogram window's laboratory on the heart, 56 x 56 at 1
// degree: a detector's path-length readings (with and without noise, and
// the first walk of a grid's ray paths), the filtered back-projection of
// them, one sweep of the iterative reconstruction, the fitted figure, and
// the work the window does for every row a scan measures.

#include "core/Detektor.h"
#include "core/Iterativ.h"
#include "core/Kennzahlen.h"
#include "core/Muster.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"
#include "core/Strahlmatrix.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

struct Herzscan
{
    ct::Simulator sim;
    ct::Bildfeld muster;
    ct::Sinogramm weg;   // the detector's readings without noise
};

const Herzscan& Herz()
{
    static const Herzscan h = [] {
        Herzscan s;
        s.sim.RasterEinrichten(56, 800, 128.0f, 128.0f);
        s.sim.Winkelschritt = 1;
        for (int x = 1; x <= ct::Feldgroesse; ++x)
            for (int y = 1; y <= ct::Feldgroesse; ++y)
                s.sim.CTBild(x, y).Belegt = false;
        ct::HerzMalen(56, [&](int x, int y) { s.sim.CTBild(x, y).Belegt = true; });
        s.muster = s.sim.CTBild;
        ct::StillerBeobachter still;
        s.sim.Tomographie(still);
        s.weg = ct::Detektormessung(s.sim.Messung, s.muster, 0.0);
        return s;
    }();
    return h;
}

// Args: photons per ray (0: no noise).
void Weglaengenmessung(benchmark::State& state)
{
    const Herzscan& h = Herz();
    const double photonen = static_cast<double>(state.range(0));
    for (auto _ : state) {
        const ct::Sinogramm w = ct::Detektormessung(h.sim.Messung, h.muster, photonen);
        benchmark::DoNotOptimize(w.Hoechstwert());
    }
}
BENCHMARK(Weglaengenmessung)->ArgName("photons")->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Walking every ray of the 56 x 56 grid at every whole degree for its path
// lengths: what the first detector readings of a grid cost on top.
void Weglaengenwege(benchmark::State& state)
{
    std::vector<std::uint16_t> stellen;
    std::vector<float> laengen;
    stellen.reserve(200);
    laengen.reserve(200);
    const double pi = 3.14159265358979323846;
    for (auto _ : state) {
        std::size_t zahl = 0;
        for (int a = 0; a < 180; ++a) {
            const double co = std::cos(a * pi / 180.0), si = std::sin(a * pi / 180.0);
            for (int k = 1; k <= 80; ++k) {
                stellen.clear();
                laengen.clear();
                const double d = k - 0.5 - 40.0;
                ct::Weglaengen(56, 28.0 - d * si, 28.0 + d * co, co, si, stellen, laengen);
                zahl += stellen.size();
            }
        }
        benchmark::DoNotOptimize(zahl);
    }
}
BENCHMARK(Weglaengenwege)->Unit(benchmark::kMicrosecond);

// Filtered back-projection of the path lengths: 0 plain, 1 Ram-Lak, 3 Hann.
void DetektorRueckprojektion(benchmark::State& state)
{
    const Herzscan& h = Herz();
    const int kern = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const ct::Bildfeld bild = kern == 0   ? ct::Rueckprojektion(h.weg)
                                  : kern == 1 ? ct::GefilterteRueckprojektion(h.weg, ct::Faltungskern::RamLak)
                                              : ct::GefilterteRueckprojektion(h.weg, ct::Faltungskern::Hann);
        benchmark::DoNotOptimize(bild);
    }
}
BENCHMARK(DetektorRueckprojektion)->ArgName("kern")->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// Args: reading kind (0 counted, 1 path length), sweeps. Each sweep includes
// the residual after it.
void Iterativ(benchmark::State& state)
{
    const Herzscan& h = Herz();
    const ct::Sinogramm& s = state.range(0) == 0 ? h.sim.Messung : h.weg;
    const int durchlaeufe = static_cast<int>(state.range(1));
    for (auto _ : state) {
        const ct::Iterationsergebnis e = ct::IterativeRekonstruktion(s, durchlaeufe);
        benchmark::DoNotOptimize(e.Residuen.data());
    }
}
BENCHMARK(Iterativ)->ArgNames({"path", "sweeps"})->Args({0, 1})->Args({1, 1})->Args({1, 10})->Unit(
    benchmark::kMillisecond);

void Anpassung(benchmark::State& state)
{
    const Herzscan& h = Herz();
    const ct::Bildfeld bild = ct::GefilterteRueckprojektion(h.weg, ct::Faltungskern::RamLak);
    for (auto _ : state) {
        const ct::Anpassung a = ct::Anpassen(bild, h.muster, 56);
        benchmark::DoNotOptimize(a.Rms);
    }
}
BENCHMARK(Anpassung)->Unit(benchmark::kMicrosecond);

// What the window's model does for every row of a scan with path lengths
// and noise: the row's readings, its filtered row, and both growing
// pictures, for all 180 rows (divide by 180 for one row).
void ZeilenDesScans(benchmark::State& state)
{
    const Herzscan& h = Herz();
    const ct::Sinogramm& voll = h.sim.Messung;
    std::vector<float> werte(std::size_t(voll.Strahlzahl()) + 1);
    for (auto _ : state) {
        ct::Sinogramm scan(56, voll.Kaestchengroesse(), voll.Strahlzahl(), 1), weg, gefiltert;
        ct::Rueckprojektionsaufbau einfach, ramLak(ct::Faltungskern::RamLak);
        for (int z = 0; z < voll.Zeilenzahl(); ++z) {
            for (int k = 1; k <= voll.Strahlzahl(); ++k)
                werte[std::size_t(k)] = voll.Messwert(z, k);
            scan.ZeileAnfuegen(werte.data());
            ct::Nachfuehren(scan, h.muster, 1e4, weg);
            ct::GefiltertNachfuehren(weg, ct::Faltungskern::RamLak, gefiltert);
            einfach.Nachfuehren(weg);
            ramLak.Nachfuehren(weg);
        }
        benchmark::DoNotOptimize(ramLak.Bild());
    }
}
BENCHMARK(ZeilenDesScans)->Unit(benchmark::kMicrosecond);

}  // namespace
