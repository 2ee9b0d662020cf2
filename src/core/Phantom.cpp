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

// A direction, or a point relative to the centre, in the part's own axes.
Lokal richtung(const Bereit& b, double dx, double dy, double dz)
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
    return richtung(b, x - b.e->x, y - b.e->y, z - b.e->z);
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

namespace {

// An ellipsoid with its middle axis from point p to point q (length |pq|,
// times `laenge` for the overlap of a chain), `quer` across it horizontally
// and `hoch` across it in the third direction.
struct Punkt3
{
    double x, y, z;
};

Ellipsoid strecke(Punkt3 p, Punkt3 q, double quer, double hoch, double hu, double laenge = 1.0)
{
    const double dx = q.x - p.x, dy = q.y - p.y, dz = q.z - p.z;
    const double l = std::sqrt(dx * dx + dy * dy + dz * dz);
    Ellipsoid e{(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2, quer, std::max(l * laenge / 2, quer), hoch,
                std::atan2(-dx, dy) / Grad, hu};
    e.neigung = l > 0.0 ? std::asin(dz / l) / Grad : 0.0;
    return e;
}

// A band of constant width along a line in the plane z: a chain of
// overlapping ellipsoids, each reaching from one point to the next and as
// far again, so that the band does not narrow where two meet.
void band(std::vector<Ellipsoid>& t, const std::vector<Punkt3>& punkte, double halbbreite, double hoehe, double hu)
{
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i)
        t.push_back(strecke(punkte[i], punkte[i + 1], halbbreite, hoehe, hu, 2.0));
}

// A bone: a dense cortex round lighter marrow, with the marrow's floor and
// top as far inside as the cortex is thick.
void knochenteil(std::vector<Ellipsoid>& t, Ellipsoid e, double rinde, double mark, double wand)
{
    e.hu = rinde;
    t.push_back(e);
    e.a -= wand;
    e.b -= wand;
    e.c -= wand;
    e.bodenZ += e.bodenZ > OhneBoden ? wand : 0.0;
    e.deckeZ -= e.deckeZ < -OhneBoden ? wand : 0.0;
    e.hu = mark;
    t.push_back(e);
}

// Repeatable numbers in [0, 1) for the shapes of the folds.
double zufall(int i, int k)
{
    return (korn(i * 7 + 3, k * 13 + 5) + 1.0) / 2.0;
}

// The sulci of the cerebral cortex at the height of the cross-section, as
// lines from the brain's surface inwards. Each bends and winds a little and
// some branch; they are left out where the hemispheres meet in the middle.
std::vector<std::vector<Punkt3>> furchen(double a, double b, double mitteY, double z)
{
    constexpr double Pi = 3.14159265358979323846;
    std::vector<std::vector<Punkt3>> linien;
    constexpr int Anzahl = 40;
    for (int i = 0; i < Anzahl; ++i) {
        const double th = 2.0 * Pi * (i + 0.5 + 0.4 * (zufall(i, 0) - 0.5)) / Anzahl;
        // no sulcus across the cleft between the hemispheres
        if (std::abs(std::cos(th)) < 0.14)
            continue;
        const Punkt3 s{a * std::cos(th), mitteY + b * std::sin(th), z};
        double nx = std::cos(th) / a, ny = std::sin(th) / b;
        const double nl = std::hypot(nx, ny);
        nx /= nl;
        ny /= nl;
        const double tx = -ny, ty = nx;
        // the lateral sulcus on each side runs deepest
        const bool seitlich = std::abs(std::cos(th)) > 0.985;
        const double tiefe = seitlich ? 0.17 : 0.07 + 0.06 * zufall(i, 1);
        const double welle = 0.005 + 0.009 * zufall(i, 2), phase = 2 * Pi * zufall(i, 3);
        const double bogen = (zufall(i, 4) - 0.5) * 0.05;
        const auto punkt = [&](double u) {
            const double seite = welle * (std::sin(2 * Pi * u + phase) - std::sin(phase)) + bogen * u * u;
            return Punkt3{s.x - nx * tiefe * u + tx * seite, s.y - ny * tiefe * u + ty * seite, z};
        };
        std::vector<Punkt3> linie;
        constexpr int Stuecke = 8;
        for (int k = 0; k <= Stuecke; ++k)
            linie.push_back(punkt(double(k) / Stuecke));
        linien.push_back(linie);
        // a short side branch from the middle of some sulci, at about 40 degrees
        if (zufall(i, 5) < 0.35 || seitlich) {
            const double r = zufall(i, 6) < 0.5 ? -1.0 : 1.0;
            const Punkt3 m = punkt(0.5), q = punkt(0.56);
            const double lx = q.x - m.x, ly = q.y - m.y, ll = std::hypot(lx, ly);
            const double ux = lx / ll, uy = ly / ll, c = 0.77, sn = 0.64 * r;
            const double rx = ux * c - uy * sn, ry = ux * sn + uy * c;
            const double l = tiefe * 0.35;
            linien.push_back({m, {m.x + rx * l * 0.5, m.y + ry * l * 0.5, z}, {m.x + rx * l, m.y + ry * l, z}});
        }
    }
    return linien;
}

}  // namespace

const Phantom& kopf()
{
    static const Phantom k = [] {
        Phantom p;
        auto& t = p.teile;
        // Bone values: CT numbers of compact bone and enamel. A radiograph is
        // taken with softer rays than a CT scan, where bone weakens the beam
        // relatively more; the tables and the teeth carry that in their values
        // (a CT picture in the brain window shows every bone white anyway).
        constexpr double Kortikalis = 3500, Diploe = 1200, Schmelz = 4000, Weich = 40;
        // The skull and the brain end at the skull base: in front at the
        // floor over the orbits, which runs almost level from the forehead
        // back to the sella; behind it the vault's own round bottom forms the
        // floors of the middle and the back of the skull. So every part
        // inside the skull is laid down twice: its back part, as far forward
        // as a line sloping down from the sella, and its front part above that floor.
        constexpr double BodenZ = -0.07, BodenSteigung = 0.12;
        const auto imSchaedel = [&](Ellipsoid e) {
            Ellipsoid hinten = e;
            hinten.deckeZ = 0.8;
            hinten.deckeSteigung = -4.0;
            t.push_back(hinten);
            e.bodenZ = BodenZ;
            e.bodenSteigung = BodenSteigung;
            t.push_back(e);
        };

        // soft tissue: neck and nape, face, nose, lips and chin, scalp, the ears
        t.push_back({0.00, -0.12, -1.40, 0.34, 0.32, 1.00, 0, Weich});
        t.push_back({0.00, -0.28, -0.42, 0.33, 0.20, 0.22, 0, Weich});
        t.push_back({0.00, 0.30, -0.36, 0.45, 0.46, 0.48, 0, Weich});
        t.push_back({0.00, 0.77, -0.17, 0.06, 0.11, 0.15, 0, Weich});
        t.push_back({0.00, 0.48, -0.70, 0.30, 0.26, 0.18, 0, Weich});
        t.push_back({0.00, -0.02, 0.25, 0.66, 0.80, 0.66, 0, Weich});
        t.push_back({0.66, -0.08, -0.10, 0.05, 0.10, 0.16, 0, Weich});
        t.push_back({-0.66, -0.08, -0.10, 0.05, 0.10, 0.16, 0, Weich});

        // the vault: outer table, spongy diploe, inner table, down to the skull base
        imSchaedel({0.00, -0.02, 0.25, 0.625, 0.765, 0.625, 0, Kortikalis});
        imSchaedel({0.00, -0.02, 0.25, 0.608, 0.748, 0.608, 0, Diploe});
        imSchaedel({0.00, -0.02, 0.25, 0.590, 0.730, 0.590, 0, Kortikalis});

        // face skeleton: upper jaw and cheek bones, hard palate, nasal bone, zygomatic arches
        t.push_back({0.00, 0.42, -0.33, 0.36, 0.28, 0.19, 0, 500});
        t.push_back({0.00, 0.40, -0.45, 0.17, 0.27, 0.018, 0, 1800});
        t.push_back(strecke({0, 0.70, 0.02}, {0, 0.78, -0.14}, 0.03, 0.012, 1800));
        t.push_back({0.45, 0.25, -0.17, 0.03, 0.22, 0.035, 0, 1800});
        t.push_back({-0.45, 0.25, -0.17, 0.03, 0.22, 0.035, 0, 1800});
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
        // the lower jaw: chin, the body on each side below the teeth, the
        // angle, the ramus up to the joint in front of the ear, the coronoid process
        knochenteil(t, {0.00, 0.60, -0.77, 0.10, 0.055, 0.09, 0, 0}, 3200, 900, 0.02);
        for (int seite : {-1, 1}) {
            const double s = seite;
            knochenteil(t, strecke({s * 0.07, 0.58, -0.77}, {s * 0.40, 0.03, -0.69}, 0.04, 0.065, 0), 3200, 900,
                        0.018);
            knochenteil(t, {s * 0.40, 0.04, -0.70, 0.035, 0.07, 0.06, 0, 0}, 3200, 900, 0.018);
            knochenteil(t, strecke({s * 0.40, 0.03, -0.70}, {s * 0.42, -0.01, -0.30}, 0.045, 0.06, 0), 3200, 900,
                        0.012);
            t.push_back({s * 0.42, -0.01, -0.26, 0.05, 0.035, 0.03, 0, 1800});
            t.push_back(strecke({s * 0.40, 0.12, -0.48}, {s * 0.40, 0.18, -0.32}, 0.02, 0.025, 1600));
        }
        // the hyoid bone below the jaw
        t.push_back({0.00, 0.30, -0.98, 0.12, 0.04, 0.02, 0, 1200});

        // cervical spine: atlas, the dens of the axis, then the vertebral
        // bodies with flat end plates, the joints behind them and the spinous processes
        t.push_back({0.00, 0.03, -0.46, 0.06, 0.025, 0.03, 0, 1800});
        t.push_back({0.00, -0.30, -0.46, 0.09, 0.04, 0.025, 0, 1800});
        t.push_back(strecke({0, -0.06, -0.40}, {0, -0.07, -0.52}, 0.035, 0.03, 1800));
        for (int i = 0; i < 6; ++i) {
            const double z = -0.58 - 0.145 * i - (i == 0 ? 0.0 : 0.02);
            const double y = -0.07 + 0.012 * std::sin(i * 0.6) - 0.006 * i;
            const double hoehe = i == 0 ? 0.075 : 0.05;
            Ellipsoid koerper{0.00, y, z, 0.10, 0.085, hoehe * 1.8, 0, 0};
            koerper.bodenZ = z - hoehe;
            koerper.deckeZ = z + hoehe;
            knochenteil(t, koerper, 1800, 500, 0.012);
            for (int seite : {-1, 1})
                t.push_back({seite * 0.10, y - 0.15, z - 0.01, 0.035, 0.05, 0.06, 0, 1500});
            const double dorn = i == 0 ? 0.26 : (i == 5 ? 0.30 : 0.20);
            t.push_back(strecke({0, y - 0.16, z - 0.01}, {0, y - 0.16 - dorn, z - 0.07}, 0.025, 0.022, 1800));
        }

        // inside the skull: a thin layer of fluid, then the brain with its
        // gray cortex round the white matter, both ending at the skull base
        constexpr double Liquor = 10;
        imSchaedel({0.00, -0.02, 0.25, 0.575, 0.715, 0.575, 0, Liquor});
        imSchaedel({0.00, -0.02, 0.25, 0.560, 0.700, 0.560, 0, GraueSubstanz});
        t.push_back({0.00, -0.02, 0.31, 0.532, 0.670, 0.42, 0, WeisseSubstanz});
        // The folds at the height of the cross-section: every sulcus a thin
        // cleft of fluid lined with cortex, which reaches into the white
        // matter; between the sulci the white matter runs out into the gyri.
        // They lie in a slab round the cross-section, and nowhere beyond the
        // brain's surface: the thin layer of fluid keeps them off the skull
        // above and below the cross-section too.
        constexpr double Z = KopfSchnitthoehe;
        const auto schicht = [&](std::size_t ab) {
            for (std::size_t i = ab; i < t.size(); ++i) {
                t[i].c = std::max(t[i].c, 0.3);
                t[i].bodenZ = Z - 0.03;
                t[i].deckeZ = Z + 0.03;
            }
        };
        const std::size_t falten = t.size();
        const double f = std::sqrt(1.0 - (Z - 0.25) * (Z - 0.25) / (0.560 * 0.560));
        const auto linien = furchen(0.560 * f, 0.700 * f, -0.02, Z);
        constexpr double Rinde = 0.026, Spalt = 0.0065, Futter = Rinde + Spalt;
        for (const auto& l : linien) {
            // The lining starts so deep that its round end stays below the
            // surface, where it meets the cortex.
            const double schritt = std::hypot(l[1].x - l[0].x, l[1].y - l[0].y);
            std::size_t k = 0;
            while (k + 2 < l.size() && (double(k) + 0.5) * schritt < Futter + 0.002)
                ++k;
            band(t, {l.begin() + std::ptrdiff_t(k), l.end()}, Futter, 0.3, GraueSubstanz);
        }
        // the cleft between the hemispheres, at the front and at the back, lined with cortex
        const std::vector<Punkt3> vorn{{0, 0.672, Z}, {0.004, 0.60, Z}, {-0.004, 0.52, Z}, {0.003, 0.44, Z}, {0, 0.36, Z}};
        const std::vector<Punkt3> hinten{{0, -0.70, Z}, {-0.004, -0.62, Z}, {0.004, -0.54, Z}, {-0.003, -0.46, Z},
                                         {0, -0.40, Z}};
        band(t, {vorn.begin() + 1, vorn.end()}, Rinde + 0.008, 0.3, GraueSubstanz);
        band(t, {hinten.begin() + 1, hinten.end()}, Rinde + 0.008, 0.3, GraueSubstanz);
        // the clefts themselves, open to the fluid at the surface
        for (const auto& l : linien) {
            t.push_back(strecke(l[0], l[1], Spalt, 0.3, 16));
            band(t, {l.begin() + 1, l.end()}, Spalt, 0.3, 16);
        }
        t.push_back(strecke(vorn[0], vorn[1], 0.008, 0.3, Liquor));
        band(t, {vorn.begin() + 1, vorn.end()}, 0.008, 0.3, Liquor);
        t.push_back(strecke(hinten[0], hinten[1], 0.008, 0.3, Liquor));
        band(t, {hinten.begin() + 1, hinten.end()}, 0.008, 0.3, Liquor);

        // The lateral ventricles, a butterfly: the frontal horns part towards
        // the front, the bodies lie close beside the septum, the atria and
        // the occipital horns part towards the back. The heads of the caudate
        // nuclei bulge into the frontal horns from the side.
        for (int seite : {-1, 1}) {
            const double s = seite;
            t.push_back(strecke({s * 0.030, 0.045, Z}, {s * 0.125, 0.275, Z}, 0.040, 0.09, Ventrikel));
            t.push_back(strecke({s * 0.040, 0.100, Z}, {s * 0.048, -0.140, Z}, 0.028, 0.09, Ventrikel));
            t.push_back(strecke({s * 0.055, -0.100, Z}, {s * 0.150, -0.350, Z}, 0.046, 0.09, Ventrikel));
            t.push_back(strecke({s * 0.100, 0.030, Z}, {s * 0.160, 0.230, Z}, 0.046, 0.09, GraueSubstanz));
            // the choroid plexus in the atrium, often calcified
            t.push_back({s * 0.105, -0.225, Z, 0.013, 0.017, 0.03, 0, 70});
        }
        schicht(falten);

        // skull base: the floor of the front of the skull over the orbits,
        // the sphenoid with its sinus and the sella, the clivus down to the
        // spine, the petrous bones and the mastoids behind the ears, and the ear canals
        {
            // below the floor over the orbits the air cells of the ethmoid,
            // a light mixture of thin bone and air; the floor itself is thin bone
            Ellipsoid siebbein{0.00, 0.44, -0.12, 0.30, 0.26, 0.16, 0, 250};
            siebbein.deckeZ = BodenZ;
            siebbein.deckeSteigung = BodenSteigung;
            t.push_back(siebbein);
            Ellipsoid dach{0.00, 0.45, BodenZ + BodenSteigung * 0.45 - 0.008, 0.30, 0.25, 0.010, 0, 1800};
            dach.neigung = std::atan(BodenSteigung) / Grad;
            t.push_back(dach);
        }
        t.push_back({0.00, 0.12, -0.20, 0.10, 0.12, 0.10, 0, 900});
        t.push_back({0.00, 0.13, -0.21, 0.07, 0.08, 0.07, 0, -1000});
        // the sella: a cup of thin bone round the pituitary gland
        {
            Ellipsoid sattel{0.00, 0.06, -0.10, 0.05, 0.045, 0.04, 0, 1300};
            sattel.deckeZ = -0.085;
            t.push_back(sattel);
            t.push_back({0.00, 0.06, -0.088, 0.038, 0.033, 0.03, 0, Weich});
        }
        t.push_back(strecke({0, 0.03, -0.12}, {0, -0.05, -0.38}, 0.05, 0.03, 1500));
        t.push_back(strecke({0.08, 0.02, -0.12}, {0.40, -0.22, -0.21}, 0.05, 0.045, 2000));
        t.push_back(strecke({-0.08, 0.02, -0.12}, {-0.40, -0.22, -0.21}, 0.05, 0.045, 2000));
        t.push_back({0.42, -0.17, -0.30, 0.06, 0.07, 0.09, 0, 700});
        t.push_back({-0.42, -0.17, -0.30, 0.06, 0.07, 0.09, 0, 700});
        t.push_back({0.52, -0.07, -0.20, 0.14, 0.03, 0.03, 0, -1000});
        t.push_back({-0.52, -0.07, -0.20, 0.14, 0.03, 0.03, 0, -1000});
        // below the skull base, drawn over it: air spaces, frontal and maxillary sinuses, nose, nasopharynx and throat
        t.push_back({0.00, 0.665, 0.10, 0.12, 0.045, 0.08, 0, -1000});
        t.push_back({0.17, 0.45, -0.25, 0.10, 0.12, 0.11, 0, -1000});
        t.push_back({-0.17, 0.45, -0.25, 0.10, 0.12, 0.11, 0, -1000});
        t.push_back({0.00, 0.58, -0.31, 0.05, 0.15, 0.11, 0, -1000});
        t.push_back({0.00, 0.22, -0.34, 0.05, 0.09, 0.06, 0, -1000});
        t.push_back({0.00, 0.10, -0.86, 0.06, 0.07, 0.34, 0, -1000});
        // the orbits: a rim of bone round fat, and the eye in it
        for (int seite : {-1, 1}) {
            t.push_back({seite * 0.20, 0.56, -0.08, 0.15, 0.14, 0.13, 0, 1500});
            t.push_back({seite * 0.20, 0.57, -0.08, 0.13, 0.125, 0.112, 0, -80});
            t.push_back({seite * 0.20, 0.58, -0.08, 0.11, 0.11, 0.095, 0, 15});
        }

        return p;
    }();
    return k;
}

}  // namespace phantom
