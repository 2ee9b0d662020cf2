#include "core/Koerperphantome.h"

#include <cmath>
#include <cstdint>

namespace phantom {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A bone: a dense cortex round lighter marrow.
void knochen(std::vector<Ellipsoid>& t, double x, double y, double z, double a, double b, double c, double winkel,
             double rinde = 1400.0, double mark = 350.0, double wand = 0.3)
{
    t.push_back({x, y, z, a, b, c, winkel, rinde});
    t.push_back({x, y, z, a * (1.0 - wand), b * (1.0 - 0.5 * wand), c * (1.0 - wand), winkel, mark});
}

// A finger or a bone along a direction: from (x, y), length l, angle w in
// degrees counter-clockwise from straight up (the +y axis).
Ellipsoid laengs(double x, double y, double l, double dicke, double hoehe, double w, double hu)
{
    const double r = w * Pi / 180.0;
    return {x - std::sin(r) * l / 2.0, y + std::cos(r) * l / 2.0, 0.0, dicke, l / 2.0, hoehe, w, hu};
}

// Repeatable grain in [-1, 1].
double korn(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    return (h & 0xFFFFu) / 32767.5 - 1.0;
}

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void obereHaelftenLeeren()
{
    __builtin_ia32_vzeroupper();
}
#endif

}  // namespace

void vektorzustandLeeren()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (__builtin_cpu_supports("avx"))
        obereHaelftenLeeren();
#endif
}

const Phantom& brustkorb()
{
    static const Phantom k = [] {
        Phantom p;
        auto& t = p.teile;
        const double h = 0.5;  // half length along z: every part is a column through the slice
        // skin and fat under it, then the muscles of the chest wall
        t.push_back({0.00, 0.00, 0.0, 0.95, 0.62, h, 0, 30});
        t.push_back({0.00, 0.00, 0.0, 0.935, 0.605, h, 0, -100});
        t.push_back({0.00, -0.01, 0.0, 0.86, 0.55, h, 0, 50});
        // fat between the muscles and the ribs
        t.push_back({0.00, 0.00, 0.0, 0.82, 0.51, h, 0, -90});
        // the ribs in their ring, cut obliquely
        for (int i = 0; i < 16; ++i) {
            const double w = (i + 0.5) * 2.0 * Pi / 16.0;
            if (std::fabs(std::cos(w)) < 0.2 && std::sin(w) > 0)
                continue;  // the sternum takes the front
            const double x = 0.78 * std::cos(w), y = 0.485 * std::sin(w);
            knochen(t, x, y, 0.0, 0.055, 0.022, h, w * 180.0 / Pi + 90.0, 900.0, 250.0, 0.4);
        }
        // the chest cavity lined by the pleura
        t.push_back({0.00, 0.00, 0.0, 0.74, 0.45, h, 0, 40});
        // shoulder blades behind the ribs
        knochen(t, -0.60, -0.45, 0.0, 0.24, 0.03, h, 28, 800.0, 300.0, 0.4);
        knochen(t, 0.60, -0.45, 0.0, 0.24, 0.03, h, -28, 800.0, 300.0, 0.4);
        // the lungs
        t.push_back({-0.38, -0.02, 0.0, 0.33, 0.41, h, -6, -850});
        t.push_back({0.40, -0.04, 0.0, 0.30, 0.39, h, 8, -850});
        // vessels of the lungs: branches fanning out from the hila, thinner towards the edge
        for (int seite = -1; seite <= 1; seite += 2) {
            const double hx = seite * 0.20, hy = 0.0;
            for (int ast = 0; ast < 9; ++ast) {
                const double w = (-80.0 + ast * 20.0) * Pi / 180.0;
                for (int k = 1; k <= 4; ++k) {
                    const double r = 0.07 * k + 0.01 * ((ast * 3 + k) % 3);
                    const double x = hx + seite * r * std::cos(w) * 1.1;
                    const double y = hy + r * std::sin(w) * 1.3;
                    const double d = 0.022 - 0.004 * k;
                    t.push_back({x, y, 0.0, d, d * (1.0 + 0.3 * (k % 2)), h, double(ast * 20), 40});
                }
            }
            // bronchi: a thin wall round air, beside the arteries
            for (int b = 0; b < 4; ++b) {
                const double w = (-50.0 + b * 35.0) * Pi / 180.0;
                const double x = hx + seite * (0.13 + 0.04 * b) * std::cos(w);
                const double y = hy + (0.13 + 0.04 * b) * std::sin(w) + 0.03;
                const double d = 0.022 - 0.003 * b;
                t.push_back({x, y, 0.0, d, d, h, 0, 40});
                t.push_back({x, y, 0.0, d * 0.65, d * 0.65, h, 0, -950});
            }
        }
        // a small round nodule in the right lung
        t.push_back({-0.55, 0.16, 0.0, 0.035, 0.035, h, 0, 35});
        // the heart in its fat, chambers full of blood in the muscle
        t.push_back({0.12, 0.15, 0.0, 0.33, 0.25, h, 28, -95});
        t.push_back({0.12, 0.15, 0.0, 0.30, 0.22, h, 28, 50});
        t.push_back({0.20, 0.11, 0.0, 0.13, 0.11, h, 28, 38});
        t.push_back({0.02, 0.22, 0.0, 0.12, 0.09, h, 28, 38});
        // mediastinum behind the heart: fat, the descending aorta, the oesophagus with a little air
        t.push_back({0.03, -0.22, 0.0, 0.14, 0.12, h, 0, -90});
        t.push_back({0.12, -0.27, 0.0, 0.065, 0.065, h, 0, 42});
        t.push_back({-0.01, -0.20, 0.0, 0.035, 0.03, h, 0, 45});
        t.push_back({-0.01, -0.20, 0.0, 0.012, 0.010, h, 0, -900});
        // the spine: vertebral body, spinal canal, arch and spinous process, and the muscles beside it
        t.push_back({-0.20, -0.50, 0.0, 0.14, 0.07, h, 15, 55});
        t.push_back({0.20, -0.50, 0.0, 0.14, 0.07, h, -15, 55});
        knochen(t, 0.00, -0.36, 0.0, 0.11, 0.09, h, 0, 900.0, 280.0, 0.25);
        t.push_back({0.00, -0.49, 0.0, 0.075, 0.05, h, 0, 900});
        t.push_back({0.00, -0.48, 0.0, 0.045, 0.04, h, 0, 15});
        t.push_back({0.00, -0.565, 0.0, 0.02, 0.035, h, 0, 900});
        // the sternum in front
        knochen(t, 0.00, 0.455, 0.0, 0.08, 0.025, h, 0, 800.0, 300.0, 0.4);
        return p;
    }();
    return k;
}

const Phantom& hand()
{
    static const Phantom k = [] {
        Phantom p;
        auto& t = p.teile;
        // soft tissue: forearm, palm, thumb ball, the fingers
        t.push_back({0.02, -1.10, 0.0, 0.36, 0.55, 0.16, 0, 40});
        t.push_back({0.00, -0.32, 0.0, 0.44, 0.42, 0.13, 0, 40});
        t.push_back({0.34, -0.42, 0.0, 0.18, 0.28, 0.13, -30, 40});
        // fingers: base point, length, angle; index to little finger, then the thumb
        struct Finger { double x, y, l, d, w; };
        const Finger finger[] = {{0.26, 0.02, 0.80, 0.090, -8},
                                 {0.08, 0.06, 0.88, 0.095, -2},
                                 {-0.11, 0.03, 0.82, 0.090, 5},
                                 {-0.29, -0.05, 0.64, 0.080, 13},
                                 {0.45, -0.42, 0.62, 0.100, -42}};
        for (const Finger& f : finger)
            t.push_back(laengs(f.x, f.y, f.l, f.d, 0.09, f.w, 40));
        // forearm bones: radius (thumb side) and ulna, their ends at the wrist
        {
            const Ellipsoid r = laengs(0.15, -1.60, 0.95, 0.10, 0.08, 2, 0);
            knochen(t, r.x, r.y, 0.0, r.a, r.b, r.c, r.winkel, 1500.0, 300.0, 0.35);
            const Ellipsoid u = laengs(-0.16, -1.60, 0.90, 0.065, 0.065, -3, 0);
            knochen(t, u.x, u.y, 0.0, u.a, u.b, u.c, u.winkel, 1500.0, 300.0, 0.35);
        }
        // the eight carpal bones in two rows
        const double hand1[][4] = {{0.17, -0.62, 0.075, 0.06}, {0.02, -0.63, 0.065, 0.06},
                                   {-0.11, -0.61, 0.055, 0.05}, {-0.20, -0.58, 0.04, 0.04},
                                   {0.24, -0.50, 0.06, 0.055}, {0.11, -0.49, 0.05, 0.05},
                                   {-0.02, -0.48, 0.06, 0.07}, {-0.15, -0.48, 0.065, 0.065}};
        for (const auto& c : hand1)
            knochen(t, c[0], c[1], 0.0, c[2], c[3], 0.06, 0, 1100.0, 380.0, 0.25);
        // metacarpals, then the phalanges of every finger
        const double mittel[][4] = {{0.24, -0.42, 0.48, -6}, {0.07, -0.42, 0.50, -1},
                                    {-0.08, -0.42, 0.46, 4}, {-0.21, -0.40, 0.40, 10}, {0.31, -0.45, 0.30, -38}};
        for (const auto& m : mittel) {
            const Ellipsoid e = laengs(m[0], m[1], m[2], 0.036, 0.035, m[3], 0);
            knochen(t, e.x, e.y, 0.0, e.a, e.b, e.c, e.winkel);
        }
        const double glieder[][3] = {{0.30, 0.22, 0.16}, {0.34, 0.24, 0.17}, {0.31, 0.22, 0.16},
                                     {0.25, 0.17, 0.14}, {0.24, 0.0, 0.17}};
        for (int i = 0; i < 5; ++i) {
            const double w = mittel[i][3] * Pi / 180.0;
            double x = mittel[i][0] - std::sin(w) * (mittel[i][2] + 0.02);
            double y = mittel[i][1] + std::cos(w) * (mittel[i][2] + 0.02);
            const double fw = i < 4 ? finger[i].w : finger[4].w;
            const double r = fw * Pi / 180.0;
            for (int g = 0; g < 3; ++g) {
                const double l = glieder[i][g];
                if (l <= 0.0)
                    continue;
                const double dicke = 0.032 - 0.006 * g;
                const Ellipsoid e = laengs(x, y, l, dicke, 0.03, fw, 0);
                knochen(t, e.x, e.y, 0.0, e.a, e.b, e.c, e.winkel);
                x -= std::sin(r) * (l + 0.025);
                y += std::cos(r) * (l + 0.025);
            }
        }
        return p;
    }();
    return k;
}

std::vector<double> grobschnitt(const Phantom& p, int spalten, int zeilen, double z, double halbbreite,
                                double halbhoehe, int unter)
{
    std::vector<double> hu(std::size_t(spalten) * std::size_t(zeilen), p.umgebung);
    if (spalten <= 0 || zeilen <= 0 || unter <= 0)
        return hu;
    for (int sy = 0; sy < zeilen; ++sy)
        for (int sx = 0; sx < spalten; ++sx) {
            double summe = 0.0;
            for (int uy = 0; uy < unter; ++uy)
                for (int ux = 0; ux < unter; ++ux) {
                    const double fx = (sx + (ux + 0.5) / unter) / spalten;
                    const double fy = (sy + (uy + 0.5) / unter) / zeilen;
                    summe += wert(p, (fx * 2.0 - 1.0) * halbbreite, (1.0 - fy * 2.0) * halbhoehe, z);
                }
            hu[std::size_t(sy) * std::size_t(spalten) + std::size_t(sx)] = summe / (unter * unter);
        }
    return hu;
}

Graubild mosaik(const std::vector<double>& hu, int spalten, int zeilen, int breite, int hoehe, double zentrum,
                double fensterbreite, double rauschen)
{
    Graubild bild{breite, hoehe, std::vector<std::uint8_t>(std::size_t(breite) * std::size_t(hoehe), 0)};
    if (spalten <= 0 || zeilen <= 0 || hu.size() < std::size_t(spalten) * std::size_t(zeilen))
        return bild;
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const int sx = px * spalten / breite;
            const int sy = py * zeilen / hoehe;
            double wert = hu[std::size_t(sy) * std::size_t(spalten) + std::size_t(sx)];
            if (wert > -900.0)
                wert += rauschen * korn(sx, sy);
            bild.grau[std::size_t(py) * std::size_t(breite) + std::size_t(px)] =
                fenstergrau(wert, zentrum, fensterbreite);
        }
    return bild;
}

}  // namespace phantom
