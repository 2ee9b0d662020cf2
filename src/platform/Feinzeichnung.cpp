#include "platform/Feinzeichnung.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Fein {

namespace {
int abwaerts(int a, int b)  // a / b rounded down (b > 0)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// A stroke's mark: its width p (1 to 3) and the pixel's place i in it.
std::uint8_t markencode(int p, int i)
{
    return std::uint8_t(1 + (p - 1) * 4 + i);
}
void markeLesen(std::uint8_t code, int& p, int& i)
{
    p = (code - 1) / 4 + 1;
    i = (code - 1) % 4;
}
}  // namespace

QRect umfang(const Befehl& b)
{
    const auto kasten = [&](const std::vector<QPoint>& punkte) {
        QRect k;
        for (const QPoint& p : punkte)
            k |= QRect(p, QSize(1, 1));
        // The pen's square, and a device pixel more where a stroke is wider than its pixel.
        return k.adjusted(-b.breite, -b.breite, b.breite, b.breite);
    };
    switch (b.art) {
    case Befehl::Art::Linie: return kasten({b.a, b.b});
    case Befehl::Art::Vieleck: return kasten(b.punkte);
    case Befehl::Art::Maske: {
        QRect k;
        for (std::size_t i = 0; i + 2 < b.spannen.size(); i += 3)
            k |= QRect(QPoint(b.spannen[i + 1], b.spannen[i]), QPoint(b.spannen[i + 2] - 1, b.spannen[i]));
        return k.adjusted(-1, -1, 1, 1);
    }
    default: return b.r;
    }
}

bool deckend(const Befehl& b)
{
    switch (b.art) {
    case Befehl::Art::Flaeche: return true;
    case Befehl::Art::Bild:
    case Befehl::Art::Kopie:
    case Befehl::Art::Geraet: return !b.und;
    default: return false;
    }
}

int strichbreite(int p, double f)
{
    const double w = p * f;
    return w < 1.5 ? 1 : int(std::lround(w));
}

Feinmaler::Feinmaler(QImage& ziel, int breite, int hoehe, double f)
    : m_ziel(ziel)
    , m_b(std::max(breite, 0))
    , m_h(std::max(hoehe, 0))
    , m_f(f)
    , m_w1(strichbreite(1, f))
    , m_marken(std::size_t(m_b) * std::size_t(m_h), 0)
{
}

void Feinmaler::zeichnen(const Liste& liste, std::size_t von)
{
    Lage l{QPoint(0, 0), QRect(0, 0, m_ziel.width(), m_ziel.height()), QRect(0, 0, m_b, m_h), &m_ziel,
           QPoint(0, 0), true};
    l.setzeBild(&m_ziel, QPoint(0, 0));
    for (std::size_t i = von; i < liste.size(); ++i)
        befehl(liste[i], l);
}

std::pair<int, int> Feinmaler::band(int a, int p) const
{
    const int w = strichbreite(p, m_f);
    const int anfang = R(a) + abwaerts(R(a + p) - R(a) - w, 2);
    return {anfang, anfang + w};
}

void Feinmaler::markenLoeschen(QRect r, const Lage& l)
{
    if (!l.marken)
        return;
    r &= l.lgrenze & QRect(0, 0, m_b, m_h);
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(&marke(r.left(), y), r.width(), std::uint8_t(0));
}

void Feinmaler::markieren(QRect r, bool senkrecht, int a, int p, const Lage& l)
{
    if (!l.marken || p > 3)
        return;
    r &= l.lgrenze & QRect(0, 0, m_b, m_h);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            std::uint8_t& m = marke(x, y);
            const int i = (senkrecht ? x : y) - a;
            if (i < 0 || i >= p)
                continue;
            m = senkrecht ? std::uint8_t((m & 0xF0) | markencode(p, i))
                          : std::uint8_t((m & 0x0F) | (markencode(p, i) << 4));
        }
}

int Feinmaler::linkeKante(int x, int y) const
{
    if (innen(x - 1, y)) {
        const std::uint8_t m = m_marken[std::size_t(y) * std::size_t(m_b) + std::size_t(x - 1)] & 0x0F;
        if (m) {
            int p = 1, i = 0;
            markeLesen(m, p, i);
            return band(x - 1 - i, p).second;
        }
    }
    return R(x);
}

int Feinmaler::rechteKante(int x, int y) const
{
    if (innen(x, y)) {
        const std::uint8_t m = m_marken[std::size_t(y) * std::size_t(m_b) + std::size_t(x)] & 0x0F;
        if (m) {
            int p = 1, i = 0;
            markeLesen(m, p, i);
            return band(x - i, p).first;
        }
    }
    return R(x);
}

int Feinmaler::obereKante(int x, int y) const
{
    if (innen(x, y - 1)) {
        const std::uint8_t m = m_marken[std::size_t(y - 1) * std::size_t(m_b) + std::size_t(x)] >> 4;
        if (m) {
            int p = 1, i = 0;
            markeLesen(m, p, i);
            return band(y - 1 - i, p).second;
        }
    }
    return R(y);
}

int Feinmaler::untereKante(int x, int y) const
{
    if (innen(x, y)) {
        const std::uint8_t m = m_marken[std::size_t(y) * std::size_t(m_b) + std::size_t(x)] >> 4;
        if (m) {
            int p = 1, i = 0;
            markeLesen(m, p, i);
            return band(y - i, p).first;
        }
    }
    return R(y);
}

void Feinmaler::befehl(const Befehl& b, const Lage& l)
{
    switch (b.art) {
    case Befehl::Art::Flaeche: flaeche(b.r.translated(l.versatz), b.farbe, l); break;
    case Befehl::Art::Linie: linie(b.a + l.versatz, b.b + l.versatz, b.farbe, b.breite, l); break;
    case Befehl::Art::Vieleck: vieleck(b, l); break;
    case Befehl::Art::Ellipse:
    case Befehl::Art::Sehne: ellipse(b, l); break;
    case Befehl::Art::Maske: maske(b, l); break;
    case Befehl::Art::Bild: bild(b, l); break;
    case Befehl::Art::Kopie: kopie(b, l); break;
    case Befehl::Art::Geraet: {
        const QPoint o(R(l.versatz.x() + b.r.left()), R(l.versatz.y() + b.r.top()));
        const QRect d = QRect(o, b.bild.size()) & l.grenze;
        for (int y = d.top(); y <= d.bottom(); ++y) {
            const QRgb* q = reinterpret_cast<const QRgb*>(b.bild.constScanLine(y - o.y())) - o.x();
            QRgb* z = l.zeile(y);
            for (int x = d.left(); x <= d.right(); ++x)
                z[x] = b.und ? (z[x] & q[x]) | 0xFF000000u : q[x];
        }
        markenLoeschen(b.r.translated(l.versatz), l);
        break;
    }
    }
}

void Feinmaler::flaeche(const QRect& r, QRgb farbe, const Lage& l)
{
    if (r.isEmpty())
        return;
    markenLoeschen(r, l);
    // (a fill reaches at most one layout pixel beyond its box, to a stroke's band)
    const QRect weit = r.adjusted(-1, -1, 1, 1);
    if (!QRect(QPoint(R(weit.left()), R(weit.top())), QPoint(R(weit.right() + 1), R(weit.bottom() + 1)))
             .intersects(l.grenze))
        return;
    const int mitte = r.left() + r.width() / 2;
    const int oben = obereKante(mitte, r.top()), unten = untereKante(mitte, r.bottom() + 1);
    const int erste = std::max(r.top(), T(l.grenze.top()) - 1), letzte = std::min(r.bottom(), T(l.grenze.bottom()) + 1);
    for (int y = erste; y <= letzte; ++y) {
        const int y0 = std::max(y == r.top() ? oben : R(y), l.grenze.top());
        const int y1 = std::min(y == r.bottom() ? unten : R(y + 1), l.grenze.bottom() + 1);
        const int x0 = std::max(linkeKante(r.left(), y), l.grenze.left());
        const int x1 = std::min(rechteKante(r.right() + 1, y), l.grenze.right() + 1);
        if (x0 >= x1)
            continue;
        for (int gy = y0; gy < y1; ++gy) {
            QRgb* z = l.zeile(gy);
            std::fill(z + x0, z + x1, farbe);
        }
    }
}

void Feinmaler::linie(QPoint a, QPoint b, QRgb farbe, int breite, const Lage& l)
{
    if (a == b)
        return;
    const QRect kasten = QRect(a, b).normalized().adjusted(-breite - 1, -breite - 1, breite + 1, breite + 1);
    if (!QRect(QPoint(R(kasten.left()), R(kasten.top())), QPoint(R(kasten.right()), R(kasten.bottom())))
             .intersects(l.grenze))
        return;
    const int von = -(breite - 1) / 2;
    const auto stempeln = [&](int x0, int y0, int x1, int y1) {
        x0 = std::max(x0, l.grenze.left());
        y0 = std::max(y0, l.grenze.top());
        x1 = std::min(x1, l.grenze.right() + 1);
        y1 = std::min(y1, l.grenze.bottom() + 1);
        for (int y = y0; y < y1; ++y) {
            QRgb* z = l.zeile(y);
            for (int x = x0; x < x1; ++x)
                z[x] = farbe;
        }
    };
    if (a.x() == b.x() || a.y() == b.y()) {
        // Along an axis: a band of the stroke's width, from the first layout
        // pixel's band to the last one's.
        const bool senkrecht = a.x() == b.x();
        const int q = senkrecht ? a.x() : a.y();
        const int s0 = senkrecht ? a.y() : a.x(), s1 = senkrecht ? b.y() : b.x();
        const int erstes = std::min(s0, s1 < s0 ? s1 + 1 : s0), letztes = std::max(s0, s1 < s0 ? s0 : s1 - 1);
        const auto quer = band(q + von, breite);
        const int laengs0 = band(erstes + von, breite).first, laengs1 = band(letztes + von, breite).second;
        if (senkrecht)
            stempeln(quer.first, laengs0, quer.second, laengs1);
        else
            stempeln(laengs0, quer.first, laengs1, quer.second);
        const QRect bereich = senkrecht ? QRect(q + von, erstes + von, breite, letztes - erstes + breite)
                                        : QRect(erstes + von, q + von, letztes - erstes + breite, breite);
        markieren(bereich, senkrecht, q + von, breite, l);
        return;
    }
    // Slanted: from the first pixel to the last one drawn (the end point is
    // excluded), with a square pen of the stroke's width at the device's
    // resolution.
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const int m = std::max(std::abs(dx), std::abs(dy));
    const QPoint letztes(b.x() - int(std::lround(double(dx) / m)), b.y() - int(std::lround(double(dy) / m)));
    const int w = strichbreite(breite, m_f);
    int x = band(a.x() + von, breite).first, y = band(a.y() + von, breite).first;
    const int zx = band(letztes.x() + von, breite).first, zy = band(letztes.y() + von, breite).first;
    const int gx = std::abs(zx - x), sx = x < zx ? 1 : -1;
    const int gy = -std::abs(zy - y), sy = y < zy ? 1 : -1;
    int fehler = gx + gy;
    const bool waagrecht = gx >= -gy;
    const bool frei = QRect(std::min(x, zx), std::min(y, zy), std::abs(zx - x) + w, std::abs(zy - y) + w)
                          .intersects(l.grenze);
    if (!frei)
        return;
    while (true) {
        // The pen's square moved by one pixel adds a run across the line's
        // direction; the whole square stands at the end.
        if (x == zx && y == zy) {
            stempeln(x, y, x + w, y + w);
            break;
        }
        if (w == 1) {
            if (l.grenze.contains(x, y))
                l.zeile(y)[x] = farbe;
        } else if (waagrecht)
            stempeln(x, y, x + 1, y + w);
        else
            stempeln(x, y, x + w, y + 1);
        const int e2 = 2 * fehler;
        if (e2 >= gy) {
            fehler += gy;
            x += sx;
        }
        if (e2 <= gx) {
            fehler += gx;
            y += sy;
        }
    }
}

void Feinmaler::vieleck(const Befehl& b, const Lage& l)
{
    const std::vector<QPoint>& p = b.punkte;
    if (p.empty())
        return;
    if (p.size() >= 3) {
        // Even-odd, by device pixel centres, with the corners at the device
        // edges of the layout corners.
        int ymin = R(p.front().y() + l.versatz.y()), ymax = ymin;
        std::vector<QPointF> e;
        for (const QPoint& q : p) {
            e.emplace_back(R(q.x() + l.versatz.x()), R(q.y() + l.versatz.y()));
            ymin = std::min(ymin, int(e.back().y()));
            ymax = std::max(ymax, int(e.back().y()));
        }
        ymin = std::max(ymin, l.grenze.top());
        ymax = std::min(ymax, l.grenze.bottom() + 1);
        std::vector<double> schnitte;
        for (int y = ymin; y < ymax; ++y) {
            const double my = y + 0.5;
            schnitte.clear();
            for (std::size_t i = 0; i < e.size(); ++i) {
                const QPointF& u = e[i];
                const QPointF& v = e[(i + 1) % e.size()];
                if ((u.y() <= my && v.y() > my) || (v.y() <= my && u.y() > my))
                    schnitte.push_back(u.x() + (my - u.y()) / (v.y() - u.y()) * (v.x() - u.x()));
            }
            std::sort(schnitte.begin(), schnitte.end());
            QRgb* z = l.zeile(y);
            for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2) {
                const int von = std::max(l.grenze.left(), int(std::ceil(schnitte[i] - 0.5)));
                const int bis = std::min(l.grenze.right() + 1, int(std::ceil(schnitte[i + 1] - 0.5)));
                for (int x = von; x < bis; ++x)
                    z[x] = b.pinsel;
            }
        }
    }
    for (std::size_t i = 0; i < p.size(); ++i)
        linie(p[i] + l.versatz, p[(i + 1) % p.size()] + l.versatz, b.farbe, b.breite, l);
    if (p.size() == 1) {
        const auto x = band(p.front().x() + l.versatz.x() - (b.breite - 1) / 2, b.breite);
        const auto y = band(p.front().y() + l.versatz.y() - (b.breite - 1) / 2, b.breite);
        for (int gy = std::max(y.first, l.grenze.top()); gy < std::min(y.second, l.grenze.bottom() + 1); ++gy) {
            QRgb* z = l.zeile(gy);
            for (int gx = std::max(x.first, l.grenze.left()); gx < std::min(x.second, l.grenze.right() + 1); ++gx)
                z[gx] = b.farbe;
        }
    }
}

void Feinmaler::ellipse(const Befehl& b, const Lage& l)
{
    const QRect r = b.r.translated(l.versatz);
    const int x0 = R(r.left()), y0 = R(r.top()), x1 = R(r.right() + 1), y1 = R(r.bottom() + 1);
    const double w = strichbreite(b.breite, m_f);
    QPainter maler(l.bild);
    maler.translate(-l.ursprung);
    maler.setClipRect(l.grenze);
    maler.setRenderHint(QPainter::Antialiasing, false);
    QPen stift(QColor::fromRgb(b.farbe), w);
    stift.setJoinStyle(Qt::MiterJoin);
    maler.setPen(stift);
    maler.setBrush(QColor::fromRgb(b.pinsel));
    const QRectF kasten(x0 + w / 2, y0 + w / 2, x1 - x0 - w, y1 - y0 - w);
    if (b.art == Befehl::Art::Ellipse) {
        maler.drawEllipse(kasten);
        return;
    }
    const double cx = r.left() + r.width() / 2.0, cy = r.top() + r.height() / 2.0;
    const QPoint p3 = b.a + l.versatz, p4 = b.b + l.versatz;
    const double anfang = std::atan2(-(p3.y() - cy), p3.x() - cx) * 180.0 / M_PI;
    const double ende = std::atan2(-(p4.y() - cy), p4.x() - cx) * 180.0 / M_PI;
    double spanne = ende - anfang;
    while (spanne <= 0)
        spanne += 360.0;
    maler.drawChord(kasten, int(std::lround(anfang * 16)), int(std::lround(spanne * 16)));
}

void Feinmaler::maske(const Befehl& b, const Lage& l)
{
    // The device pixels of the colour the fill replaced, connected to the
    // seed, within one layout pixel around the pixels it filled: so the fill
    // reaches the device pixels beside strokes that the layout has not.
    const std::vector<int>& s = b.spannen;
    if (s.empty())
        return;
    QRect grenze;
    for (std::size_t i = 0; i + 2 < s.size(); i += 3)
        grenze |= QRect(QPoint(s[i + 1] - 1, s[i] - 1), QPoint(s[i + 2], s[i] + 1)).translated(l.versatz);
    const QRect g = QRect(QPoint(R(grenze.left()), R(grenze.top())), QPoint(R(grenze.right() + 1) - 1,
                                                                          R(grenze.bottom() + 1) - 1))
                        & l.grenze;
    if (g.isEmpty())
        return;
    std::vector<std::uint8_t> erlaubt(std::size_t(g.width()) * std::size_t(g.height()), 0);
    for (std::size_t i = 0; i + 2 < s.size(); i += 3) {
        const int y = s[i] + l.versatz.y(), x1 = s[i + 1] + l.versatz.x(), x2 = s[i + 2] + l.versatz.x();
        const QRect d = QRect(QPoint(R(x1 - 1), R(y - 1)), QPoint(R(x2 + 1) - 1, R(y + 2) - 1)) & g;
        for (int gy = d.top(); gy <= d.bottom(); ++gy)
            std::fill_n(&erlaubt[std::size_t(gy - g.top()) * std::size_t(g.width()) + std::size_t(d.left() - g.left())],
                        d.width(), std::uint8_t(1));
    }
    const auto fuellbar = [&](int x, int y) {
        if (!g.contains(x, y) || !erlaubt[std::size_t(y - g.top()) * std::size_t(g.width()) + std::size_t(x - g.left())])
            return false;
        const QRgb p = l.zeile(y)[x] | 0xFF000000u;
        return b.rand ? (p != b.alt && p != b.farbe) : p == b.alt;
    };
    // The seed: a device pixel of the layout pixel the fill began at.
    const QPoint k = b.a + l.versatz;
    QPoint saat(-1, -1);
    for (int y = R(k.y()); y < R(k.y() + 1) && saat.x() < 0; ++y)
        for (int x = R(k.x()); x < R(k.x() + 1); ++x)
            if (fuellbar(x, y)) {
                saat = QPoint(x, y);
                break;
            }
    if (saat.x() >= 0) {
        std::vector<QPoint> stapel{saat};
        while (!stapel.empty()) {
            const QPoint p = stapel.back();
            stapel.pop_back();
            if (!fuellbar(p.x(), p.y()))
                continue;
            int links = p.x(), rechts = p.x();
            while (fuellbar(links - 1, p.y()))
                --links;
            while (fuellbar(rechts + 1, p.y()))
                ++rechts;
            QRgb* z = l.zeile(p.y());
            for (int x = links; x <= rechts; ++x)
                z[x] = b.farbe;
            for (int ny : {p.y() - 1, p.y() + 1}) {
                bool inLauf = false;
                for (int x = links; x <= rechts; ++x) {
                    const bool f = fuellbar(x, ny);
                    if (f && !inLauf)
                        stapel.emplace_back(x, ny);
                    inLauf = f;
                }
            }
        }
    }
    for (std::size_t i = 0; i + 2 < s.size(); i += 3)
        markenLoeschen(QRect(s[i + 1], s[i], s[i + 2] - s[i + 1], 1).translated(l.versatz), l);
}

void Feinmaler::bild(const Befehl& b, const Lage& l)
{
    // Each layout pixel of the picture becomes the block of device pixels it covers.
    const QRect r = b.r.translated(l.versatz);
    const QRect d = QRect(QPoint(R(r.left()), R(r.top())), QPoint(R(r.right() + 1) - 1, R(r.bottom() + 1) - 1))
                    & l.grenze;
    if (d.isEmpty() || b.bild.isNull())
        return;
    std::vector<int> spalte(std::size_t(d.width()));
    for (int x = d.left(); x <= d.right(); ++x)
        spalte[std::size_t(x - d.left())] = std::clamp(T(x) - r.left(), 0, b.bild.width() - 1);
    for (int y = d.top(); y <= d.bottom(); ++y) {
        const int qy = std::clamp(T(y) - r.top(), 0, b.bild.height() - 1);
        const QRgb* q = reinterpret_cast<const QRgb*>(b.bild.constScanLine(qy));
        QRgb* z = l.zeile(y);
        if (b.und)
            for (int x = d.left(); x <= d.right(); ++x)
                z[x] = (z[x] & q[spalte[std::size_t(x - d.left())]]) | 0xFF000000u;
        else
            for (int x = d.left(); x <= d.right(); ++x)
                z[x] = q[spalte[std::size_t(x - d.left())]] | 0xFF000000u;
    }
    markenLoeschen(r, l);
}

void Feinmaler::kopie(const Befehl& b, const Lage& l)
{
    if (!b.quelle)
        return;
    const QRect r = b.r.translated(l.versatz);
    const QRect d = QRect(QPoint(R(r.left()), R(r.top())), QPoint(R(r.right() + 1) - 1, R(r.bottom() + 1) - 1))
                    & l.grenze;
    if (d.isEmpty())
        return;
    Lage innen = l;
    innen.versatz = l.versatz + b.a;
    innen.grenze = d;
    innen.lgrenze = l.lgrenze & r;
    // The layout pixels of the source that may show in the box.
    const QRect sicht = QRect(QPoint(T(d.left()) - 1, T(d.top()) - 1), QPoint(T(d.right()) + 1, T(d.bottom()) + 1))
                            .translated(-innen.versatz);
    const auto alle = [&] {
        for (const Befehl& c : *b.quelle)
            if (umfang(c).intersects(sicht) || c.art == Befehl::Art::Maske)
                befehl(c, innen);
    };
    if (!b.und) {
        alle();
        return;
    }
    // Drawn apart on white, then combined by AND. The same source drawn
    // into the same box again (a pattern put under every step of a scan) is
    // taken from the last time.
    const bool lagern = d.width() * d.height() >= 4096;
    QImage eigenes;
    if (!lagern || !(m_zwischen.quelle == b.quelle && m_zwischen.versatz == innen.versatz && m_zwischen.kasten == d)) {
        eigenes = QImage(d.size(), QImage::Format_RGB32);
        eigenes.fill(0xFFFFFFFFu);
        innen.setzeBild(&eigenes, d.topLeft());
        innen.marken = false;
        alle();
        if (lagern)
            m_zwischen = {b.quelle, innen.versatz, d, eigenes};
    }
    const QImage& zwischen = eigenes.isNull() ? m_zwischen.bild : eigenes;
    for (int y = d.top(); y <= d.bottom(); ++y) {
        const QRgb* q = reinterpret_cast<const QRgb*>(zwischen.constScanLine(y - d.top())) - d.left();
        QRgb* z = l.zeile(y);
        for (int x = d.left(); x <= d.right(); ++x)
            z[x] = (z[x] & q[x]) | 0xFF000000u;
    }
}

}  // namespace Fein
