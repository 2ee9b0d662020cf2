#include "core/Bildrechnung.h"

#include "core/Koerperphantome.h"
#include "core/Rueckprojektion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace bildrechnung {

Feld ausGraubild(const phantom::Graubild& bild)
{
    Feld f(bild.breite, bild.hoehe);
    for (std::size_t i = 0; i < f.wert.size(); ++i)
        f.wert[i] = bild.grau[i];
    return f;
}

Feld falten(const Feld& f, const std::array<double, 9>& kern, double teiler)
{
    Feld e(f.breite, f.hoehe);
    for (int y = 0; y < f.hoehe; ++y)
        for (int x = 0; x < f.breite; ++x) {
            double s = 0.0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = std::clamp(x + dx, 0, f.breite - 1), yy = std::clamp(y + dy, 0, f.hoehe - 1);
                    s += kern[std::size_t((dy + 1) * 3 + dx + 1)] * f(xx, yy);
                }
            e(x, y) = s / teiler;
        }
    return e;
}

namespace {
phantom::Graubild graubild(const Feld& f, auto&& stufe)
{
    phantom::Graubild bild{f.breite, f.hoehe, std::vector<std::uint8_t>(f.wert.size())};
    for (std::size_t i = 0; i < f.wert.size(); ++i)
        bild.grau[i] = std::uint8_t(int(std::nearbyint(255.0 * stufe(f.wert[i]))));
    return bild;
}
}  // namespace

phantom::Graubild fenstern(const Feld& f, double tief, double hoch)
{
    return graubild(f, [tief, hoch](double w) { return std::clamp((w - tief) / (hoch - tief), 0.0, 1.0); });
}

phantom::Graubild film(const Feld& daempfung, double hellste, double gamma)
{
    return graubild(daempfung,
                    [hellste, gamma](double d) { return std::pow(std::clamp(d / hellste, 0.0, 1.0), gamma); });
}

std::vector<double> rampenkern(int strahlen)
{
    return ct::Kernwerte(ct::Faltungskern::RamLak, strahlen);
}

Feld rueckprojektion(const Feld& muster, int richtungen, int strahlen, bool mitFaltung)
{
    const int n = muster.breite;
    const double mitte = (n - 1) / 2.0, smitte = (strahlen - 1) / 2.0;
    const std::vector<double> kern = rampenkern(strahlen);
    Feld bild(n, n);
    for (int r = 0; r < richtungen; ++r) {
        const double w = r * std::numbers::pi / richtungen, c = std::cos(w), s = std::sin(w);
        std::vector<double> profil(std::size_t(strahlen), 0.0);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double v = muster(x, y);
                if (v == 0.0)
                    continue;
                const int k = int(std::lround((x - mitte) * c + (y - mitte) * s + smitte));
                if (k >= 0 && k < strahlen)
                    profil[std::size_t(k)] += v;
            }
        if (mitFaltung) {
            std::vector<double> gefaltet(profil.size(), 0.0);
            for (int i = 0; i < strahlen; ++i)
                for (int j = 0; j < strahlen; ++j)
                    gefaltet[std::size_t(i)] += profil[std::size_t(j)] * kern[std::size_t(i - j + strahlen)];
            profil = gefaltet;
        }
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double t = (x - mitte) * c + (y - mitte) * s + smitte;
                const int k0 = int(std::floor(t));
                const double f = t - k0;
                const double a = k0 >= 0 && k0 < strahlen ? profil[std::size_t(k0)] : 0.0;
                const double b = k0 + 1 >= 0 && k0 + 1 < strahlen ? profil[std::size_t(k0 + 1)] : 0.0;
                bild(x, y) += a * (1.0 - f) + b * f;
            }
    }
    return bild;
}

// --- The pictures -------------------------------------------------------------

phantom::Graubild handaufnahme(int breite, int hoehe)
{
    // The hand from the forearm to the finger tips; the radiograph shows the
    // attenuation along each line as brightness: air black, soft tissue gray,
    // bone light.
    const double halbhoehe = 1.12, halbbreite = halbhoehe * breite / hoehe;
    Feld d(breite, hoehe);
    d.wert = phantom::vonOben(phantom::hand(), breite, hoehe, 0.02, -0.13, halbbreite, halbhoehe);
    constexpr double Hellste = 0.66;  // attenuation that the film shows white
    return film(d, Hellste, 1.35);
}

phantom::Graubild filterbeispiel(int breite, int hoehe)
{
    const int b = (breite - 16) / 3, h = hoehe;
    // the whole head in each of the three views
    const double halbhoehe = 0.86, halbbreite = halbhoehe * b / h;
    Feld roh = ausGraubild(phantom::schnitt(phantom::kopf(), b, h, phantom::KopfSchnitthoehe, halbbreite, halbhoehe,
                                            35.0, 90.0, 3.0));
    // grain as a measured picture has it
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x)
            roh(x, y) += 20.0 * phantom::korn(x, y);
    constexpr std::array<double, 9> Tiefpass{1, 2, 1, 2, 4, 2, 1, 2, 1};
    constexpr std::array<double, 9> Laplace{0, 1, 0, 1, -4, 1, 0, 1, 0};
    const Feld glatt = falten(roh, Tiefpass, 16.0);
    // the edges: the Laplace filter after smoothing twice more, so that the grain stays below them
    Feld kanten = falten(falten(falten(glatt, Tiefpass, 16.0), Tiefpass, 16.0), Laplace, 1.0);
    for (double& k : kanten.wert)
        k = std::fabs(k);
    std::vector<double> sortiert = kanten.wert;
    const auto stelle = sortiert.begin() + std::ptrdiff_t(sortiert.size() * 97 / 100);
    std::nth_element(sortiert.begin(), stelle, sortiert.end());
    const double stark = std::max(1.0, *stelle);

    phantom::Graubild bild{breite, hoehe, std::vector<std::uint8_t>(std::size_t(breite) * std::size_t(hoehe), 255)};
    const auto einsetzen = [&bild, h](const phantom::Graubild& ansicht, int links) {
        for (int y = 0; y < h; ++y)
            std::copy_n(ansicht.grau.begin() + std::ptrdiff_t(y) * ansicht.breite, ansicht.breite,
                        bild.grau.begin() + std::ptrdiff_t(y) * bild.breite + links);
    };
    einsetzen(fenstern(roh, 0, 255), 0);
    einsetzen(fenstern(glatt, 0, 255), b + 8);
    // strong edges dark on white
    einsetzen(fenstern(kanten, stark, 0.15 * stark), 2 * (b + 8));
    return bild;
}

phantom::Graubild rueckprojektionsbild(bool mitFaltung)
{
    // The pattern: a ring and a small square on a 64 x 64 grid.
    const int n = 64;
    Feld muster(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double dx = x - 25.5, dy = y - 27.5, r = std::sqrt(dx * dx + dy * dy);
            if ((r > 9 && r < 14) || (x >= 38 && x < 46 && y >= 36 && y < 44))
                muster(x, y) = 1.0;
        }
    const Feld bild = rueckprojektion(muster, 90, 91, mitFaltung);
    const auto [tief, hoch] = std::minmax_element(bild.wert.begin(), bild.wert.end());
    // as in the simulator: the smallest value white, larger values darker
    const double unten = mitFaltung ? 0.0 : *tief;
    return fenstern(bild, *hoch, unten);
}

}  // namespace bildrechnung
