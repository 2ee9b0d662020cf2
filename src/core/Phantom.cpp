#include "core/Phantom.h"

#include <algorithm>
#include <cmath>

namespace phantom {

namespace {

constexpr double Grad = 3.14159265358979323846 / 180.0;
// Attenuation of water per unit length of phantom coordinates (one unit is
// about 9 cm of a real head; water attenuates about 0.19 per cm at 70 keV).
constexpr double MuWasser = 1.7;

// An ellipsoid made ready for many tests: its rotations' cosines and sines
// and a bounding box, so that most points are rejected at once.
struct Bereit
{
    const Ellipsoid* e;
    double cw, sw;       // rotation about the z axis
    double cn, sn;       // tilt in the y-z plane
    bool geneigt;        // tilted at all
    bool beschnitten;    // cut off by a floor or a top
    double rx, ry, rz;   // half extent of the bounding box in x, y and z
};

std::vector<Bereit> vorbereiten(const Phantom& p)
{
    std::vector<Bereit> v;
    v.reserve(p.teile.size());
    for (const Ellipsoid& e : p.teile) {
        const double cw = std::cos(e.winkel * Grad), sw = std::sin(e.winkel * Grad);
        Bereit b{&e, cw, sw, 1.0, 0.0, e.neigung != 0.0, e.bodenZ > OhneBoden || e.deckeZ < -OhneBoden,
                 std::hypot(e.a * cw, e.b * sw), std::hypot(e.a * sw, e.b * cw), e.c};
        if (b.geneigt) {
            b.cn = std::cos(e.neigung * Grad);
            b.sn = std::sin(e.neigung * Grad);
            // the columns of the rotation, each scaled by its semi-axis
            const double bx = -sw * b.cn * e.b, by = cw * b.cn * e.b, bz = b.sn * e.b;
            const double cx = sw * b.sn * e.c, cy = -cw * b.sn * e.c, cz = b.cn * e.c;
            b.rx = std::sqrt(e.a * cw * e.a * cw + bx * bx + cx * cx);
            b.ry = std::sqrt(e.a * sw * e.a * sw + by * by + cy * cy);
            b.rz = std::sqrt(bz * bz + cz * cz);
        }
        v.push_back(b);
    }
    return v;
}

struct Lokal
{
    double x, y, z;
};

// A direction or a point relative to the centre, in the part's own axes.
Lokal drehen(const Bereit& b, double dx, double dy, double dz)
{
    const Ellipsoid& e = *b.e;
    double u = dx * b.cw + dy * b.sw, v = -dx * b.sw + dy * b.cw, w = dz;
    if (b.geneigt) {
        const double v2 = v * b.cn + w * b.sn;
        w = -v * b.sn + w * b.cn;
        v = v2;
    }
    return {u / e.a, v / e.b, w / e.c};
}

Lokal lokal(const Bereit& b, double x, double y, double z)
{
    return drehen(b, x - b.e->x, y - b.e->y, z - b.e->z);
}

Lokal richtung(const Bereit& b, double dx, double dy, double dz)
{
    return drehen(b, dx, dy, dz);
}

bool zwischenBodenUndDecke(const Ellipsoid& e, double y, double z)
{
    return z >= e.bodenZ + e.bodenSteigung * y && z <= e.deckeZ + e.deckeSteigung * y;
}

bool innen(const Bereit& b, double x, double y, double z)
{
    const Ellipsoid& e = *b.e;
    if (std::abs(x - e.x) > b.rx || std::abs(y - e.y) > b.ry || std::abs(z - e.z) > b.rz)
        return false;
    if (b.beschnitten && !zwischenBodenUndDecke(e, y, z))
        return false;
    const Lokal q = lokal(b, x, y, z);
    return q.x * q.x + q.y * q.y + q.z * q.z <= 1.0;
}

double wertIn(const std::vector<Bereit>& teile, double umgebung, double x, double y, double z)
{
    for (std::size_t i = teile.size(); i-- > 0;)
        if (innen(teile[i], x, y, z))
            return teile[i].e->hu;
    return umgebung;
}

// Keeps of [von, bis] the part where g0 + t * g1 >= 0.
void begrenzen(double g0, double g1, double& von, double& bis)
{
    if (g1 > 0.0)
        von = std::max(von, -g0 / g1);
    else if (g1 < 0.0)
        bis = std::min(bis, -g0 / g1);
    else if (g0 < 0.0)
        bis = von - 1.0;
}

double mu(double hu)
{
    return MuWasser * std::max(0.0, 1.0 + hu / 1000.0);
}

// Sum of the attenuation along the line o + t d, t in [t0, t1].
double linienintegral(const std::vector<Bereit>& teile, double umgebung, double ox, double oy, double oz, double dx,
                      double dy, double dz, double t0, double t1)
{
    const std::size_t n = teile.size();
    std::vector<double> von(n), bis(n), grenzen{t0, t1};
    for (std::size_t i = 0; i < n; ++i) {
        const Lokal q0 = lokal(teile[i], ox, oy, oz);
        const Lokal q1 = richtung(teile[i], dx, dy, dz);
        const double a = q1.x * q1.x + q1.y * q1.y + q1.z * q1.z;
        const double b = 2.0 * (q0.x * q1.x + q0.y * q1.y + q0.z * q1.z);
        const double c = q0.x * q0.x + q0.y * q0.y + q0.z * q0.z - 1.0;
        const double d = b * b - 4.0 * a * c;
        if (a <= 0.0 || d <= 0.0) {
            von[i] = 1.0;
            bis[i] = 0.0;
            continue;
        }
        const double w = std::sqrt(d);
        von[i] = (-b - w) / (2.0 * a);
        bis[i] = (-b + w) / (2.0 * a);
        if (teile[i].beschnitten) {
            const Ellipsoid& e = *teile[i].e;
            begrenzen(oz - e.bodenZ - e.bodenSteigung * oy, dz - e.bodenSteigung * dy, von[i], bis[i]);
            begrenzen(e.deckeZ + e.deckeSteigung * oy - oz, e.deckeSteigung * dy - dz, von[i], bis[i]);
            if (!(von[i] < bis[i])) {
                von[i] = 1.0;
                bis[i] = 0.0;
                continue;
            }
        }
        if (von[i] > t0 && von[i] < t1)
            grenzen.push_back(von[i]);
        if (bis[i] > t0 && bis[i] < t1)
            grenzen.push_back(bis[i]);
    }
    std::sort(grenzen.begin(), grenzen.end());
    double summe = 0.0;
    for (std::size_t k = 0; k + 1 < grenzen.size(); ++k) {
        const double laenge = grenzen[k + 1] - grenzen[k];
        if (laenge <= 0.0)
            continue;
        const double mitte = 0.5 * (grenzen[k] + grenzen[k + 1]);
        double hu = umgebung;
        for (std::size_t i = n; i-- > 0;)
            if (von[i] <= mitte && mitte <= bis[i]) {
                hu = teile[i].e->hu;
                break;
            }
        summe += mu(hu) * laenge;
    }
    return summe;
}


std::uint8_t filmgrau(double daempfung, double kontrast)
{
    // The film blackens with the radiation that arrives (exp(-attenuation));
    // shown as a radiograph, places behind much matter (bone) stay light and
    // open air is black. The gray follows the logarithm of the exposure.
    const double g = 255.0 * std::pow(std::clamp(daempfung * kontrast / 5.5, 0.0, 1.0), 0.8);
    return std::uint8_t(std::clamp(std::nearbyint(g), 0.0, 255.0));
}

// The film of a radiograph, shown on a light box: its blackening follows
// the logarithm of the exposure along an S-shaped curve (toe, straight part,
// shoulder), so open air is black, soft tissue dark gray, the skull light and
// teeth white. Exposure is exp(-attenuation): the curve is taken over the
// attenuation itself.
std::uint8_t roentgenfilm(double daempfung, double kontrast)
{
    // A soft toe keeps skin and neck visible; the steep middle part shows the bone.
    const auto kurve = [](double t) { return 1.0 / (1.0 + std::exp(-(t - 2.6) / 0.6)); };
    const double t = std::max(0.0, daempfung * kontrast);
    const double steil = (kurve(t) - kurve(0.0)) / (1.0 - kurve(0.0));
    const double g = 255.0 * (0.3 * (1.0 - std::exp(-t / 0.8)) + 0.7 * steil);
    return std::uint8_t(std::clamp(std::nearbyint(g), 0.0, 255.0));
}

}  // namespace

double wert(const Phantom& p, double x, double y, double z)
{
    return wertIn(vorbereiten(p), p.umgebung, x, y, z);
}

struct Schnittebene::Daten
{
    static constexpr int Kacheln = 24;  // tiles per side
    std::vector<Bereit> teile;          // the parts that reach the plane, in their order
    std::vector<std::vector<Bereit>> kachel;
    double z, umgebung, xMin, yMin, kx, ky;
};

Schnittebene::Schnittebene(const Phantom& p, double z, double xMin, double xMax, double yMin, double yMax)
    : d(std::make_unique<Daten>())
{
    d->z = z;
    d->umgebung = p.umgebung;
    d->xMin = xMin;
    d->yMin = yMin;
    d->kx = xMax > xMin ? Daten::Kacheln / (xMax - xMin) : 0.0;
    d->ky = yMax > yMin ? Daten::Kacheln / (yMax - yMin) : 0.0;
    for (const Bereit& b : vorbereiten(p))
        if (std::abs(z - b.e->z) <= b.rz)
            d->teile.push_back(b);
    d->kachel.resize(std::size_t(Daten::Kacheln) * Daten::Kacheln);
    // A part goes into every tile that its bounding box reaches, widened a
    // little so that rounding never leaves out a tile whose points it holds.
    constexpr double Rand = 1e-9;
    const auto index = [](double v) { return int(std::clamp(std::floor(v), 0.0, double(Daten::Kacheln - 1))); };
    for (const Bereit& b : d->teile) {
        const int x0 = index((b.e->x - b.rx - Rand - xMin) * d->kx), x1 = index((b.e->x + b.rx + Rand - xMin) * d->kx);
        const int y0 = index((b.e->y - b.ry - Rand - yMin) * d->ky), y1 = index((b.e->y + b.ry + Rand - yMin) * d->ky);
        for (int ky = y0; ky <= y1; ++ky)
            for (int kx = x0; kx <= x1; ++kx)
                d->kachel[std::size_t(ky) * Daten::Kacheln + std::size_t(kx)].push_back(b);
    }
}

Schnittebene::~Schnittebene() = default;

double Schnittebene::wert(double x, double y) const
{
    const double fx = std::floor((x - d->xMin) * d->kx), fy = std::floor((y - d->yMin) * d->ky);
    // points outside the rectangle test every part
    if (fx < 0.0 || fy < 0.0 || fx >= Daten::Kacheln || fy >= Daten::Kacheln)
        return wertIn(d->teile, d->umgebung, x, y, d->z);
    return wertIn(d->kachel[std::size_t(fy) * Daten::Kacheln + std::size_t(fx)], d->umgebung, x, y, d->z);
}

double korn(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFFu) / 32767.5 - 1.0;
}

std::uint8_t fenstergrau(double hu, double zentrum, double breite)
{
    const double g = (hu - (zentrum - breite / 2.0)) * 255.0 / breite;
    return std::uint8_t(std::clamp(std::nearbyint(g), 0.0, 255.0));
}

Graubild schnitt(const Phantom& p, int breite, int hoehe, double z, double halbbreite, double halbhoehe,
                 double zentrum, double fensterbreite, double rauschen)
{
    Graubild bild{breite, hoehe, std::vector<std::uint8_t>(std::size_t(breite) * std::size_t(hoehe))};
    std::vector<double> werte(bild.grau.size());
    const Schnittebene ebene(p, z, -halbbreite, halbbreite, -halbhoehe, halbhoehe);
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const double x = ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            const double y = (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
            werte[std::size_t(py) * std::size_t(breite) + std::size_t(px)] = ebene.wert(x, y);
        }
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const std::size_t i = std::size_t(py) * std::size_t(breite) + std::size_t(px);
            double hu = werte[i];
            if (rauschen > 0.0 && hu > -900.0) {
                // Grain smoothed over the neighbours, as a scanner's blur would.
                double k = 0.0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        k += korn(px + dx, py + dy);
                hu += rauschen * k / 3.0;
            }
            bild.grau[i] = fenstergrau(hu, zentrum, fensterbreite);
        }
    return bild;
}

Graubild seitenaufnahme(const Phantom& p, int breite, int hoehe, double halbbreite, double halbhoehe, double kontrast)
{
    const std::vector<Bereit> teile = vorbereiten(p);
    Graubild bild{breite, hoehe, std::vector<std::uint8_t>(std::size_t(breite) * std::size_t(hoehe))};
    // The rays of a row run along x at one height z and one place y: only
    // the parts whose bounding box reaches both can meet them. Each row
    // sorts its parts into strips of the picture's columns; their order stays.
    constexpr int Streifen = 32;
    std::vector<std::vector<Bereit>> streifen(Streifen);
    std::vector<Bereit> strahl;
    const double spalten = breite / (2.0 * halbbreite);  // columns per unit of y
    const auto spalte = [&](double y) { return (y + halbbreite) * spalten; };
    for (int py = 0; py < hoehe; ++py) {
        const double z = (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
        for (auto& s : streifen)
            s.clear();
        for (const Bereit& b : teile) {
            if (std::abs(z - b.e->z) >= b.rz)
                continue;
            const int von = std::clamp(int(spalte(b.e->y - b.ry) * Streifen / breite) - 1, 0, Streifen - 1);
            const int bis = std::clamp(int(spalte(b.e->y + b.ry) * Streifen / breite) + 1, 0, Streifen - 1);
            for (int s = von; s <= bis; ++s)
                streifen[std::size_t(s)].push_back(b);
        }
        for (int px = 0; px < breite; ++px) {
            const double y = ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            strahl.clear();
            for (const Bereit& b : streifen[std::size_t(std::clamp(px * Streifen / breite, 0, Streifen - 1))])
                if (std::abs(y - b.e->y) <= b.ry)
                    strahl.push_back(b);
            const double d = linienintegral(strahl, p.umgebung, -2.0, y, z, 1.0, 0.0, 0.0, 0.0, 4.0);
            bild.grau[std::size_t(py) * std::size_t(breite) + std::size_t(px)] = roentgenfilm(d, kontrast);
        }
    }
    return bild;
}

Graubild draufsicht(const Phantom& p, int breite, int hoehe, double halbbreite, double halbhoehe, double kontrast)
{
    const std::vector<Bereit> teile = vorbereiten(p);
    Graubild bild{breite, hoehe, std::vector<std::uint8_t>(std::size_t(breite) * std::size_t(hoehe))};
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const double x = ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            const double y = (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
            const double d = linienintegral(teile, p.umgebung, x, y, 2.0, 0.0, 0.0, -1.0, 0.0, 4.0);
            bild.grau[std::size_t(py) * std::size_t(breite) + std::size_t(px)] = filmgrau(d, kontrast);
        }
    return bild;
}

const Phantom& kopf()
{
    static const Phantom k = [] {
        constexpr double Pi = 3.14159265358979323846;
        Phantom p;
        auto& t = p.teile;
        // Bone values: CT numbers of compact bone and enamel. A radiograph is
        // taken with softer rays than a CT scan, where bone weakens the beam
        // relatively more; the tables and the teeth carry that in their values
        // (a CT picture in the brain window shows every bone white anyway).
        constexpr double Kortikalis = 3500, Diploe = 1200, Schmelz = 4000;
        // soft tissue: neck, face, nose, lips and chin, scalp, the ears
        t.push_back({0.00, -0.12, -1.40, 0.34, 0.32, 1.00, 0, 40});
        t.push_back({0.00, 0.30, -0.36, 0.45, 0.46, 0.48, 0, 40});
        t.push_back({0.00, 0.77, -0.17, 0.06, 0.11, 0.15, 0, 40});
        t.push_back({0.00, 0.48, -0.70, 0.30, 0.26, 0.18, 0, 40});
        t.push_back({0.00, -0.02, 0.25, 0.66, 0.80, 0.66, 0, 40});
        t.push_back({0.66, -0.08, -0.10, 0.05, 0.10, 0.16, 0, 40});
        t.push_back({-0.66, -0.08, -0.10, 0.05, 0.10, 0.16, 0, 40});
        // the skull: the bowl of the posterior fossa low at the back, the
        // vault above (each an outer table, spongy diploe and an inner table),
        // and the cavity that joins them
        t.push_back({0.00, -0.36, -0.14, 0.60, 0.40, 0.27, 0, Kortikalis});
        t.push_back({0.00, -0.36, -0.14, 0.585, 0.385, 0.255, 0, Diploe});
        t.push_back({0.00, -0.36, -0.14, 0.57, 0.37, 0.24, 0, Kortikalis});
        t.push_back({0.00, -0.02, 0.25, 0.625, 0.765, 0.625, 0, Kortikalis});
        t.push_back({0.00, -0.02, 0.25, 0.608, 0.748, 0.608, 0, Diploe});
        t.push_back({0.00, -0.02, 0.25, 0.590, 0.730, 0.590, 0, Kortikalis});
        t.push_back({0.00, -0.36, -0.14, 0.555, 0.355, 0.225, 0, 38});
        // face skeleton: upper jaw and cheek bones, hard palate, nasal bone,
        // zygomatic arches, the lower jaw with its rami
        t.push_back({0.00, 0.42, -0.33, 0.36, 0.28, 0.19, 0, 900});
        t.push_back({0.00, 0.40, -0.45, 0.17, 0.27, 0.018, 0, 1800});
        t.push_back({0.00, 0.745, -0.10, 0.025, 0.03, 0.08, 0, 1800});
        t.push_back({0.45, 0.25, -0.17, 0.03, 0.22, 0.035, 0, 1800});
        t.push_back({-0.45, 0.25, -0.17, 0.03, 0.22, 0.035, 0, 1800});
        t.push_back({0.00, 0.30, -0.66, 0.38, 0.36, 0.12, 0, 2000});
        t.push_back({0.00, 0.24, -0.64, 0.32, 0.30, 0.12, 0, 40});
        t.push_back({0.34, 0.02, -0.48, 0.03, 0.08, 0.21, 0, 2000});
        t.push_back({-0.34, 0.02, -0.48, 0.03, 0.08, 0.21, 0, 2000});
        // the teeth along the upper and the lower dental arch
        for (int seite : {-1, 1})
            for (int i = 0; i < 8; ++i) {
                const double a = i / 7.0;
                const double x = seite * (0.04 + 0.20 * std::pow(a, 0.7));
                const double y = 0.57 - 0.30 * std::pow(a, 1.4);
                const double breite = i < 3 ? 0.022 : 0.032;
                t.push_back({x, y, -0.50, 0.03, breite, 0.055, 0, Schmelz});
                t.push_back({x, y - 0.02, -0.615, 0.03, breite, 0.055, 0, Schmelz});
            }
        // cervical spine: bodies, arches and spinous processes
        for (int i = 0; i < 5; ++i) {
            const double z = -0.66 - 0.14 * i;
            t.push_back({0.00, -0.14, z, 0.10, 0.09, 0.058, 0, 2200});
            t.push_back({0.00, -0.33, z - 0.02, 0.09, 0.06, 0.04, 0, 2000});
            t.push_back({0.00, -0.43, z - 0.04, 0.025, 0.07, 0.03, 0, 2000});
        }
        // skull base: petrous bones, the sella region
        t.push_back({0.28, -0.10, -0.12, 0.14, 0.10, 0.06, 20, 2600});
        t.push_back({-0.28, -0.10, -0.12, 0.14, 0.10, 0.06, -20, 2600});
        t.push_back({0.00, 0.04, -0.13, 0.11, 0.09, 0.05, 0, 1100});
        // inside the skull: gray and white matter, the ventricles, the falx
        t.push_back({0.00, -0.02, 0.27, 0.575, 0.715, 0.575, 0, 38});
        // sulci: thin clefts of fluid reaching into the cortex from outside
        for (int i = 0; i < 34; ++i) {
            const double w = (i * 360.0 / 34 + 4.0 * ((i * 5) % 3)) * Pi / 180.0;
            const double laenge = 0.035 + 0.012 * ((i * 3) % 4);
            // The cleft ends at the brain's surface and never cuts into the skull.
            const double rand = 1.0 / std::hypot(std::cos(w) / 0.575, std::sin(w) / 0.715);
            const double r = rand - laenge - 0.004 - 0.01 * ((i * 7) % 4);
            t.push_back({r * std::cos(w), -0.02 + r * std::sin(w), 0.30, laenge, 0.007, 0.30,
                         w * 180.0 / Pi + 8.0 * ((i % 3) - 1), 16});
        }
        t.push_back({0.00, -0.04, 0.31, 0.43, 0.56, 0.42, 0, 26});
        // white matter reaching into the gyri
        for (int i = 0; i < 14; ++i) {
            const double w = (i * 360.0 / 14 + 18.0) * Pi / 180.0;
            t.push_back({0.43 * 0.97 * std::cos(w), -0.04 + 0.56 * 0.97 * std::sin(w), 0.31, 0.085, 0.028, 0.30,
                         w * 180.0 / Pi, 26});
        }
        t.push_back({0.10, 0.02, 0.36, 0.05, 0.23, 0.09, -14, 4});
        t.push_back({-0.10, 0.02, 0.36, 0.05, 0.23, 0.09, 14, 4});
        t.push_back({0.00, -0.04, 0.30, 0.014, 0.09, 0.07, 0, 4});
        t.push_back({0.00, -0.64, 0.36, 0.012, 0.10, 0.20, 0, 10});
        t.push_back({0.00, 0.60, 0.36, 0.012, 0.08, 0.20, 0, 10});
        // air spaces: sphenoid, frontal and maxillary sinuses, nose, throat
        t.push_back({0.00, 0.14, -0.21, 0.10, 0.08, 0.06, 0, -1000});
        t.push_back({0.00, 0.665, 0.10, 0.12, 0.045, 0.08, 0, -1000});
        t.push_back({0.17, 0.45, -0.25, 0.10, 0.12, 0.11, 0, -1000});
        t.push_back({-0.17, 0.45, -0.25, 0.10, 0.12, 0.11, 0, -1000});
        t.push_back({0.00, 0.58, -0.31, 0.05, 0.15, 0.11, 0, -1000});
        t.push_back({0.00, 0.10, -0.86, 0.06, 0.07, 0.34, 0, -1000});
        // the orbits: a rim of bone round fat, and the eye in it
        for (int seite : {-1, 1}) {
            t.push_back({seite * 0.20, 0.56, -0.04, 0.15, 0.14, 0.13, 0, 1500});
            t.push_back({seite * 0.20, 0.57, -0.04, 0.13, 0.125, 0.112, 0, -80});
            t.push_back({seite * 0.20, 0.58, -0.04, 0.11, 0.11, 0.095, 0, 15});
        }
        return p;
    }();
    return k;
}

}  // namespace phantom
