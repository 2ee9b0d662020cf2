#include "core/Koerperphantome.h"

#include <algorithm>
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

// A long bone from (x, y), length l, angle w as for laengs: a slender shaft
// between a wider base and a wider head, each with a dense cortex round a
// lighter marrow.
void roehrenknochen(std::vector<Ellipsoid>& t, double x, double y, double l, double dicke, double hoehe, double w,
                    double rinde, double mark)
{
    const double r = w * Pi / 180.0, dx = -std::sin(r), dy = std::cos(r);
    const auto teil = [&](double von, double laenge, double breite, double wand) {
        const Ellipsoid e = laengs(x + von * dx, y + von * dy, laenge, breite, hoehe * breite / dicke, w, 0);
        knochen(t, e.x, e.y, 0.0, e.a, e.b, e.c, e.winkel, rinde, mark, wand);
    };
    teil(0.0, 0.24 * l, dicke, 0.25);              // base
    teil(0.76 * l, 0.24 * l, 0.92 * dicke, 0.25);  // head
    teil(0.08 * l, 0.84 * l, 0.80 * dicke, 0.45);  // shaft
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
        // shoulder blades behind the ribs, inside the muscles of the back and
        // lying along its curve
        knochen(t, -0.55, -0.40, 0.0, 0.15, 0.025, h, -25, 800.0, 300.0, 0.4);
        knochen(t, 0.55, -0.40, 0.0, 0.15, 0.025, h, 25, 800.0, 300.0, 0.4);
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
        // A hand radiograph is taken with soft X-rays, at which bone attenuates
        // far more strongly than at the energies of CT: cortex and marrow carry
        // the values of that energy.
        constexpr double Rinde = 2800.0, Mark = 700.0, Weich = 40.0;
        const auto bein = [&t](double x, double y, double l, double dicke, double hoehe, double w) {
            roehrenknochen(t, x, y, l, dicke, hoehe, w, Rinde, Mark);
        };
        // soft tissue: forearm, wrist, palm, the ball of the thumb
        t.push_back({0.00, -1.05, 0.0, 0.30, 0.45, 0.15, 0, Weich});
        t.push_back({0.00, -0.30, 0.0, 0.40, 0.47, 0.14, 0, Weich});
        t.push_back({0.01, -0.06, 0.0, 0.37, 0.17, 0.12, 0, Weich});
        t.push_back({-0.02, -0.48, 0.0, 0.36, 0.30, 0.14, 0, Weich});
        t.push_back({0.26, -0.46, 0.0, 0.17, 0.27, 0.13, -25, Weich});
        // the four fingers: knuckle (head of the metacarpal), direction in
        // degrees counter-clockwise from straight up, the three phalanges
        struct Finger
        {
            double kx, ky, w, p1, p2, p3, bx, by;
        };
        const Finger finger[] = {{0.225, 0.000, -7, 0.25, 0.15, 0.11, 0.15, -0.50},
                                 {0.070, 0.040, -1, 0.28, 0.17, 0.12, 0.05, -0.52},
                                 {-0.090, 0.010, 5, 0.26, 0.16, 0.11, -0.06, -0.50},
                                 {-0.240, -0.060, 12, 0.20, 0.11, 0.10, -0.16, -0.46}};
        constexpr double Gelenk = 0.022;  // the joint spaces
        for (const Finger& f : finger) {
            const double r = f.w * Pi / 180.0, dx = -std::sin(r), dy = std::cos(r);
            const double laenge = f.p1 + f.p2 + f.p3 + 2 * Gelenk;
            // soft tissue from inside the palm to beyond the finger tip
            t.push_back(laengs(f.kx - 0.12 * dx, f.ky - 0.12 * dy, laenge + 0.18, 0.085, 0.08, f.w, Weich));
        }
        // the thumb's soft tissue from the ball of the thumb
        t.push_back(laengs(0.24, -0.56, 0.80, 0.095, 0.085, -40, Weich));
        // forearm bones ending at the wrist: radius on the thumb's side, ulna
        bein(0.12, -1.78, 0.97, 0.095, 0.075, 2);
        bein(-0.16, -1.78, 0.92, 0.060, 0.055, -2);
        // the eight carpal bones in two rows
        const double handwurzel[][4] = {{0.16, -0.72, 0.070, 0.055}, {0.04, -0.74, 0.060, 0.050},
                                        {-0.07, -0.72, 0.050, 0.045}, {-0.17, -0.69, 0.038, 0.038},
                                        {0.21, -0.60, 0.055, 0.050}, {0.10, -0.59, 0.045, 0.050},
                                        {-0.01, -0.60, 0.055, 0.065}, {-0.13, -0.59, 0.060, 0.060}};
        for (const auto& c : handwurzel)
            knochen(t, c[0], c[1], 0.0, c[2], c[3], 0.05, 0, Rinde, Mark, 0.3);
        // metacarpals from the carpus to the knuckles, then the phalanges
        for (const Finger& f : finger) {
            const double mx = f.kx - f.bx, my = f.ky - f.by, ml = std::sqrt(mx * mx + my * my);
            const double mw = std::atan2(-mx, my) * 180.0 / Pi;
            bein(f.bx, f.by, ml, 0.040, 0.035, mw);
            const double r = f.w * Pi / 180.0, dx = -std::sin(r), dy = std::cos(r);
            double x = f.kx + Gelenk * dx, y = f.ky + Gelenk * dy;
            const double glied[] = {f.p1, f.p2, f.p3};
            const double dicke[] = {0.036, 0.031, 0.026};
            for (int g = 0; g < 3; ++g) {
                bein(x, y, glied[g], dicke[g], 0.028, f.w);
                x += (glied[g] + Gelenk) * dx;
                y += (glied[g] + Gelenk) * dy;
            }
        }
        // the thumb: metacarpal and two phalanges
        {
            const double w = -40.0, r = w * Pi / 180.0, dx = -std::sin(r), dy = std::cos(r);
            double x = 0.26, y = -0.50;
            const double glied[] = {0.27, 0.19, 0.14};
            const double dicke[] = {0.040, 0.035, 0.027};
            for (int g = 0; g < 3; ++g) {
                bein(x, y, glied[g], dicke[g], 0.032, w);
                x += (glied[g] + Gelenk) * dx;
                y += (glied[g] + Gelenk) * dy;
            }
        }
        return p;
    }();
    return k;
}

std::vector<double> vonOben(const Phantom& p, int breite, int hoehe, double mitteX, double mitteY, double halbbreite,
                            double halbhoehe)
{
    std::vector<double> d(std::size_t(std::max(breite, 0)) * std::size_t(std::max(hoehe, 0)), 0.0);
    if (breite <= 0 || hoehe <= 0)
        return d;
    // every part's rotation and its reach in the picture plane, worked out once
    struct Teil
    {
        double x, y, c, s, ia, ib, h, mu, reichweite;
    };
    std::vector<Teil> teile;
    teile.reserve(p.teile.size());
    for (const Ellipsoid& e : p.teile) {
        const double w = e.winkel * Pi / 180.0;
        teile.push_back({e.x, e.y, std::cos(w), std::sin(w), 1.0 / e.a, 1.0 / e.b, e.c,
                         std::max(0.0, 1.0 + e.hu / 1000.0), std::max(e.a, e.b)});
    }
    std::vector<double> halb(teile.size());
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const double x = mitteX + ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            const double y = mitteY + (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
            // the half length of the vertical line inside every part
            for (std::size_t i = 0; i < teile.size(); ++i) {
                const Teil& t = teile[i];
                const double dx = x - t.x, dy = y - t.y;
                halb[i] = 0.0;
                if (std::fabs(dx) > t.reichweite || std::fabs(dy) > t.reichweite)
                    continue;
                const double u = (dx * t.c + dy * t.s) * t.ia, v = (-dx * t.s + dy * t.c) * t.ib;
                const double q = 1.0 - u * u - v * v;
                if (q > 0.0)
                    halb[i] = t.h * std::sqrt(q);
            }
            // the lines all share their middle; along each, the last part that reaches a point owns it
            double summe = 0.0, bedeckt = 0.0;
            for (std::size_t i = teile.size(); i-- > 0;)
                if (halb[i] > bedeckt) {
                    summe += teile[i].mu * (halb[i] - bedeckt);
                    bedeckt = halb[i];
                }
            d[std::size_t(py) * std::size_t(breite) + std::size_t(px)] = 2.0 * summe;
        }
    return d;
}

std::vector<double> grobschnitt(const Phantom& p, int spalten, int zeilen, double z, double halbbreite,
                                double halbhoehe, int unter)
{
    std::vector<double> hu(std::size_t(spalten) * std::size_t(zeilen), p.umgebung);
    if (spalten <= 0 || zeilen <= 0 || unter <= 0)
        return hu;
    const Schnittebene ebene(p, z, -halbbreite, halbbreite, -halbhoehe, halbhoehe);
    for (int sy = 0; sy < zeilen; ++sy)
        for (int sx = 0; sx < spalten; ++sx) {
            double summe = 0.0;
            for (int uy = 0; uy < unter; ++uy)
                for (int ux = 0; ux < unter; ++ux) {
                    const double fx = (sx + (ux + 0.5) / unter) / spalten;
                    const double fy = (sy + (uy + 0.5) / unter) / zeilen;
                    summe += ebene.wert((fx * 2.0 - 1.0) * halbbreite, (1.0 - fy * 2.0) * halbhoehe);
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
