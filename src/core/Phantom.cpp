#include "core/Phantom.h"

#include <algorithm>
#include <cmath>

namespace phantom {

namespace {

constexpr double Grad = 3.14159265358979323846 / 180.0;
// Attenuation of water per unit length of phantom coordinates (one unit is
// about 9 cm of a real head; water attenuates about 0.19 per cm at 70 keV).
constexpr double MuWasser = 1.7;

// An ellipsoid made ready for many tests: its rotation's cosine and sine and
// a bounding box, so that most points are rejected at once.
struct Bereit
{
    const Ellipsoid* e;
    double cw, sw;
    double rx, ry;  // half extent of the bounding box in x and y
};

std::vector<Bereit> vorbereiten(const Phantom& p)
{
    std::vector<Bereit> v;
    v.reserve(p.teile.size());
    for (const Ellipsoid& e : p.teile) {
        const double cw = std::cos(e.winkel * Grad), sw = std::sin(e.winkel * Grad);
        v.push_back({&e, cw, sw, std::hypot(e.a * cw, e.b * sw), std::hypot(e.a * sw, e.b * cw)});
    }
    return v;
}

struct Lokal
{
    double x, y, z;
};

Lokal lokal(const Bereit& b, double x, double y, double z)
{
    const Ellipsoid& e = *b.e;
    const double dx = x - e.x, dy = y - e.y;
    return {(dx * b.cw + dy * b.sw) / e.a, (-dx * b.sw + dy * b.cw) / e.b, (z - e.z) / e.c};
}

Lokal richtung(const Bereit& b, double dx, double dy, double dz)
{
    const Ellipsoid& e = *b.e;
    return {(dx * b.cw + dy * b.sw) / e.a, (-dx * b.sw + dy * b.cw) / e.b, dz / e.c};
}

bool innen(const Bereit& b, double x, double y, double z)
{
    const Ellipsoid& e = *b.e;
    if (std::abs(x - e.x) > b.rx || std::abs(y - e.y) > b.ry || std::abs(z - e.z) > e.c)
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
    // only the parts that reach the plane z matter
    std::vector<Bereit> teile;
    for (const Bereit& b : vorbereiten(p))
        if (std::abs(z - b.e->z) <= b.e->c)
            teile.push_back(b);
    for (int py = 0; py < hoehe; ++py)
        for (int px = 0; px < breite; ++px) {
            const double x = ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            const double y = (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
            werte[std::size_t(py) * std::size_t(breite) + std::size_t(px)] = wertIn(teile, p.umgebung, x, y, z);
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
    std::vector<Bereit> zeile;
    for (int py = 0; py < hoehe; ++py) {
        const double z = (1.0 - (py + 0.5) / hoehe * 2.0) * halbhoehe;
        // Only the parts that reach the height of this row can meet its rays
        // (the parts turn about the vertical axis only); their order stays.
        zeile.clear();
        for (const Bereit& b : teile)
            if (std::abs(z - b.e->z) < b.e->c)
                zeile.push_back(b);
        for (int px = 0; px < breite; ++px) {
            const double y = ((px + 0.5) / breite * 2.0 - 1.0) * halbbreite;
            const double d = linienintegral(zeile, p.umgebung, -2.0, y, z, 1.0, 0.0, 0.0, 0.0, 4.0);
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
