#include "pages/Koerperbilder.h"

#include "app/Programmbilder.h"
#include "core/Koerperphantome.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace Koerperbilder {

namespace {
constexpr double Pi = 3.14159265358979323846;

// Every picture is computed once for each size and kept for the run of the
// program: the windows that show them are built and rebuilt without waiting.
QImage gemerkt(const QString& schluessel, const std::function<QImage()>& rechnen)
{
    static QHash<QString, QImage> speicher;
    const auto gefunden = speicher.constFind(schluessel);
    if (gefunden != speicher.cend())
        return *gefunden;
    phantom::vektorzustandLeeren();
    const QImage bild = rechnen();
    speicher.insert(schluessel, bild);
    return bild;
}

QString groesse(int breite, int hoehe)
{
    return QStringLiteral("%1x%2").arg(breite).arg(hoehe);
}

QImage ausGraubild(const phantom::Graubild& g)
{
    return Programmbilder::ausGrau(g.breite, g.hoehe, g.grau.data());
}

// Gray values of a picture as numbers, and back.
std::vector<double> werte(const QImage& bild)
{
    std::vector<double> w(std::size_t(bild.width()) * std::size_t(bild.height()));
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            w[std::size_t(y) * std::size_t(bild.width()) + std::size_t(x)] = qGray(bild.pixel(x, y));
    return w;
}

QImage alsBild(const std::vector<double>& w, int breite, int hoehe, double tief, double hoch)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            const double v = (w[std::size_t(y) * std::size_t(breite) + std::size_t(x)] - tief) / (hoch - tief);
            const int g = int(std::nearbyint(std::clamp(v, 0.0, 1.0) * 255.0));
            bild.setPixel(x, y, qRgb(g, g, g));
        }
    return bild;
}

// A 3 x 3 filter with edge replication.
std::vector<double> falten(const std::vector<double>& w, int breite, int hoehe, const double (&kern)[9], double teiler)
{
    std::vector<double> e(w.size());
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            double s = 0.0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = std::clamp(x + dx, 0, breite - 1), yy = std::clamp(y + dy, 0, hoehe - 1);
                    s += kern[(dy + 1) * 3 + dx + 1] * w[std::size_t(yy) * std::size_t(breite) + std::size_t(xx)];
                }
            e[std::size_t(y) * std::size_t(breite) + std::size_t(x)] = s / teiler;
        }
    return e;
}
}  // namespace

namespace {
QImage handRoentgenRechnen(int breite, int hoehe)
{
    // The hand from the forearm to the finger tips; the radiograph shows the
    // attenuation along each line as brightness: air black, soft tissue gray,
    // bone light.
    const double halbhoehe = 1.12, halbbreite = halbhoehe * breite / hoehe;
    const std::vector<double> d = phantom::vonOben(phantom::hand(), breite, hoehe, 0.02, -0.13, halbbreite, halbhoehe);
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    constexpr double Hellste = 0.66;  // attenuation that the film shows white
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const double v = std::clamp(d[std::size_t(y) * std::size_t(breite) + std::size_t(x)] / Hellste, 0.0, 1.0);
            const int g = int(std::nearbyint(255.0 * std::pow(v, 1.35)));
            zeile[x] = qRgb(g, g, g);
        }
    }
    return bild;
}

QImage lungeRechnen(int breite, int hoehe, double zentrum, double fensterbreite)
{
    return ausGraubild(phantom::schnitt(phantom::brustkorb(), breite, hoehe, phantom::BrustkorbSchnitthoehe, 1.0,
                                        1.0 * hoehe / breite, zentrum, fensterbreite, 6.0));
}

QImage kopf1974Rechnen(int breite, int hoehe)
{
    // About 80 elements across the scanned circle; each element about 3 mm.
    const int spalten = 60, zeilen = 71;
    const std::vector<double> hu =
        phantom::grobschnitt(phantom::kopf(), spalten, zeilen, phantom::KopfSchnitthoehe, 0.74, 0.74 * zeilen / spalten, 4);
    return ausGraubild(phantom::mosaik(hu, spalten, zeilen, breite, hoehe, 30.0, 160.0, 9.0));
}

QImage filterbeispielRechnen(int breite, int hoehe)
{
    const int b = (breite - 16) / 3, h = hoehe;
    // the whole head in each of the three views
    const double halbhoehe = 0.86, halbbreite = halbhoehe * b / h;
    const QImage kopf = ausGraubild(phantom::schnitt(phantom::kopf(), b, h, phantom::KopfSchnitthoehe, halbbreite,
                                                     halbhoehe, 35.0, 90.0, 3.0));
    std::vector<double> roh = werte(kopf);
    // grain as a measured picture has it
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x) {
            const unsigned u = unsigned(x) * 2654435761u ^ unsigned(y) * 40503u;
            roh[std::size_t(y) * std::size_t(b) + std::size_t(x)] += double((u >> 7) % 41) - 20.0;
        }
    const double tief[9] = {1, 2, 1, 2, 4, 2, 1, 2, 1};
    const double laplace[9] = {0, 1, 0, 1, -4, 1, 0, 1, 0};
    const std::vector<double> glatt = falten(roh, b, h, tief, 16.0);
    // the edges: the Laplace filter after smoothing twice more, so that the grain stays below them
    std::vector<double> kanten =
        falten(falten(falten(glatt, b, h, tief, 16.0), b, h, tief, 16.0), b, h, laplace, 1.0);
    for (double& k : kanten)
        k = std::fabs(k);
    std::vector<double> sortiert = kanten;
    const auto stelle = sortiert.begin() + std::ptrdiff_t(sortiert.size() * 97 / 100);
    std::nth_element(sortiert.begin(), stelle, sortiert.end());
    const double stark = std::max(1.0, *stelle);
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.drawImage(0, 0, alsBild(roh, b, h, 0, 255));
    maler.drawImage(b + 8, 0, alsBild(glatt, b, h, 0, 255));
    // strong edges dark on white
    maler.drawImage(2 * (b + 8), 0, alsBild(kanten, b, h, stark, 0.15 * stark));
    return bild;
}

QImage rueckprojektionRechnen(int breite, int hoehe, bool mitFaltung)
{
    // The pattern: a ring and a small square on a 64 x 64 grid.
    const int n = 64;
    std::vector<double> muster(std::size_t(n) * n, 0.0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double dx = x - 25.5, dy = y - 27.5, r = std::sqrt(dx * dx + dy * dy);
            if ((r > 9 && r < 14) || (x >= 38 && x < 46 && y >= 36 && y < 44))
                muster[std::size_t(y) * n + x] = 1.0;
        }
    const int richtungen = 90, strahlen = 91;
    const double mitte = (n - 1) / 2.0, smitte = (strahlen - 1) / 2.0;
    // the convolution kernel of the filtered back-projection (ramp filter in image space)
    std::vector<double> kern(std::size_t(2 * strahlen + 1), 0.0);
    for (int k = -strahlen; k <= strahlen; ++k)
        kern[std::size_t(k + strahlen)] = k == 0 ? 0.25 : (k % 2 ? -1.0 / (Pi * Pi * k * k) : 0.0);
    std::vector<double> bildwerte(std::size_t(n) * n, 0.0);
    for (int r = 0; r < richtungen; ++r) {
        const double w = r * Pi / richtungen, c = std::cos(w), s = std::sin(w);
        std::vector<double> profil(std::size_t(strahlen), 0.0);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double v = muster[std::size_t(y) * n + x];
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
                bildwerte[std::size_t(y) * n + x] += a * (1.0 - f) + b * f;
            }
    }
    const auto [tief, hoch] = std::minmax_element(bildwerte.begin(), bildwerte.end());
    // as in the simulator: the smallest value white, larger values darker
    const double unten = mitFaltung ? 0.0 : *tief;
    QImage klein = alsBild(bildwerte, n, n, *hoch, unten);
    return klein.scaled(breite, hoehe, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
}  // namespace

QImage handRoentgen(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("hand ") + groesse(breite, hoehe), [=] { return handRoentgenRechnen(breite, hoehe); });
}

QImage kopfRoentgen(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("kopf ") + groesse(breite, hoehe),
                   [=] { return Programmbilder::kopfRoentgen(breite, hoehe); });
}

QImage lunge(int breite, int hoehe, double zentrum, double fensterbreite)
{
    return gemerkt(QStringLiteral("lunge %1 %2 ").arg(zentrum).arg(fensterbreite) + groesse(breite, hoehe),
                   [=] { return lungeRechnen(breite, hoehe, zentrum, fensterbreite); });
}

QImage kopf1974(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("1974 ") + groesse(breite, hoehe), [=] { return kopf1974Rechnen(breite, hoehe); });
}

QImage filterbeispiel(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("filter ") + groesse(breite, hoehe),
                   [=] { return filterbeispielRechnen(breite, hoehe); });
}

QImage rueckprojektion(int breite, int hoehe, bool mitFaltung)
{
    return gemerkt(QStringLiteral("rueck %1 ").arg(mitFaltung) + groesse(breite, hoehe),
                   [=] { return rueckprojektionRechnen(breite, hoehe, mitFaltung); });
}

}  // namespace Koerperbilder
