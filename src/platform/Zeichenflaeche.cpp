#include "platform/Zeichenflaeche.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

namespace {
bool aufzeichnen_ = false;
double verhaeltnis_ = 1.0;
// A record this long is made shorter (verdichten).
constexpr std::size_t Verdichtungsschwelle = 4096;

// Puts the corners of a box in order; false when the box holds no pixel.
bool ordnen(int& x1, int& y1, int& x2, int& y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    return x2 - x1 >= 1 && y2 - y1 >= 1;
}
}  // namespace

Zeichenflaeche::Zeichenflaeche(int breite, int hoehe, QRgb hintergrund)
    : m_bild(std::max(breite, 0), std::max(hoehe, 0), QImage::Format_RGB32)
{
    m_bild.fill(hintergrund);
    masseMerken();
    m_weissRest = (hintergrund | 0xFF000000u) == 0xFFFFFFFFu;
    m_spannen.assign(std::size_t(m_h) * 2, Spanne{});
    m_markiert = 0;
    if (aufzeichnen_)
        neuAufzeichnen({.art = Fein::Befehl::Art::Flaeche, .farbe = hintergrund | 0xFF000000u,
                        .r = QRect(0, 0, m_b, m_h)});
}

void Zeichenflaeche::setzeAufzeichnung(bool an, double verhaeltnis)
{
    aufzeichnen_ = an;
    verhaeltnis_ = verhaeltnis;
}

bool Zeichenflaeche::aufzeichnung()
{
    return aufzeichnen_;
}

void Zeichenflaeche::neuAufzeichnen(Fein::Befehl b)
{
    m_liste = std::make_shared<Fein::Liste>();
    b.nr = ++m_letzteNr;
    m_liste->push_back(std::move(b));
    ++m_beginn;
    m_verdichtetBei = 0;
}

void Zeichenflaeche::aufzeichnen(Fein::Befehl b)
{
    if (!m_liste)
        return;
    const QRect ganz(0, 0, m_b, m_h);
    if (Fein::deckend(b) && b.r.contains(ganz)) {
        neuAufzeichnen(std::move(b));
        return;
    }
    // A copy taken of the record keeps it as it was.
    if (m_liste.use_count() > 1)
        m_liste = std::make_shared<Fein::Liste>(*m_liste);
    if (Fein::deckend(b) && 4L * b.r.width() * b.r.height() >= long(m_b) * long(m_h)) {
        // A large command drawn over earlier ones: they need not be kept.
        const QRect r = b.r;
        std::erase_if(*m_liste, [&r](const Fein::Befehl& c) { return r.contains(Fein::umfang(c)); });
    }
    b.nr = ++m_letzteNr;
    m_liste->push_back(std::move(b));
    if (m_liste->size() >= Verdichtungsschwelle && m_liste->size() >= 2 * m_verdichtetBei)
        verdichten();
}

void Zeichenflaeche::verdichten()
{
    // From the last command back: one is dropped when a later one that
    // paints its whole box covers it (the same box, or a large one).
    const Fein::Liste& alt = *m_liste;
    std::unordered_set<std::uint64_t> kaesten;
    std::vector<QRect> grosse;
    const auto schluessel = [](const QRect& r) {
        return (std::uint64_t(std::uint16_t(r.x())) << 48) | (std::uint64_t(std::uint16_t(r.y())) << 32)
            | (std::uint64_t(std::uint16_t(r.width())) << 16) | std::uint64_t(std::uint16_t(r.height()));
    };
    Fein::Liste neu;
    for (std::size_t i = alt.size(); i-- > 0;) {
        const Fein::Befehl& b = alt[i];
        const QRect u = Fein::umfang(b);
        const bool verdeckt = kaesten.contains(schluessel(u))
            || std::any_of(grosse.begin(), grosse.end(), [&u](const QRect& g) { return g.contains(u); });
        if (verdeckt)
            continue;
        neu.push_back(b);
        if (Fein::deckend(b)) {
            kaesten.insert(schluessel(b.r));
            if (16L * b.r.width() * b.r.height() >= long(m_b) * long(m_h))
                grosse.push_back(b.r);
        }
    }
    std::reverse(neu.begin(), neu.end());
    if (neu.size() >= Verdichtungsschwelle && verhaeltnis_ != 1.0) {
        // What still grows (drawings over drawings) begins anew from its
        // picture at the device's resolution.
        QImage geraet(Fein::kante(m_b, verhaeltnis_), Fein::kante(m_h, verhaeltnis_), QImage::Format_RGB32);
        geraet.fill(0xFFFFFFFFu);
        Fein::Feinmaler(geraet, m_b, m_h, verhaeltnis_).zeichnen(neu);
        neuAufzeichnen({.art = Fein::Befehl::Art::Geraet, .r = QRect(0, 0, m_b, m_h), .bild = geraet});
        return;
    }
    m_liste = std::make_shared<Fein::Liste>(std::move(neu));
    m_verdichtetBei = std::max(m_liste->size(), Verdichtungsschwelle / 2);
}

void Zeichenflaeche::ergebnisAufzeichnen(const QRect& r)
{
    const QRect k = r & QRect(0, 0, m_b, m_h);
    if (m_liste && !k.isEmpty())
        aufzeichnen({.art = Fein::Befehl::Art::Bild, .r = k, .bild = m_bild.copy(k)});
}

void Zeichenflaeche::spanneErweitern(int y, int x1, int x2)
{
    if (!m_weissRest || unsigned(y) >= unsigned(m_h))
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_b);
    if (x1 >= x2)
        return;
    Spanne* s = &m_spannen[std::size_t(y) * 2];
    const long vorher = s[0].breite() + s[1].breite();
    const auto vereinen = [](Spanne& a, int von, int bis) {
        a.von = std::min(a.von, von);
        a.bis = std::max(a.bis, bis);
    };
    int ziel = -1;
    for (int i = 0; i < 2 && ziel < 0; ++i)
        if (!s[i].leer() && x1 <= s[i].bis && x2 >= s[i].von)
            ziel = i;  // meets or touches a span
    if (ziel < 0) {
        for (int i = 0; i < 2 && ziel < 0; ++i)
            if (s[i].leer()) {
                s[i] = {x1, x2};
                gezaehlt(vorher, s);
                return;
            }
        // Two spans apart from the new one: it joins the nearer.
        const auto abstand = [&](const Spanne& a) { return x2 < a.von ? a.von - x2 : x1 - a.bis; };
        ziel = abstand(s[0]) <= abstand(s[1]) ? 0 : 1;
    }
    vereinen(s[ziel], x1, x2);
    Spanne& andere = s[1 - ziel];
    if (!andere.leer() && andere.von <= s[ziel].bis && andere.bis >= s[ziel].von) {
        vereinen(s[ziel], andere.von, andere.bis);
        andere = Spanne{};
    }
    gezaehlt(vorher, s);
}

void Zeichenflaeche::gezaehlt(long vorher, const Spanne* zeile)
{
    m_markiert += zeile[0].breite() + zeile[1].breite() - vorher;
    // Once half the surface is marked, clearing the spans saves little more
    // than marking them costs: the surface stops keeping them until it is
    // filled white as a whole again.
    if (2 * m_markiert > long(m_b) * long(m_h))
        m_weissRest = false;
}

void Zeichenflaeche::beruehrt(int x1, int y1, int x2, int y2)
{
    if (!m_weissRest)
        return;
    const int rand = m_stiftbreite;
    const int links = std::min(x1, x2) - rand, rechts = std::max(x1, x2) + rand;
    const int oben = std::max(std::min(y1, y2) - rand, 0), unten = std::min(std::max(y1, y2) + rand, m_h);
    for (int y = oben; y < unten; ++y)
        zeileBeruehrt(y, links, rechts);
}

void Zeichenflaeche::beruehrt(const std::vector<QPoint>& punkte)
{
    if (punkte.empty() || !m_weissRest)
        return;
    int x1 = punkte.front().x(), x2 = x1, y1 = punkte.front().y(), y2 = y1;
    for (const QPoint& p : punkte) {
        x1 = std::min(x1, p.x());
        x2 = std::max(x2, p.x());
        y1 = std::min(y1, p.y());
        y2 = std::max(y2, p.y());
    }
    beruehrt(x1, y1, x2 + 1, y2 + 1);
}

void Zeichenflaeche::weissUeberSpannen(int x1, int y1, int x2, int y2)
{
    QRgb* px = schreiben();
    for (int y = y1; y < y2; ++y) {
        QRgb* zeile = px + std::size_t(y) * std::size_t(m_b);
        for (Spanne* s = &m_spannen[std::size_t(y) * 2], *e = s + 2; s != e; ++s) {
            if (s->leer())
                continue;
            const int von = std::max(s->von, x1), bis = std::min(s->bis, x2);
            if (von >= bis)
                continue;
            std::memset(zeile + von, 0xFF, std::size_t(bis - von) * sizeof(QRgb));
            // What is left of the span: the fill covers it, or one of its
            // ends, or lies inside it (then the span stays as it is).
            const long vorher = s->breite();
            if (von == s->von && bis == s->bis)
                *s = Spanne{};
            else if (von == s->von)
                s->von = bis;
            else if (bis == s->bis)
                s->bis = von;
            m_markiert += s->breite() - vorher;
        }
    }
}

QRgb* Zeichenflaeche::schreiben()
{
    m_px = reinterpret_cast<QRgb*>(m_bild.bits());
    return m_px;
}

void Zeichenflaeche::setzeGroesse(int breite, int hoehe)
{
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    if (breite == m_bild.width() && hoehe == m_bild.height())
        return;
    QImage neu(breite, hoehe, QImage::Format_RGB32);
    neu.fill(0xFFFFFFFFu);
    const int w = std::min(breite, m_bild.width());
    const int h = std::min(hoehe, m_bild.height());
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(m_bild.constScanLine(y)), w,
                    reinterpret_cast<QRgb*>(neu.scanLine(y)));
    const bool weiss = m_liste && m_liste->size() == 1 && m_liste->front().art == Fein::Befehl::Art::Flaeche
        && m_liste->front().farbe == 0xFFFFFFFFu && m_liste->front().r.contains(QRect(0, 0, m_b, m_h));
    m_bild = std::move(neu);
    masseMerken();
    // New rows are white; columns beyond the width are cut where they are read.
    m_spannen.resize(std::size_t(m_h) * 2, Spanne{});
    if (aufzeichnen_) {
        if (weiss)
            neuAufzeichnen({.art = Fein::Befehl::Art::Flaeche, .farbe = 0xFFFFFFFFu, .r = QRect(0, 0, m_b, m_h)});
        else
            neuAufzeichnen({.art = Fein::Befehl::Art::Bild, .r = QRect(0, 0, m_b, m_h), .bild = m_bild});
    }
}

void Zeichenflaeche::setzeBild(const QImage& bild)
{
    m_bild = bild.convertToFormat(QImage::Format_RGB32);
    masseMerken();
    m_weissRest = false;
    m_spannen.assign(std::size_t(m_h) * 2, Spanne{});
    m_markiert = 0;
    if (aufzeichnen_)
        neuAufzeichnen({.art = Fein::Befehl::Art::Bild, .r = QRect(0, 0, m_b, m_h), .bild = m_bild});
}

void Zeichenflaeche::punkt(int x, int y, QRgb farbe)
{
    if (innen(x, y))
        m_px[std::size_t(y) * std::size_t(m_b) + std::size_t(x)] = farbe;
}

void Zeichenflaeche::stiftpunkt(int x, int y)
{
    if (m_stiftbreite == 1) {
        punkt(x, y, m_stift);
        return;
    }
    const int von = -(m_stiftbreite - 1) / 2;
    for (int dy = von; dy < von + m_stiftbreite; ++dy)
        for (int dx = von; dx < von + m_stiftbreite; ++dx)
            punkt(x + dx, y + dy, m_stift);
}

QRgb Zeichenflaeche::pixel(int x, int y) const
{
    if (!innen(x, y))
        return 0xFFFFFFFFu;
    return lesen()[std::size_t(y) * std::size_t(m_b) + std::size_t(x)] | 0xFF000000u;
}

void Zeichenflaeche::setPixel(int x, int y, QRgb farbe)
{
    schreiben();
    beruehrt(x, y, x + 1, y + 1);
    punkt(x, y, farbe | 0xFF000000u);
    if (m_liste && innen(x, y))
        aufzeichnen({.art = Fein::Befehl::Art::Flaeche, .farbe = farbe | 0xFF000000u, .r = QRect(x, y, 1, 1)});
}

void Zeichenflaeche::fillRect(int x1, int y1, int x2, int y2)
{
    ordnen(x1, y1, x2, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_b);
    y2 = std::min(y2, m_h);
    if (x1 >= x2 || y1 >= y2)
        return;
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Flaeche, .farbe = m_pinsel, .r = QRect(x1, y1, x2 - x1, y2 - y1)});
    if (m_pinsel == 0xFFFFFFFFu && m_weissRest) {
        // White where the rest is known white: only the drawn spans need it.
        weissUeberSpannen(x1, y1, x2, y2);
        return;
    }
    if (m_pinsel == 0xFFFFFFFFu && x1 == 0 && y1 == 0 && x2 == m_b && y2 == m_h) {
        m_weissRest = true;
        m_spannen.assign(std::size_t(m_h) * 2, Spanne{});
        m_markiert = 0;
    } else {
        beruehrt(x1, y1, x2, y2);
    }
    const bool weiss = m_pinsel == 0xFFFFFFFFu;
    QRgb* px = schreiben();
    for (int y = y1; y < y2; ++y) {
        QRgb* zeile = px + std::size_t(y) * std::size_t(m_b);
        if (weiss)
            std::memset(zeile + x1, 0xFF, std::size_t(x2 - x1) * sizeof(QRgb));
        else
            std::fill(zeile + x1, zeile + x2, m_pinsel);
    }
}

void Zeichenflaeche::rectangle(int x1, int y1, int x2, int y2)
{
    if (!ordnen(x1, y1, x2, y2))
        return;
    fillRect(x1, y1, x2, y2);
    beruehrt(x1, y1, x2, y2);
    if (m_liste)
        for (const auto& [a, b] : {std::pair{QPoint(x1, y1), QPoint(x2, y1)}, {QPoint(x1, y2 - 1), QPoint(x2, y2 - 1)},
                                   {QPoint(x1, y1), QPoint(x1, y2)}, {QPoint(x2 - 1, y1), QPoint(x2 - 1, y2)}})
            aufzeichnen({.art = Fein::Befehl::Art::Linie, .breite = m_stiftbreite, .farbe = m_stift, .a = a, .b = b});
    for (int x = x1; x < x2; ++x) {
        stiftpunkt(x, y1);
        stiftpunkt(x, y2 - 1);
    }
    for (int y = y1; y < y2; ++y) {
        stiftpunkt(x1, y);
        stiftpunkt(x2 - 1, y);
    }
}

void Zeichenflaeche::linie(QPoint a, QPoint b, bool mitEndpunkt)
{
    schreiben();
    // Bresenham over the longer axis; every step sets one pen point. The
    // points of one row are marked as drawn on together.
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), sx = x < b.x() ? 1 : -1;
    const int dy = -std::abs(b.y() - y), sy = y < b.y() ? 1 : -1;
    int fehler = dx + dy;
    int zeile = y, links = x, rechts = x;
    const auto zeileMerken = [&] {
        if (m_stiftbreite == 1)
            zeileBeruehrt(zeile, links, rechts + 1);
        else
            beruehrt(links, zeile, rechts + 1, zeile + 1);
    };
    const bool merken = m_weissRest;
    while (true) {
        const bool ende = x == b.x() && y == b.y();
        if (!ende || mitEndpunkt) {
            if (m_stiftbreite == 1) {
                if (innen(x, y))
                    m_px[std::size_t(y) * std::size_t(m_b) + std::size_t(x)] = m_stift;
            } else {
                stiftpunkt(x, y);
            }
            if (merken) {
                if (y != zeile) {
                    zeileMerken();
                    zeile = y;
                    links = rechts = x;
                } else {
                    links = std::min(links, x);
                    rechts = std::max(rechts, x);
                }
            }
        }
        if (ende)
            break;
        const int e2 = 2 * fehler;
        if (e2 >= dy) {
            fehler += dy;
            x += sx;
        }
        if (e2 <= dx) {
            fehler += dx;
            y += sy;
        }
    }
    if (merken)
        zeileMerken();
}

void Zeichenflaeche::lineTo(int x, int y)
{
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Linie, .breite = m_stiftbreite, .farbe = m_stift, .a = m_position,
                     .b = QPoint(x, y)});
    linie(m_position, QPoint(x, y), false);
    m_position = QPoint(x, y);
}

void Zeichenflaeche::polyline(const std::vector<QPoint>& punkte)
{
    if (punkte.empty())
        return;
    moveTo(punkte.front().x(), punkte.front().y());
    for (std::size_t i = 1; i < punkte.size(); ++i)
        lineTo(punkte[i].x(), punkte[i].y());
}

void Zeichenflaeche::fuelleFlaeche(const std::vector<QPoint>& punkte)
{
    // Even-odd scanline fill: a pixel belongs to the polygon when its centre lies inside.
    if (punkte.size() < 3)
        return;
    beruehrt(punkte);
    int ymin = punkte.front().y(), ymax = ymin;
    for (const QPoint& p : punkte) {
        ymin = std::min(ymin, p.y());
        ymax = std::max(ymax, p.y());
    }
    ymin = std::max(ymin, 0);
    ymax = std::min(ymax, m_h);
    QRgb* px = schreiben();
    std::vector<double> schnitte;
    for (int y = ymin; y < ymax; ++y) {
        const double my = y + 0.5;
        schnitte.clear();
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const QPoint& a = punkte[i];
            const QPoint& b = punkte[(i + 1) % punkte.size()];
            if ((a.y() <= my && b.y() > my) || (b.y() <= my && a.y() > my)) {
                const double t = (my - a.y()) / double(b.y() - a.y());
                schnitte.push_back(a.x() + t * (b.x() - a.x()));
            }
        }
        std::sort(schnitte.begin(), schnitte.end());
        QRgb* zeile = px + std::size_t(y) * std::size_t(m_b);
        for (std::size_t i = 0; i + 1 < schnitte.size(); i += 2) {
            const int von = std::max(0, int(std::ceil(schnitte[i] - 0.5)));
            const int bis = std::min(m_b, int(std::ceil(schnitte[i + 1] - 0.5)));
            for (int x = von; x < bis; ++x)
                zeile[x] = m_pinsel;
        }
    }
}

void Zeichenflaeche::polygon(const std::vector<QPoint>& punkte)
{
    if (punkte.empty())
        return;
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Vieleck, .breite = m_stiftbreite, .farbe = m_stift, .pinsel = m_pinsel,
                     .punkte = punkte});
    fuelleFlaeche(punkte);
    for (std::size_t i = 0; i < punkte.size(); ++i)
        linie(punkte[i], punkte[(i + 1) % punkte.size()], false);
    if (punkte.size() == 1)
        stiftpunkt(punkte.front().x(), punkte.front().y());
}

void Zeichenflaeche::ellipse(int x1, int y1, int x2, int y2)
{
    if (!ordnen(x1, y1, x2, y2))
        return;
    beruehrt(x1, y1, x2, y2);
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Ellipse, .breite = m_stiftbreite, .farbe = m_stift, .pinsel = m_pinsel,
                     .r = QRect(x1, y1, x2 - x1, y2 - y1)});
    QPainter maler(&m_bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(QPen(QColor::fromRgb(m_stift), m_stiftbreite == 1 ? 0 : m_stiftbreite));
    maler.setBrush(QColor::fromRgb(m_pinsel));
    maler.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Zeichenflaeche::chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (!ordnen(x1, y1, x2, y2))
        return;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    // Angles on the screen, counter-clockwise, with y pointing up.
    const double anfang = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
    const double ende = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
    double spanne = ende - anfang;
    while (spanne <= 0)
        spanne += 360.0;
    beruehrt(x1, y1, x2, y2);
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Sehne, .breite = m_stiftbreite, .farbe = m_stift, .pinsel = m_pinsel,
                     .r = QRect(x1, y1, x2 - x1, y2 - y1), .a = QPoint(x3, y3), .b = QPoint(x4, y4)});
    QPainter maler(&m_bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setPen(QPen(QColor::fromRgb(m_stift), m_stiftbreite == 1 ? 0 : m_stiftbreite));
    maler.setBrush(QColor::fromRgb(m_pinsel));
    maler.drawChord(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), int(std::lround(anfang * 16)),
                    int(std::lround(spanne * 16)));
}

void Zeichenflaeche::floodFill(int x, int y, QRgb farbe, Fuellart art)
{
    if (!innen(x, y))
        return;
    farbe |= 0xFF000000u;
    const auto fuellbar = [&](QRgb p) {
        p |= 0xFF000000u;
        return art == Fuellart::Flaeche ? p == farbe : (p != farbe && p != m_pinsel);
    };
    if (!fuellbar(pixel(x, y)))
        return;
    if (art == Fuellart::Flaeche && farbe == m_pinsel)
        return;
    const int w = m_b, h = m_h;
    QRgb* px = schreiben();
    beruehrt(0, 0, w, h);
    std::vector<int> spannen;
    std::vector<QPoint> stapel{QPoint(x, y)};
    while (!stapel.empty()) {
        QPoint p = stapel.back();
        stapel.pop_back();
        QRgb* zeile = px + std::size_t(p.y()) * std::size_t(w);
        if (!fuellbar(zeile[p.x()]))
            continue;
        int links = p.x(), rechts = p.x();
        while (links > 0 && fuellbar(zeile[links - 1]))
            --links;
        while (rechts < w - 1 && fuellbar(zeile[rechts + 1]))
            ++rechts;
        for (int i = links; i <= rechts; ++i)
            zeile[i] = m_pinsel;
        if (m_liste)
            spannen.insert(spannen.end(), {p.y(), links, rechts + 1});
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* nachbar = px + std::size_t(ny) * std::size_t(w);
            bool inLauf = false;
            for (int i = links; i <= rechts; ++i) {
                const bool f = fuellbar(nachbar[i]);
                if (f && !inLauf)
                    stapel.emplace_back(i, ny);
                inLauf = f;
            }
        }
    }
    if (m_liste)
        aufzeichnen({.art = Fein::Befehl::Art::Maske, .rand = art == Fuellart::Rand, .farbe = m_pinsel, .alt = farbe,
                     .a = QPoint(x, y), .spannen = std::move(spannen)});
}

void Zeichenflaeche::textOut(int x, int y, const QString& text, bool mitHintergrund)
{
    QPainter maler(&m_bild);
    maler.setRenderHint(QPainter::TextAntialiasing, false);
    maler.setFont(m_schrift);
    const QFontMetrics metrik(m_schrift);
    const QRect kasten(x, y, metrik.horizontalAdvance(text), metrik.height());
    beruehrt(kasten.left() - 2, kasten.top() - 2, kasten.right() + 3, kasten.bottom() + 3);
    if (mitHintergrund)
        maler.fillRect(kasten, QColor::fromRgb(m_pinsel));
    maler.setPen(QColor::fromRgb(m_stift));
    maler.drawText(kasten, Qt::AlignLeft | Qt::AlignTop, text);
    maler.end();
    ergebnisAufzeichnen(kasten.adjusted(-2, -2, 2, 2));
}

void Zeichenflaeche::kopiere(const QRect& ziel, const QImage& von, const QRect& quelle, bool und)
{
    if (ziel.isEmpty() || quelle.isEmpty() || von.isNull())
        return;
    // Same size and format: straight from the source's rows, no temporary picture.
    QImage umgewandelt;
    const QImage* q = &von;
    QRect qr = quelle;
    if (von.format() != QImage::Format_RGB32 && von.format() != QImage::Format_ARGB32) {
        umgewandelt = von.convertToFormat(QImage::Format_RGB32);
        q = &umgewandelt;
    }
    if (quelle.size() != ziel.size()) {
        umgewandelt = q->copy(quelle).scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                          .convertToFormat(QImage::Format_RGB32);
        q = &umgewandelt;
        qr = QRect(QPoint(0, 0), ziel.size());
    }
    const bool selbst = q->constBits() == m_bild.constBits();
    if (selbst) {
        umgewandelt = m_bild.copy();
        q = &umgewandelt;
    }
    QRgb* px = schreiben();
    beruehrt(ziel.left(), ziel.top(), ziel.left() + ziel.width(), ziel.top() + ziel.height());
    for (int y = 0; y < ziel.height(); ++y) {
        const int ty = ziel.top() + y, sy = qr.top() + y;
        if (ty < 0 || ty >= m_h || sy < 0 || sy >= q->height())
            continue;
        const QRgb* qz = reinterpret_cast<const QRgb*>(q->constScanLine(sy));
        QRgb* z = px + std::size_t(ty) * std::size_t(m_b);
        const int von_x = std::max({0, -ziel.left(), -qr.left()});
        const int bis_x = std::min({ziel.width(), m_b - ziel.left(), q->width() - qr.left()});
        const QRgb* a = qz + qr.left();
        QRgb* b = z + ziel.left();
        if (und)
            for (int x = von_x; x < bis_x; ++x)
                b[x] = (b[x] & a[x]) | 0xFF000000u;
        else
            for (int x = von_x; x < bis_x; ++x)
                b[x] = a[x] | 0xFF000000u;
    }
}

void Zeichenflaeche::copyRect(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle)
{
    const bool aufgezeichnet = kopieAufzeichnen(ziel, von, quelle, false);
    flaecheKopieren(ziel, von, quelle);
    if (!aufgezeichnet)
        ergebnisAufzeichnen(ziel);
}

void Zeichenflaeche::flaecheKopieren(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle)
{
    const QRect ganz(0, 0, m_b, m_h);
    if (&von != this && von.m_weissRest && von.groesse() == groesse() && ziel == ganz && quelle == ganz) {
        // A whole copy of a surface that is white outside its spans: clear
        // what is drawn here, copy only what is drawn there.
        if (m_weissRest)
            weissUeberSpannen(0, 0, m_b, m_h);
        else
            m_bild.fill(0xFFFFFFFFu);
        QRgb* px = schreiben();
        const QRgb* q = von.lesen();
        for (int y = 0; y < m_h; ++y) {
            const std::size_t zeile = std::size_t(y) * std::size_t(m_b);
            for (int i = 0; i < 2; ++i) {
                const Spanne& sp = von.m_spannen[std::size_t(y) * 2 + std::size_t(i)];
                const int bis = std::min(sp.bis, m_b);
                for (int x = sp.von; x < bis; ++x)
                    px[zeile + std::size_t(x)] = q[zeile + std::size_t(x)] | 0xFF000000u;
            }
        }
        m_weissRest = true;
        m_spannen = von.m_spannen;
        m_markiert = von.m_markiert;
        return;
    }
    kopiere(ziel, von.m_bild, quelle, false);
}

void Zeichenflaeche::copyRectAnd(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle)
{
    const bool aufgezeichnet = kopieAufzeichnen(ziel, von, quelle, true);
    kopiere(ziel, von.m_bild, quelle, true);
    if (!aufgezeichnet)
        ergebnisAufzeichnen(ziel);
}

void Zeichenflaeche::copyRect(const QRect& ziel, const QImage& von, const QRect& quelle)
{
    kopiere(ziel, von, quelle, false);
    if (!ziel.isEmpty() && !quelle.isEmpty() && !von.isNull())
        ergebnisAufzeichnen(ziel);
}

void Zeichenflaeche::copyRectAnd(const QRect& ziel, const QImage& von, const QRect& quelle)
{
    kopiere(ziel, von, quelle, true);
    if (!ziel.isEmpty() && !quelle.isEmpty() && !von.isNull())
        ergebnisAufzeichnen(ziel);
}

bool Zeichenflaeche::kopieAufzeichnen(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle, bool und)
{
    if (!m_liste || ziel.isEmpty() || quelle.isEmpty() || von.leer())
        return true;
    // Scaled, or from the surface itself: the pixels it leaves are recorded after it.
    if (&von == this || !von.m_liste || ziel.size() != quelle.size())
        return false;
    const QPoint versatz = ziel.topLeft() - quelle.topLeft();
    const QRect r = ziel & quelle.translated(versatz) & QRect(QPoint(0, 0), von.groesse()).translated(versatz)
        & QRect(0, 0, m_b, m_h);
    if (!r.isEmpty())
        aufzeichnen({.art = Fein::Befehl::Art::Kopie, .und = und, .r = r, .a = versatz, .quelle = von.stand()});
    return true;
}
