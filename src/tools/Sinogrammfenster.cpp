#include "tools/Sinogrammfenster.h"

#include "app/Fenster.h"
#include "core/Arithmetik.h"
#include "core/Detektor.h"
#include "core/Farben.h"
#include "pages/Hilfe.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Meldung.h"
#include "platform/Sprache.h"
#include "platform/Steuerelemente.h"
#include "platform/Zeichenflaeche.h"
#include "sim/Simulatorzustand.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTextStream>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// The sizes of the window's parts at the two layouts and in its two sizes:
// the client size, the room for the sinogram's blocks across and down, the
// side of the pattern copy and of the pictures.
struct Masse
{
    int breite, hoehe, bloecke, zeilen, kopie, bild;
};

// While a scan runs the window stands right of the scan's drawing, which
// reaches to x = 505 at 800 x 600 and to 646 at 1024 x 768; with a picture
// it takes the room between the menu and the control strip.
Masse masse(bool voll)
{
    if (Layout::breite() == 1024)
        return voll ? Masse{1016, 617, 320, 450, 169, 169} : Masse{366, 617, 216, 450, 0, 113};
    return voll ? Masse{792, 476, 240, 360, 115, 115} : Masse{284, 476, 162, 360, 0, 77};
}

// The curves of the profile, in the colours of their pictures' captions.
constexpr std::array<QRgb, 3> Kurvenfarben{0x000000, 0x1F4FBF, 0xD04010};
constexpr QRgb Markenfarbe = 0xE00000;   // a cell's sine curve, a hovered ray
constexpr QRgb Wahlfarbe = 0x0060FF;     // the chosen cell and profile row
constexpr int Rand = 6;
// Where the help's text on the sinogram begins.
constexpr int Hilfeposition = 1800;

QLabel* ueberschrift(QWidget* eltern, const QString& name, const QString& text, QRgb farbe = 0, int pixel = 12)
{
    return bezeichnung(eltern, name, text, 0, 0, pixel, true, QColor::fromRgb(farbe));
}

// A label whose text changes: fixed in place and size, left and top aligned.
QLabel* anzeige(QWidget* eltern, const QString& name, int pixel = 11)
{
    QLabel* l = bezeichnung(eltern, name, QString(), 0, 0, pixel);
    l->setProperty("autoSize", false);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The mark colour laid over a block or a cell, at opacity `deckung` (0 ... 255).
QColor marke(int deckung)
{
    return QColor(qRed(Markenfarbe), qGreen(Markenfarbe), qBlue(Markenfarbe), deckung);
}

QString grad(int winkel)
{
    return QStringLiteral("%1°").arg(winkel);
}

// A value with as many decimals as its size needs.
QString zahl(double wert)
{
    const double b = std::fabs(wert);
    return Sprache::zahlen().toString(wert, 'f', b >= 100 ? 0 : b >= 10 ? 1 : 2);
}

// A number rounded to two significant digits (177,828 to 180,000).
double zweiStellen(double wert)
{
    if (!(wert > 0.0))
        return wert;
    const double stelle = std::pow(10.0, std::floor(std::log10(wert)) - 1.0);
    return std::round(wert / stelle) * stelle;
}

// A picture's fitted values shown on the pattern's gray: 0 white, 1 the
// pattern copy's gray 128, 2 and above black, below 0 white.
QImage angepasstesBild(const ct::Bildfeld& bild, const ct::Anpassung& a, int n)
{
    QImage b(n, n, QImage::Format_RGB32);
    for (int y = 1; y <= n; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(b.scanLine(y - 1));
        for (int x = 1; x <= n; ++x) {
            const double g = std::clamp(255.0 - 127.0 * a.Angepasst(bild(x, y).Wert), 0.0, 255.0);
            const int v = int(g + 0.5);
            zeile[x - 1] = qRgb(v, v, v);
        }
    }
    return b;
}

ct::Faltungskern kernVon(TFormSinogramm::Verfahren v)
{
    switch (v) {
    case TFormSinogramm::Verfahren::SheppLogan: return ct::Faltungskern::SheppLogan;
    case TFormSinogramm::Verfahren::Hann: return ct::Faltungskern::Hann;
    default: return ct::Faltungskern::RamLak;
    }
}

}  // namespace

int Sinogrammgrau(float wert, float hoechstwert)
{
    if (hoechstwert <= 0.0f)
        return 255;
    const long long g = 255 - ct::Runden(255.0L * static_cast<long double>(wert) / hoechstwert);
    return int(std::clamp(g, 0LL, 255LL));
}

QRgb Divergierend(double wert, double grenze)
{
    if (!(grenze > 0.0))
        return qRgb(255, 255, 255);
    const double t = std::clamp(wert / grenze, -1.0, 1.0);
    // White to a deep red (0xB2, 0x18, 0x2B) or a deep blue (0x21, 0x66, 0xAC).
    const double u = std::fabs(t);
    const auto mischen = [u](int ziel) { return int(std::lround(255.0 + (ziel - 255.0) * u)); };
    return t >= 0 ? qRgb(mischen(0xB2), mischen(0x18), mischen(0x2B)) : qRgb(mischen(0x21), mischen(0x66), mischen(0xAC));
}

// --- The colour scale ------------------------------------------------------------------

Farbleiste::Farbleiste(QWidget* eltern)
    : QWidget(eltern)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Farbleiste::setzeSkala(bool divergierend, double grenze)
{
    if (divergierend == m_divergierend && grenze == m_grenze)
        return;
    m_divergierend = divergierend;
    m_grenze = grenze;
    update();
}

void Farbleiste::setzeBeschriftung(const QStringList& worte)
{
    m_worte = worte;
    update();
}

void Farbleiste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!(m_grenze > 0.0))
        return;
    p.setFont(arial(10));
    const bool quer = width() > height();
    const QStringList zahlen = !m_worte.isEmpty() ? m_worte
                               : m_divergierend   ? QStringList{zahl(-m_grenze), QStringLiteral("0"), zahl(m_grenze)}
                                                  : QStringList{QStringLiteral("0"), zahl(m_grenze)};
    // The ramp: along its length from the smallest value to the largest.
    const QRect balken = quer ? QRect(0, 0, width(), 8) : QRect(0, 6, 8, height() - 12);
    const int laenge = quer ? balken.width() : balken.height();
    for (int i = 0; i < laenge; ++i) {
        const double t = laenge > 1 ? double(i) / (laenge - 1) : 0.0;
        QColor f;
        if (m_divergierend) {
            f = QColor::fromRgb(::Divergierend((2.0 * t - 1.0) * m_grenze, m_grenze));
        } else {
            const int g = 255 - int(std::lround(255.0 * t));
            f = QColor(g, g, g);
        }
        p.setPen(f);
        if (quer)
            p.drawLine(balken.left() + i, balken.top(), balken.left() + i, balken.bottom());
        else
            p.drawLine(balken.left(), balken.bottom() - i, balken.right(), balken.bottom() - i);
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(balken.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    for (int i = 0; i < zahlen.size(); ++i) {
        if (quer) {
            // The first number at the left end, the last at the right, 0 of
            // the diverging scale in the middle.
            const Qt::Alignment a = i == 0 ? Qt::AlignLeft : i + 1 == zahlen.size() ? Qt::AlignRight : Qt::AlignHCenter;
            p.drawText(QRect(0, 9, width(), height() - 9), a | Qt::AlignTop, zahlen[i]);
        } else {
            const double t = zahlen.size() > 1 ? double(i) / (zahlen.size() - 1) : 0.0;
            const int y = balken.bottom() - int(std::lround(t * (balken.height() - 1)));
            p.drawText(QRect(11, y - 7, width() - 11, 14), Qt::AlignLeft | Qt::AlignVCenter, zahlen[i]);
        }
    }
}

// --- The sinogram ----------------------------------------------------------------------

Sinogrammbild::Sinogrammbild(QWidget* eltern)
    : QWidget(eltern)
{
    setObjectName(QStringLiteral("Sinogramm"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Sinogrammbild::setzeRaum(int breite, int hoehe)
{
    m_breite = breite;
    m_hoehe = hoehe;
    setFixedSize(Links + breite + 2, Oben + hoehe + 2);
    if (m_quelle)
        zeigen(*m_quelle, m_gefiltert);
}

float Sinogrammbild::grenzeVon(const ct::Sinogramm& s) const
{
    if (!m_gefiltert)
        return s.Hoechstwert();
    // Signed values: the scale reaches the largest value of either sign.
    float g = 0.0f;
    for (int z = 0; z < s.Messzeilen(); ++z)
        for (int k = 1; k <= s.GemesseneStrahlen(z); ++k)
            g = std::max(g, std::fabs(s.Messwert(z, k)));
    return g;
}

void Sinogrammbild::zeigen(const ct::Sinogramm& s, bool gefiltert)
{
    m_gefiltert = gefiltert;
    m_strahlzahl = s.Strahlzahl();
    m_zeilenzahl = s.Zeilenzahl();
    m_winkelschritt = s.Winkelschritt();
    // Whole pixels per ray across; down, the room's height in whole pixels
    // per row, at least 2.
    m_blockbreite = m_strahlzahl > 0 ? std::max(m_breite / m_strahlzahl, 1) : 0;
    m_blockhoehe = m_zeilenzahl > 0 ? std::max(m_hoehe / m_zeilenzahl, 2) : 0;
    m_zeilen = 0;
    m_hoechstwert = 0.0f;
    m_unterMaus = {-1, 0};
    m_quelle = &s;
    if (m_zeilenzahl == 0 || m_strahlzahl == 0) {
        m_werte = QImage();
        update();
        emit skalaGeaendert();
        return;
    }
    m_werte = QImage(m_strahlzahl, m_zeilenzahl, QImage::Format_RGB32);
    m_werte.fill(Qt::white);
    m_hoechstwert = grenzeVon(s);
    for (int z = 0; z < s.Messzeilen(); ++z)
        einfaerben(z);
    m_zeilen = s.Messzeilen();
    update();
    emit skalaGeaendert();
}

void Sinogrammbild::zeilenZeigen(const ct::Sinogramm& s)
{
    if (m_werte.isNull() || &s != m_quelle || s.Messzeilen() < m_zeilen || s.Strahlzahl() != m_strahlzahl
        || s.Zeilenzahl() != m_zeilenzahl) {
        zeigen(s, m_gefiltert);
        return;
    }
    const int von = m_zeilen;
    m_zeilen = s.Messzeilen();
    if (von == m_zeilen)
        return;
    const float grenze = grenzeVon(s);
    if (grenze != m_hoechstwert) {
        // The largest reading grew: every row takes its new colour.
        m_hoechstwert = grenze;
        for (int r = 0; r < m_zeilen; ++r)
            einfaerben(r);
        update();
        emit skalaGeaendert();
        return;
    }
    for (int r = von; r < m_zeilen; ++r)
        einfaerben(r);
    update(QRect(Links, Oben + von * m_blockhoehe, m_strahlzahl * m_blockbreite, (m_zeilen - von) * m_blockhoehe));
}

void Sinogrammbild::einfaerben(int zeile)
{
    auto* z = reinterpret_cast<QRgb*>(m_werte.scanLine(zeile));
    for (int k = 1; k <= m_strahlzahl; ++k) {
        if (!m_quelle->Gemessen(zeile, k)) {
            z[k - 1] = qRgb(255, 255, 255);
            continue;
        }
        const float w = m_quelle->Messwert(zeile, k);
        if (m_gefiltert) {
            z[k - 1] = Divergierend(w, m_hoechstwert);
        } else {
            const int g = Sinogrammgrau(w, m_hoechstwert);
            z[k - 1] = qRgb(g, g, g);
        }
    }
}

void Sinogrammbild::setzeMarken(std::vector<ct::Sinogrammpunkt> punkte)
{
    m_marken = std::move(punkte);
    update();
}

QImage Sinogrammbild::Bloecke() const
{
    if (m_werte.isNull())
        return QImage();
    return m_werte.scaled(m_strahlzahl * m_blockbreite, m_zeilenzahl * m_blockhoehe);
}

ct::Sinogrammpunkt Sinogrammbild::PunktBei(QPoint p) const
{
    if (m_blockbreite <= 0 || m_blockhoehe <= 0)
        return {-1, 0};
    const int x = p.x() - Links, y = p.y() - Oben;
    if (x < 0 || y < 0 || x >= m_strahlzahl * m_blockbreite || y >= m_zeilenzahl * m_blockhoehe)
        return {-1, 0};
    return {y / m_blockhoehe, x / m_blockbreite + 1};
}

QRect Sinogrammbild::Block(ct::Sinogrammpunkt p) const
{
    return QRect(Links + (p.Strahl - 1) * m_blockbreite, Oben + p.Zeile * m_blockhoehe, m_blockbreite,
                 m_blockhoehe);
}

void Sinogrammbild::mouseMoveEvent(QMouseEvent* e)
{
    const ct::Sinogrammpunkt p = PunktBei(e->position().toPoint());
    if (p == m_unterMaus)
        return;
    m_unterMaus = p;
    update();
    emit punktBeruehrt(p);
}

void Sinogrammbild::leaveEvent(QEvent* e)
{
    QWidget::leaveEvent(e);
    if (m_unterMaus.Zeile < 0)
        return;
    m_unterMaus = {-1, 0};
    update();
    emit punktBeruehrt(m_unterMaus);
}

void Sinogrammbild::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const int hoehe = m_werte.isNull() ? m_hoehe : m_zeilenzahl * m_blockhoehe;
    const QRect bloecke(Links, Oben, m_werte.isNull() ? m_breite : m_strahlzahl * m_blockbreite, hoehe);
    // A new row repaints its blocks only, not the scales around them.
    if (!m_werte.isNull() && bloecke.contains(e->rect())) {
        bloeckeZeichnen(p);
        return;
    }
    p.fillRect(rect(), Qt::white);
    p.setFont(arial(10));
    p.setPen(Qt::black);

    // The angle scale: a tick and its degrees every 45 degrees.
    for (int w = 0; w <= 180; w += 45) {
        const int y = Oben + int(std::lround(double(w) * hoehe / 180.0));
        p.drawLine(Links - 4, y, Links - 1, y);
        // the last label stands above its tick rather than below the picture's edge
        p.drawText(QRect(0, std::min(y - 7, height() - 14), Links - 5, 14), Qt::AlignRight | Qt::AlignVCenter,
                   grad(w));
    }
    if (m_werte.isNull()) {
        p.drawRect(bloecke);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(bloecke, Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Start a scan:\nits readings appear here,\nrow by row"));
        return;
    }

    // The ray numbers: 1 and the multiples of a step that leaves room.
    // (labels at least 24 pixels apart)
    int schritt = 1;
    for (const int kandidat : {1, 5, 10, 20})
        if (kandidat * m_blockbreite >= 24 || kandidat == 20) {
            schritt = kandidat;
            break;
        }
    for (int k = 1; k <= m_strahlzahl; ++k) {
        if (k != 1 && (k % schritt != 0 || k - 1 < schritt / 2))
            continue;
        const int x = Links + (k - 1) * m_blockbreite + m_blockbreite / 2;
        p.drawLine(x, Oben - 3, x, Oben - 1);
        p.drawText(QRect(x - 15, 0, 30, Oben - 3), Qt::AlignHCenter | Qt::AlignBottom, QString::number(k));
    }
    bloeckeZeichnen(p);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(bloecke.adjusted(-1, -1, 0, 0));
}

void Sinogrammbild::bloeckeZeichnen(QPainter& p)
{
    p.drawImage(QRect(Links, Oben, m_strahlzahl * m_blockbreite, m_zeilenzahl * m_blockhoehe), m_werte);
    for (const ct::Sinogrammpunkt& m : m_marken)
        p.fillRect(Block(m), marke(170));
    if (m_unterMaus.Zeile >= 0) {
        p.setPen(QColor::fromRgb(Wahlfarbe));
        p.drawRect(Block(m_unterMaus).adjusted(-1, -1, 0, 0));
    }
}

// --- A grid of cells -------------------------------------------------------------------

Zellenbild::Zellenbild(QWidget* eltern, const QString& name)
    : QWidget(eltern)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Zellenbild::setzeSeite(int seite)
{
    if (seite == m_seite)
        return;
    m_seite = seite;
    setFixedSize(seite, seite);
    zeichnen();
}

void Zellenbild::zeigen(int n, const QImage& farben)
{
    m_n = n;
    m_farben = farben;
    zeichnen();
}

void Zellenbild::zeichnen()
{
    const int n = m_n;
    m_zelle = n > 0 && m_seite > 0 ? (m_seite - 1) / n : 0;
    if (m_seite <= 0) {
        m_bild = QImage();
        return;
    }
    if (m_bild.width() != m_seite)
        m_bild = QImage(m_seite, m_seite, QImage::Format_RGB32);
    m_bild.fill(Qt::white);
    QPainter p(&m_bild);
    if (!m_farben.isNull() && n > 0)
        p.drawImage(QRect(0, 0, n * m_zelle, n * m_zelle), m_farben);
    // Grid lines where the cells are large enough to show them.
    if (m_zelle >= 6) {
        p.setPen(QColor(0xC8, 0xC8, 0xC8));
        for (int i = 1; i < n; ++i) {
            p.drawLine(i * m_zelle, 0, i * m_zelle, n * m_zelle);
            p.drawLine(0, i * m_zelle, n * m_zelle, i * m_zelle);
        }
    }
    p.setPen(Qt::black);
    p.drawRect(0, 0, n * m_zelle, n * m_zelle);
    update();
}

QRect Zellenbild::Rechteck(int x, int y) const
{
    return QRect((x - 1) * m_zelle, (y - 1) * m_zelle, m_zelle, m_zelle);
}

ct::Kaestchen Zellenbild::KaestchenBei(QPoint p) const
{
    if (m_zelle <= 0 || p.x() < 0 || p.y() < 0 || p.x() >= m_n * m_zelle || p.y() >= m_n * m_zelle)
        return {0, 0};
    return {p.x() / m_zelle + 1, p.y() / m_zelle + 1};
}

void Zellenbild::setzeStrahl(std::vector<ct::Kaestchen> zellen, QPointF a, QPointF b)
{
    m_strahl = std::move(zellen);
    m_a = a;
    m_b = b;
    update();
}

void Zellenbild::setzeWahl(ct::Kaestchen zelle, int zeile)
{
    m_wahl = zelle;
    m_zeile = zeile;
    update();
}

void Zellenbild::mousePressEvent(QMouseEvent* e)
{
    const ct::Kaestchen k = KaestchenBei(e->position().toPoint());
    if (k.Spalte > 0)
        emit geklickt(k, e->button());
}

void Zellenbild::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_bild.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.drawImage(0, 0, m_bild);
    for (const ct::Kaestchen& k : m_strahl)
        p.fillRect(Rechteck(k.Spalte, k.Zeile), marke(90));
    const int seite = m_n * m_zelle;
    if (m_zeile >= 1 && m_zeile <= m_n) {
        p.setPen(QColor::fromRgb(Wahlfarbe));
        p.drawRect(0, (m_zeile - 1) * m_zelle, seite, m_zelle);
    }
    if (m_wahl.Spalte > 0) {
        p.setPen(QPen(QColor::fromRgb(Wahlfarbe), 2));
        p.drawRect(Rechteck(m_wahl.Spalte, m_wahl.Zeile));
    }
    if (m_a != m_b) {
        p.setClipRect(0, 0, seite + 1, seite + 1);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor::fromRgb(Markenfarbe), 1.5));
        p.drawLine(m_a * m_zelle, m_b * m_zelle);
    }
}

// --- The window --------------------------------------------------------------------------

TFormSinogramm::TFormSinogramm(Simulatorzustand& zustand)
    : m_zustand(zustand)
{
    fensterAnlegen(this, QStringLiteral("FormSinogramm"), tr("Sinogram and reconstruction"), Rahmen::NurSchliessen,
                   Lage::Feld);
    weissHinterlegen(this);

    Label1 = ueberschrift(this, QStringLiteral("Label1"), tr("Sinogram: rays across, angles down"));
    Sinogrammart = new QComboBox(this);
    Sinogrammart->setObjectName(QStringLiteral("Sinogrammart"));
    Sinogrammart->setFont(arial(11));
    Sinogrammart->addItems({tr("Measured"), tr("Filtered")});
    Sinogrammart->setAccessibleName(tr("Sinogram shows"));
    Sinogramm = new Sinogrammbild(this);
    Sinogrammskala = new Farbleiste(this);
    Sinogrammskala->setObjectName(QStringLiteral("Sinogrammskala"));
    Label2 = ueberschrift(this, QStringLiteral("Label2"), tr("Pattern: click a cell"));
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), tr("Help"), 0, 0, 44, 18);
    HilfeButton->setFont(arial(11));
    ExportButton = knopf(this, QStringLiteral("ExportButton"), tr("Export..."), 0, 0, 84, 22);
    ExportButton->setFont(arial(11));
    Muster = new Zellenbild(this, QStringLiteral("Muster"));
    Muster->setCursor(Qt::PointingHandCursor);
    Muster->setAccessibleName(tr("Pattern: click a cell"));
    Sinogramm->setAccessibleName(tr("Sinogram"));
    Anzeige = anzeige(this, QStringLiteral("Anzeige"));

    Messartlabel = bezeichnung(this, QStringLiteral("Messartlabel"), tr("Readings:"), 0, 0, 11);
    Zaehlung = optionsfeld(this, QStringLiteral("Zaehlung"), tr("cells touched (as the scan)"), 0, 0, true);
    Weglaenge = optionsfeld(this, QStringLiteral("Weglaenge"), tr("path length (as a detector)"), 0, 0);
    for (QRadioButton* r : {Zaehlung, Weglaenge}) {
        r->setFont(arial(11));
        r->adjustSize();
    }
    Dosislabel = bezeichnung(this, QStringLiteral("Dosislabel"), tr("Dose:"), 0, 0, 11);
    Dosis = new QSlider(Qt::Horizontal, this);
    Dosis->setObjectName(QStringLiteral("Dosis"));
    Dosis->setRange(DosisMin, OhneRauschen);
    Dosis->setPageStep(4);
    Dosis->setValue(OhneRauschen);
    Dosis->setAccessibleName(tr("Dose in photons per ray"));
    Dosisanzeige = anzeige(this, QStringLiteral("Dosisanzeige"), 10);

    Label3 = ueberschrift(this, QStringLiteral("Label3"), tr("Back-projection"), Kurvenfarben[1], 11);
    Rueckprojektionsbild = new Zellenbild(this, QStringLiteral("Rueckprojektionsbild"));
    RmsRueckprojektionlabel = anzeige(this, QStringLiteral("RmsRueckprojektionlabel"));
    Label4 = anzeige(this, QStringLiteral("Label4"));
    Label4->setFont(arial(11, true));
    {
        QPalette pal = Label4->palette();
        pal.setColor(QPalette::WindowText, QColor::fromRgb(Kurvenfarben[2]));
        Label4->setPalette(pal);
    }
    Rekonstruktionsbild = new Zellenbild(this, QStringLiteral("Rekonstruktionsbild"));
    RmsRekonstruktionlabel = anzeige(this, QStringLiteral("RmsRekonstruktionlabel"));
    Label6 = ueberschrift(this, QStringLiteral("Label6"), tr("Difference"), 0, 11);
    Differenzbild = new Zellenbild(this, QStringLiteral("Differenzbild"));
    Differenzskala = new Farbleiste(this);
    Differenzskala->setObjectName(QStringLiteral("Differenzskala"));
    Differenzskala->setzeSkala(true, 1.0);

    Rekonstruktionlabel = bezeichnung(this, QStringLiteral("Rekonstruktionlabel"), tr("Reconstruction:"), 0, 0, 11);
    Rekonstruktionswahl = new QComboBox(this);
    Rekonstruktionswahl->setObjectName(QStringLiteral("Rekonstruktionswahl"));
    Rekonstruktionswahl->setFont(arial(11));
    for (Verfahren v : {Verfahren::RamLak, Verfahren::SheppLogan, Verfahren::Hann, Verfahren::Iterativ})
        Rekonstruktionswahl->addItem(verfahrenName(v), int(v));
    Rekonstruktionswahl->setAccessibleName(tr("Reconstruction"));
    Durchlaeufelabel = bezeichnung(this, QStringLiteral("Durchlaeufelabel"), tr("ART sweeps"), 0, 0, 11);
    Durchlaeufe = new QSpinBox(this);
    Durchlaeufe->setObjectName(QStringLiteral("Durchlaeufe"));
    Durchlaeufe->setRange(1, 20);
    Durchlaeufe->setValue(5);
    Durchlaeufe->setAccessibleName(tr("ART sweeps"));
    Residuum = anzeige(this, QStringLiteral("Residuum"));
    Label5 = bezeichnung(this, QStringLiteral("Label5"), tr("Profile of row"), 0, 0, 11);
    Zeilenwahl = new QSpinBox(this);
    Zeilenwahl->setObjectName(QStringLiteral("Zeilenwahl"));
    Zeilenwahl->setRange(1, ct::Feldgroesse);
    Zeilenwahl->setValue((m_zustand.Modell().Raster + 1) / 2);
    Zeilenwahl->setAccessibleName(tr("Profile of row"));
    Abweichung = anzeige(this, QStringLiteral("Abweichung"));
    Abweichung->setText(tr("RMS: what remains after fitting each picture's scale and offset to the pattern; 0 is perfect."));
    Differenzskala->setzeBeschriftung({tr("-1 too low"), QStringLiteral("0"), tr("+1 too high")});

    // The profile: the pattern as steps, the two pictures as lines, fitted to
    // the pattern; the legend names the curves.
    auto* diagramm = new QChart;
    diagramm->setBackgroundRoundness(0);
    diagramm->setMargins(QMargins(0, 0, 4, 0));
    diagramm->layout()->setContentsMargins(0, 0, 0, 0);
    diagramm->legend()->setAlignment(Qt::AlignTop);
    diagramm->legend()->setFont(arial(10));
    diagramm->legend()->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < m_kurven.size(); ++i) {
        m_kurven[i] = new QLineSeries;
        m_kurven[i]->setPen(QPen(QColor::fromRgb(Kurvenfarben[i]), i == 0 ? 1.0 : 2.0));
        diagramm->addSeries(m_kurven[i]);
    }
    m_kurven[0]->setName(tr("Pattern"));
    m_kurven[1]->setName(tr("Back-projection"));
    auto* xAchse = new QValueAxis;
    auto* yAchse = new QValueAxis;
    for (QValueAxis* a : {xAchse, yAchse}) {
        a->setLabelsFont(arial(10));
        a->setTitleFont(arial(10));
        a->setGridLineColor(QColor(0xE0, 0xE0, 0xE0));
        diagramm->addAxis(a, a == xAchse ? Qt::AlignBottom : Qt::AlignLeft);
        for (QLineSeries* k : m_kurven)
            k->attachAxis(a);
    }
    xAchse->setTitleText(tr("column"));
    yAchse->setTitleText(tr("fitted value"));
    xAchse->setLabelFormat(QStringLiteral("%.0f"));
    yAchse->setRange(-0.25, 1.25);
    yAchse->setTickType(QValueAxis::TicksDynamic);
    yAchse->setTickAnchor(0.0);
    yAchse->setTickInterval(0.5);
    yAchse->setLabelFormat(QStringLiteral("%.1f"));
    diagramm->setLocale(Sprache::zahlen());
    diagramm->setLocalizeNumbers(true);
    xAchse->setTickType(QValueAxis::TicksDynamic);
    Profil = new QChartView(diagramm, this);
    Profil->setObjectName(QStringLiteral("Profil"));
    Profil->setAccessibleName(tr("Profile plot"));
    // A plot to look at: the row is chosen in Zeilenwahl.
    Profil->setFocusPolicy(Qt::NoFocus);
    Profil->setRenderHint(QPainter::Antialiasing);
    Profil->setFrameShape(QFrame::NoFrame);

    // The full layout first, so that the controls only it shows have their
    // places and sizes while the small one hides them.
    anordnen(true);
    anordnen(false);

    connect(HilfeButton, &QPushButton::clicked, this,
            [] { FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, Hilfeposition); });
    connect(ExportButton, &QPushButton::clicked, this, &TFormSinogramm::exportWaehlen);
    connect(Sinogramm, &Sinogrammbild::punktBeruehrt, this, &TFormSinogramm::StrahlZeigen);
    connect(Sinogramm, &Sinogrammbild::skalaGeaendert, this,
            [this] { Sinogrammskala->setzeSkala(Sinogramm->Gefiltert(), Sinogramm->Skalengrenze()); });
    connect(Muster, &Zellenbild::geklickt, this, [this](ct::Kaestchen k, Qt::MouseButton knopf) {
        KaestchenWaehlen(knopf == Qt::RightButton ? ct::Kaestchen{0, 0} : k);
    });
    connect(Sinogrammart, &QComboBox::currentIndexChanged, this, [this] { sinogrammZeigen(); });
    connect(Zaehlung, &QRadioButton::toggled, this, [this] {
        dosisZeigen();
        allesZeigen();
    });
    connect(Dosis, &QSlider::valueChanged, this, [this] {
        dosisZeigen();
        if (Weglaenge->isChecked())
            allesZeigen();
    });
    connect(Rekonstruktionswahl, &QComboBox::currentIndexChanged, this, [this] { allesZeigen(); });
    connect(Durchlaeufe, &QSpinBox::valueChanged, this, [this] {
        if (GewaehltesVerfahren() == Verfahren::Iterativ)
            allesZeigen();
    });
    connect(Zeilenwahl, &QSpinBox::valueChanged, this, [this] { profilZeigen(); });

    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &TFormSinogramm::scanBegonnen);
    connect(&m_zustand, &Simulatorzustand::winkelFertig, this, &TFormSinogramm::winkelFertig);
    connect(&m_zustand, &Simulatorzustand::scanBeendet, this, &TFormSinogramm::allesZeigen);
    connect(&m_zustand, &Simulatorzustand::ctBildGeloescht, this, &TFormSinogramm::allesZeigen);
    connect(&m_zustand, &Simulatorzustand::fachGeladen, this, &TFormSinogramm::allesZeigen);
    connect(&m_zustand, &Simulatorzustand::rasterEingerichtet, this, [this](int n) {
        // a new grid: no cell chosen, the profile through its middle
        m_wahl = {0, 0};
        Zeilenwahl->blockSignals(true);
        Zeilenwahl->setValue((n + 1) / 2);
        Zeilenwahl->blockSignals(false);
        allesZeigen();
    });
    connect(&m_zustand, &Simulatorzustand::musterGeaendert, this, [this] {
        if (isVisible() && m_zustand.Modell().Messung.Zeilenzahl() == 0)
            allesZeigen();
    });
    dosisZeigen();
}

QString TFormSinogramm::verfahrenName(Verfahren v) const
{
    switch (v) {
    case Verfahren::RamLak: return tr("Filtered, Ram-Lak (ramp)");
    case Verfahren::SheppLogan: return tr("Filtered, Shepp-Logan");
    case Verfahren::Hann: return tr("Filtered, Hann (smooth)");
    case Verfahren::Iterativ: return tr("Iterative (ART)");
    }
    return QString();
}

TFormSinogramm::Verfahren TFormSinogramm::GewaehltesVerfahren() const
{
    return Verfahren(Rekonstruktionswahl->currentData().toInt());
}

double TFormSinogramm::Photonen() const
{
    const int p = Dosis->value();
    // quarter decades, as shown: 100, 180, 320, 560, 1,000, ...
    return p >= OhneRauschen ? 0.0 : zweiStellen(std::pow(10.0, p / 4.0));
}

const ct::Sinogramm& TFormSinogramm::Messwerte() const
{
    return Weglaenge->isChecked() ? m_weg : m_zaehlung;
}

const ct::Bildfeld& TFormSinogramm::Rekonstruktion() const
{
    return GewaehltesVerfahren() == Verfahren::Iterativ ? m_iteration.Bild : m_gefiltert.Bild();
}

// --- Layout --------------------------------------------------------------------------------

void TFormSinogramm::anordnen(bool voll)
{
    m_voll = voll;
    const Masse m = masse(voll);
    setzeClientgroesse(this, m.breite, m.hoehe);

    for (QWidget* w : std::initializer_list<QWidget*>{
             Sinogrammart, Label2, Muster, Anzeige, ExportButton, Label6, Differenzbild, Differenzskala,
             Rekonstruktionlabel, Rekonstruktionswahl, Durchlaeufelabel, Durchlaeufe, Residuum, Label5, Zeilenwahl,
             Abweichung, Profil, RmsRueckprojektionlabel, RmsRekonstruktionlabel})
        w->setVisible(voll);

    Label1->move(Rand, 2);
    Sinogramm->move(4, 20);
    Sinogramm->setzeRaum(m.bloecke, m.zeilen);
    const int links = Sinogramm->x() + Sinogrammbild::Links;
    const int unten = Sinogramm->y() + Sinogrammbild::Oben + Sinogramm->Bloeckehoehe() + 1;
    const int breit = Sinogramm->Bloeckebreite();

    if (!voll) {
        // The sinogram, and right of it the two growing pictures; below it
        // the scale and the choice of readings.
        HilfeButton->setGeometry(m.breite - 48, 1, 44, 18);
        const int x = links + breit + 8;
        const int seite = std::min(m.bild, m.breite - x - 3);
        Label3->setText(tr("Plain"));
        Label3->adjustSize();
        Label3->move(x, 20);
        Rueckprojektionsbild->setzeSeite(seite);
        Rueckprojektionsbild->move(x, 36);
        Label4->setGeometry(x, 36 + seite + 6, m.breite - x, 15);
        Rekonstruktionsbild->setzeSeite(seite);
        Rekonstruktionsbild->move(x, 36 + seite + 22);
        Sinogrammskala->setGeometry(links, unten + 2, breit, 20);
        Messartlabel->move(Rand, unten + 24);
        Zaehlung->move(Rand + 58, unten + 23);
        Weglaenge->move(Rand + 58, unten + 40);
        Dosislabel->move(Rand, unten + 62);
        Dosis->setGeometry(Rand + 36, unten + 60, 100, 18);
        Dosisanzeige->setGeometry(Rand + 140, unten + 63, m.breite - Rand - 140, 15);
        return;
    }

    // Left the sinogram with its scale and the choice of readings; right the
    // pattern copy with the controls, the three pictures and the profile.
    Sinogrammart->setGeometry(Label1->x() + Label1->width() + 8, 0, 90, 19);
    Sinogrammskala->setGeometry(links + breit + 5, Sinogramm->y() + Sinogrammbild::Oben - 6, 44,
                                Sinogramm->Bloeckehoehe() + 12);
    const int unterSinogramm = Sinogramm->y() + Sinogramm->height();
    Messartlabel->move(Rand, unterSinogramm + 6);
    Zaehlung->move(Rand + 58, unterSinogramm + 5);
    Weglaenge->move(Rand + 58, unterSinogramm + 22);
    Dosislabel->move(Rand, unterSinogramm + 46);
    Dosis->setGeometry(Rand + 36, unterSinogramm + 44, 110, 18);
    Dosisanzeige->setGeometry(Rand + 150, unterSinogramm + 47, 160, 15);

    // The right part starts at the same place for every grid.
    const int x0 = links + m.bloecke + 52;
    Label2->move(x0, 2);
    Muster->setzeSeite(m.kopie);
    Muster->move(x0, 20);
    Anzeige->setGeometry(x0, 20 + m.kopie + 2, m.breite - x0 - 4, 15);

    const int cx = x0 + m.kopie + 12;
    Rekonstruktionlabel->move(cx, 20);
    Rekonstruktionswahl->setGeometry(cx, 36, 200, 22);
    ExportButton->setGeometry(cx + 212, 36, 84, 22);
    Durchlaeufelabel->move(cx, 67);
    Durchlaeufe->setGeometry(cx + 78, 64, 48, 22);
    Residuum->setGeometry(cx + 132, 67, 90, 15);
    Label5->move(cx, 95);
    Zeilenwahl->setGeometry(cx + 78, 92, 48, 22);
    HilfeButton->setGeometry(cx + 212, 92, 84, 22);

    const int py = 20 + m.kopie + 20;
    Label3->setText(tr("Back-projection"));
    Label3->adjustSize();
    const std::array<int, 3> bx{x0, x0 + m.bild + 10, x0 + 2 * (m.bild + 10)};
    Label3->move(bx[0], py);
    Label4->setGeometry(bx[1], py, m.bild + 8, 15);
    Label6->move(bx[2], py);
    int i = 0;
    for (Zellenbild* b : {Rueckprojektionsbild, Rekonstruktionsbild, Differenzbild}) {
        b->setzeSeite(m.bild);
        b->move(bx[std::size_t(i++)], py + 16);
    }
    Differenzskala->setGeometry(bx[2] + m.bild + 4, py + 16 - 6, m.breite - (bx[2] + m.bild + 4) - 2, m.bild + 12);
    RmsRueckprojektionlabel->setGeometry(bx[0], py + 16 + m.bild + 2, m.bild + 8, 15);
    RmsRekonstruktionlabel->setGeometry(bx[1], py + 16 + m.bild + 2, m.bild + 8, 15);
    const int ay = py + 16 + m.bild + 18;
    Abweichung->setGeometry(x0, ay, m.breite - x0 - 4, 15);
    Profil->setGeometry(x0 - 4, ay + 14, m.breite - x0 + 2, m.hoehe - ay - 14);
}

void TFormSinogramm::platzieren()
{
    // At the right edge of the screen, below the simulator's menu: while a
    // scan runs right of the scan's drawing, with a picture over it.
    const QRect f = Bildschirm::flaeche();
    const int oben = qobject_cast<QMainWindow*>(Fenstersatz::simulator())->menuBar()->height();
    const int x = std::max(f.x(), f.x() + f.width() - aussenbreite(this));
    const int y = std::clamp(oben, f.y(), std::max(f.y(), f.y() + f.height() - aussenhoehe(this)));
    ::platzieren(this, QPoint(x, y));
}

void TFormSinogramm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    platzieren();
    allesZeigen();
}

// --- Following the scan --------------------------------------------------------------------

void TFormSinogramm::vorlageLesen()
{
    const ct::Simulator& m = m_zustand.Modell();
    const int n = m.Raster, c = m.Kaestchengroesse;
    m_vorlage = ct::Bildfeld();
    if (m.Messung.Zeilenzahl() > 0) {
        // The cells the scan read.
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                m_vorlage(x, y).Belegt = m.CTBild(x, y).Belegt;
        return;
    }
    // No readings: the cells painted in the pattern image, read as a scan reads them.
    const Zeichenflaeche& bild = m_zustand.Musterbild();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            m_vorlage(x, y).Belegt = (bild.pixel((x - 1) * c + c / 2, (y - 1) * c + c / 2) & 0xFFFFFF) != 0xFFFFFF;
}

bool TFormSinogramm::ausgewertet() const
{
    // A picture exists once a scan is no longer running and has measured a ray.
    return m_zustand.Modell().Messung.Messzeilen() > 0 && !m_zustand.Laeuft();
}

void TFormSinogramm::messwerteNachfuehren(const ct::Sinogramm& scan)
{
    // The window's own copy of the scan's readings: every picture is made
    // from the same rows, whatever the scan does meanwhile. Only new rows
    // are copied while the scan goes on.
    if (m_zaehlung.Zeilenzahl() != scan.Zeilenzahl() || m_zaehlung.Strahlzahl() != scan.Strahlzahl()
        || m_zaehlung.Raster() != scan.Raster() || m_zaehlung.Kaestchengroesse() != scan.Kaestchengroesse()
        || m_zaehlung.Messzeilen() > scan.Messzeilen() || m_zaehlung.Teilstrahlen() > 0) {
        m_zaehlung = scan;
    } else {
        std::array<float, ct::Simulator::Strahlplatz> werte{};
        for (int z = m_zaehlung.Messzeilen(); z < scan.Messzeilen(); ++z) {
            for (int k = 1; k <= scan.Strahlzahl(); ++k)
                werte[std::size_t(k)] = scan.Messwert(z, k);
            if (scan.Gemessen(z))
                m_zaehlung.ZeileAnfuegen(werte.data());
            else
                m_zaehlung.TeilzeileAnfuegen(werte.data(), scan.Teilstrahlen());
        }
    }
    if (Weglaenge->isChecked())
        ct::Nachfuehren(m_zaehlung, m_vorlage, Photonen(), m_weg);
    const Verfahren v = GewaehltesVerfahren();
    const ct::Sinogramm& s = Messwerte();
    if (Sinogrammart->currentIndex() == 1)
        ct::GefiltertNachfuehren(s, kernVon(v), m_gefiltertesSinogramm);
    m_rueck.Nachfuehren(s);
    if (v != Verfahren::Iterativ)
        m_gefiltert.Nachfuehren(s);
}

void TFormSinogramm::allesZeigen()
{
    if (!isVisible())
        return;

    const ct::Simulator& m = m_zustand.Modell();
    const int n = m.Raster;
    m_bild = ausgewertet();
    if (m_bild != m_voll) {
        anordnen(m_bild);
        platzieren();
    }
    vorlageLesen();
    QImage kopie(n, n, QImage::Format_RGB32);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            kopie.setPixel(x - 1, y - 1, m_vorlage(x, y).Belegt ? qRgb(128, 128, 128) : qRgb(255, 255, 255));
    Muster->zeigen(n, kopie);

    // Every reconstruction made afresh from the readings as they stand.
    m_zaehlung = ct::Sinogramm();
    m_weg = ct::Sinogramm();
    m_gefiltertesSinogramm = ct::Sinogramm();
    m_rueck.Zuruecksetzen();
    m_gefiltert = ct::Rueckprojektionsaufbau(kernVon(GewaehltesVerfahren()));
    m_iteration = ct::Iterationsergebnis();
    // A scan that has measured nothing yet shows its layout, empty.
    const bool wartet = m.Messung.Zeilenzahl() == 0 && m_zustand.Laeuft();
    messwerteNachfuehren(wartet ? ct::Sinogramm(n, m.Kaestchengroesse, m.Strahlzahl, m.Winkelschritt) : m.Messung);
    if (m_bild && GewaehltesVerfahren() == Verfahren::Iterativ)
        m_iteration = ct::IterativeRekonstruktion(Messwerte(), Durchlaeufe->value());
    sinogrammZeigen();

    if (m_wahl.Spalte > n || m_wahl.Zeile > n)
        m_wahl = {0, 0};
    Zeilenwahl->blockSignals(true);
    Zeilenwahl->setRange(1, n);
    Zeilenwahl->blockSignals(false);
    KaestchenWaehlen(m_wahl);
    StrahlZeigen({-1, 0});
    bilderZeigen();
}

void TFormSinogramm::scanBegonnen()
{
    // The scan has deleted the CT picture; the sinogram of its layout stands
    // ready before the first projection ends.
    allesZeigen();
}

void TFormSinogramm::winkelFertig()
{
    if (!isVisible())
        return;
    ZeilenNachfuehren(m_zustand.Modell().Messung);
}

void TFormSinogramm::ZeilenNachfuehren(const ct::Sinogramm& scan)
{
    // The first row of a scan: the pattern is now the scanned one.
    if (scan.Messzeilen() <= 1 || m_zaehlung.Messzeilen() == 0) {
        vorlageLesen();
        m_zaehlung = ct::Sinogramm();
        m_weg = ct::Sinogramm();
        m_gefiltertesSinogramm = ct::Sinogramm();
        m_rueck.Zuruecksetzen();
        m_gefiltert.Zuruecksetzen();
        messwerteNachfuehren(scan);
        sinogrammZeigen();
    } else {
        messwerteNachfuehren(scan);
        Sinogramm->zeilenZeigen(Sinogrammart->currentIndex() == 1 ? m_gefiltertesSinogramm : Messwerte());
    }
    bilderZeigen();
}

void TFormSinogramm::sinogrammZeigen()
{
    const bool gefiltert = Sinogrammart->currentIndex() == 1;
    if (gefiltert)
        ct::GefiltertNachfuehren(Messwerte(), kernVon(GewaehltesVerfahren()), m_gefiltertesSinogramm);
    Sinogramm->zeigen(gefiltert ? m_gefiltertesSinogramm : Messwerte(), gefiltert);
    anordnen(m_voll);   // the scale and the pictures beside the sinogram follow its blocks
}

// --- The pictures and the figures -----------------------------------------------------------

void TFormSinogramm::bilderZeigen()
{
    const int n = m_zustand.Modell().Raster;
    const Verfahren v = GewaehltesVerfahren();
    const bool iterativ = v == Verfahren::Iterativ;
    const int durchlaeufe = Durchlaeufe->value();
    Label4->setText(iterativ ? (!m_voll            ? tr("ART: at the end")
                                : durchlaeufe == 1 ? tr("ART, 1 sweep")
                                                   : tr("ART, %1 sweeps").arg(durchlaeufe))
                    : v == Verfahren::RamLak     ? tr("Ram-Lak")
                    : v == Verfahren::SheppLogan ? tr("Shepp-Logan")
                                                 : tr("Hann"));
    const bool etwas = Messwerte().Messzeilen() > 0;
    m_anpassungRueck = etwas ? ct::Anpassen(m_rueck.Bild(), m_vorlage, n) : ct::Anpassung{};
    const bool rekonstruiert = etwas && (!iterativ || m_bild);
    m_anpassungRekon = rekonstruiert ? ct::Anpassen(Rekonstruktion(), m_vorlage, n) : ct::Anpassung{};
    Rueckprojektionsbild->zeigen(n, etwas ? angepasstesBild(m_rueck.Bild(), m_anpassungRueck, n) : QImage());
    Rekonstruktionsbild->zeigen(n, rekonstruiert ? angepasstesBild(Rekonstruktion(), m_anpassungRekon, n) : QImage());
    if (!m_voll)
        return;

    // The difference of the fitted reconstruction from the pattern.
    QImage differenz;
    if (m_bild) {
        differenz = QImage(n, n, QImage::Format_RGB32);
        for (int y = 1; y <= n; ++y)
            for (int x = 1; x <= n; ++x) {
                const double d = m_anpassungRekon.Angepasst(Rekonstruktion()(x, y).Wert)
                                 - (m_vorlage(x, y).Belegt ? 1.0 : 0.0);
                differenz.setPixel(x - 1, y - 1, Divergierend(d, 1.0));
            }
    }
    Differenzbild->zeigen(n, differenz);
    if (m_kurven[2]->name() != verfahrenName(v))
        m_kurven[2]->setName(verfahrenName(v));
    figurenZeigen();
    profilZeigen();
}

void TFormSinogramm::figurenZeigen()
{
    const bool iterativ = GewaehltesVerfahren() == Verfahren::Iterativ;
    RmsRueckprojektionlabel->setText(m_bild ? tr("RMS %1").arg(Sprache::zahlen().toString(m_anpassungRueck.Rms, 'f', 3)) : QString());
    RmsRekonstruktionlabel->setText(m_bild ? tr("RMS %1").arg(Sprache::zahlen().toString(m_anpassungRekon.Rms, 'f', 3)) : QString());
    Durchlaeufe->setEnabled(iterativ);
    Durchlaeufelabel->setEnabled(iterativ);
    Residuum->setText(iterativ && !m_iteration.Residuen.empty()
                          ? tr("residual %1").arg(Sprache::zahlen().toString(m_iteration.Residuen.back(), 'f', 4))
                          : QString());
}

void TFormSinogramm::dosisZeigen()
{
    const bool weg = Weglaenge->isChecked();
    Dosis->setEnabled(weg);
    Dosislabel->setEnabled(weg);
    const double p = Photonen();
    Dosisanzeige->setText(!weg         ? tr("(for path lengths)")
                          : p <= 0.0   ? tr("no noise")
                                       : tr("%1 photons per ray").arg(Sprache::zahlen().toString(p, 'f', 0)));
}

std::vector<double> TFormSinogramm::Profilwerte(int kurve) const
{
    const int n = m_zustand.Modell().Raster, y = Zeilenwahl->value();
    std::vector<double> werte;
    if (!m_bild || y < 1 || y > n)
        return werte;
    for (int x = 1; x <= n; ++x) {
        const double muster = m_vorlage(x, y).Belegt ? 1.0 : 0.0;
        werte.push_back(kurve == 0   ? muster
                        : kurve == 1 ? m_anpassungRueck.Angepasst(m_rueck.Bild()(x, y).Wert)
                                     : m_anpassungRekon.Angepasst(Rekonstruktion()(x, y).Wert));
    }
    return werte;
}

void TFormSinogramm::profilZeigen()
{
    // The profile's row marked in every picture (the profile shows only
    // with the whole laboratory).
    const int n = m_zustand.Modell().Raster, y = m_voll ? Zeilenwahl->value() : 0;
    for (Zellenbild* b : {Muster, Rueckprojektionsbild, Rekonstruktionsbild, Differenzbild})
        b->setzeWahl(b == Muster ? m_wahl : ct::Kaestchen{0, 0}, y);
    for (int i = 0; i < 3; ++i) {
        const std::vector<double> werte = Profilwerte(i);
        QList<QPointF> punkte;
        for (std::size_t j = 0; j < werte.size(); ++j) {
            const double x = double(j + 1);
            if (i == 0) {
                // the pattern as steps, one cell wide
                punkte.append({x - 0.5, werte[j]});
                punkte.append({x + 0.5, werte[j]});
            } else {
                punkte.append({x, werte[j]});
            }
        }
        m_kurven[std::size_t(i)]->replace(punkte);
    }
    // From -0.25 to 1.25, wider where a curve reaches beyond, in quarters.
    double lo = -0.25, hi = 1.25;
    for (int i = 1; i < 3; ++i)
        for (const double w : Profilwerte(i)) {
            lo = std::min(lo, std::floor(w * 4.0) / 4.0);
            hi = std::max(hi, std::ceil(w * 4.0) / 4.0);
        }
    qobject_cast<QValueAxis*>(Profil->chart()->axes(Qt::Vertical).value(0))->setRange(lo, hi);
    auto* x = qobject_cast<QValueAxis*>(Profil->chart()->axes(Qt::Horizontal).value(0));
    x->setRange(0.5, n + 0.5);
    x->setTickAnchor(n <= 4 ? 1.0 : 0.0);
    x->setTickInterval(n <= 4 ? 1.0 : n <= 20 ? 5.0 : 10.0);
}

// --- The links -----------------------------------------------------------------------------

void TFormSinogramm::StrahlZeigen(ct::Sinogrammpunkt p)
{
    const ct::Simulator& m = m_zustand.Modell();
    const ct::Sinogramm& s = Messwerte();
    if (p.Zeile < 0 || p.Zeile >= s.Zeilenzahl() || p.Strahl < 1 || p.Strahl > s.Strahlzahl()) {
        Muster->setzeStrahl({}, {}, {});
        Anzeige->setText(s.Zeilenzahl() > 0 ? tr("Point to a reading: its ray shows.") : QString());
        return;
    }
    // The ray's line through the grid, in cells: through its middle point
    // on the beam, turned with the scan.
    QPointF a, b;
    if (s.Raster() == m.Raster && s.Kaestchengroesse() == m.Kaestchengroesse) {
        const int w = s.Winkel(p.Zeile);
        const long double mitte = m.Halbraster, weit = m.Diagonale;
        const float pos = m.Strahlposition[std::size_t(p.Strahl)];
        const ct::PunktF p1 = m.DrehenB(w, mitte - weit, pos), p2 = m.DrehenB(w, mitte + weit, pos);
        const double c = m.Kaestchengroesse;
        a = QPointF(p1.x / c, p1.y / c);
        b = QPointF(p2.x / c, p2.y / c);
    }
    std::vector<ct::Kaestchen> zellen = ct::KaestchenDesStrahls(s, p.Zeile, p.Strahl);
    const QString kopf = tr("%1, ray %2: ").arg(grad(s.Winkel(p.Zeile))).arg(p.Strahl);
    QString text;
    if (!s.Gemessen(p.Zeile, p.Strahl)) {
        text = kopf + tr("not measured yet");
    } else if (s.Art() == ct::Messart::Zaehlung) {
        int getroffen = 0;
        for (const ct::Kaestchen& k : zellen)
            getroffen += m_vorlage(k.Spalte, k.Zeile).Belegt ? 1 : 0;
        text = kopf + tr("%1 cells, %2").arg(getroffen).arg(Sprache::zahlen().toString(double(s.Messwert(p.Zeile, p.Strahl))));
    } else {
        // The path through the pattern, and what the detector read of it.
        const std::vector<float> laengen = ct::GewichteDesStrahls(s, p.Zeile, p.Strahl);
        double weg = 0.0;
        for (std::size_t i = 0; i < zellen.size(); ++i)
            weg += m_vorlage(zellen[i].Spalte, zellen[i].Zeile).Belegt ? laengen[i] : 0.0f;
        const QLocale z = Sprache::zahlen();
        text = kopf + tr("path %1, reading %2").arg(z.toString(weg, 'f', 2), z.toString(double(s.Messwert(p.Zeile, p.Strahl)), 'f', 2));
    }
    Muster->setzeStrahl(std::move(zellen), a, b);
    Anzeige->setText(text);
}

void TFormSinogramm::KaestchenWaehlen(ct::Kaestchen zelle)
{
    const int n = m_zustand.Modell().Raster;
    if (zelle.Spalte < 1 || zelle.Zeile < 1 || zelle.Spalte > n || zelle.Zeile > n)
        zelle = {0, 0};
    m_wahl = zelle;
    Sinogramm->setzeMarken(zelle.Spalte > 0 ? ct::Sinuskurve(Messwerte(), zelle.Spalte, zelle.Zeile)
                                            : std::vector<ct::Sinogrammpunkt>{});
    if (zelle.Spalte > 0 && Zeilenwahl->value() != zelle.Zeile)
        Zeilenwahl->setValue(zelle.Zeile);   // the profile follows the chosen row
    else
        profilZeigen();
}

// --- Export --------------------------------------------------------------------------------

QStringList TFormSinogramm::Exportdateien()
{
    return {QStringLiteral("sinogram.png"),       QStringLiteral("pattern.png"),
            QStringLiteral("back-projection.png"), QStringLiteral("reconstruction.png"),
            QStringLiteral("difference.png"),     QStringLiteral("readings.csv"),
            QStringLiteral("reconstruction.csv"), QStringLiteral("profile.csv")};
}

bool TFormSinogramm::Exportieren(const QString& ordner, QString* fehler) const
{
    const QDir dir(ordner);
    const QStringList namen = Exportdateien();
    const std::array<QImage, 5> bilder{Sinogramm->Bloecke(), Muster->Bild(), Rueckprojektionsbild->Bild(),
                                       Rekonstruktionsbild->Bild(), Differenzbild->Bild()};
    const auto scheitern = [&](const QString& name) {
        if (fehler)
            *fehler = dir.filePath(name);
        return false;
    };
    for (std::size_t i = 0; i < bilder.size(); ++i)
        if (bilder[i].isNull() || !bilder[i].save(dir.filePath(namen[int(i)]), "PNG"))
            return scheitern(namen[int(i)]);

    // Text files with a point as the decimal mark, whatever the language.
    const auto schreiben = [&](const QString& name, const std::function<void(QTextStream&)>& inhalt) {
        QFile datei(dir.filePath(name));
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return false;
        QTextStream aus(&datei);
        inhalt(aus);
        aus.flush();
        return aus.status() == QTextStream::Ok && datei.error() == QFile::NoError;
    };
    const ct::Sinogramm& s = Messwerte();
    const int n = m_zustand.Modell().Raster;
    const bool gut = schreiben(namen[5], [&](QTextStream& aus) {
        aus << "angle";
        for (int k = 1; k <= s.Strahlzahl(); ++k)
            aus << ",ray " << k;
        aus << '\n';
        for (int z = 0; z < s.Messzeilen(); ++z) {
            aus << s.Winkel(z);
            for (int k = 1; k <= s.Strahlzahl(); ++k) {
                aus << ',';
                if (s.Gemessen(z, k))
                    aus << QString::number(double(s.Messwert(z, k)), 'g', 9);
            }
            aus << '\n';
        }
    });
    if (!gut)
        return scheitern(namen[5]);
    if (!schreiben(namen[6], [&](QTextStream& aus) {
            for (int y = 1; y <= n; ++y) {
                for (int x = 1; x <= n; ++x)
                    aus << (x > 1 ? "," : "") << QString::number(double(Rekonstruktion()(x, y).Wert), 'g', 9);
                aus << '\n';
            }
        }))
        return scheitern(namen[6]);
    if (!schreiben(namen[7], [&](QTextStream& aus) {
            aus << "column,pattern,back-projection,reconstruction\n";
            const std::array<std::vector<double>, 3> kurven{Profilwerte(0), Profilwerte(1), Profilwerte(2)};
            for (std::size_t x = 0; x < kurven[0].size(); ++x)
                aus << x + 1 << ',' << kurven[0][x] << ',' << QString::number(kurven[1][x], 'g', 9) << ','
                    << QString::number(kurven[2][x], 'g', 9) << '\n';
        }))
        return scheitern(namen[7]);
    return true;
}

std::function<QString()> TFormSinogramm::Ordnerwahl = [] {
    return QFileDialog::getExistingDirectory(hauptfenster(),
                                             TFormSinogramm::tr("Export the sinogram's pictures and data to"));
};

void TFormSinogramm::exportWaehlen()
{
    const QString ordner = Ordnerwahl ? Ordnerwahl() : QString();
    if (ordner.isEmpty())
        return;
    QString fehler;
    if (!Exportieren(ordner, &fehler))
        Meldung::fehler(tr("%1 could not be written.").arg(QDir::toNativeSeparators(fehler)));
}
