#include "tools/Sinogrammfenster.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "core/Arithmetik.h"
#include "core/Farben.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "platform/Zeichenflaeche.h"
#include "sim/Blatt12.h"
#include "sim/Simulatorzustand.h"

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace {

// The sizes of the window's parts at the two layouts: the room for the
// sinogram's blocks across, the side of the pattern copy and of the two
// pictures, the height of the profile, and the client size.
struct Masse
{
    int bloecke, kopie, bild, profil, breite, hoehe;
};

Masse masse()
{
    if (Bildschirmbreite == 1024)
        return {250, 225, 169, 135, 536, 617};
    return {200, 169, 115, 110, 432, 476};
}

// The curves of the profile, in the colours of their pictures' captions.
constexpr std::array<QRgb, 3> Kurvenfarben{0x000000, 0x1F4FBF, 0xD04010};
constexpr QRgb Markenfarbe = 0xE00000;   // a cell's sine curve, a hovered ray
constexpr QRgb Wahlfarbe = 0x0060FF;     // the chosen cell and profile row
constexpr int Rand = 6;
// Where the help's text on the sinogram begins.
constexpr int Hilfeposition = 1800;

QLabel* ueberschrift(QWidget* eltern, const QString& name, const QString& text, int x, int y, QRgb farbe = 0)
{
    return bezeichnung(eltern, name, text, x, y, 12, true, QColor::fromRgb(farbe));
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

}  // namespace

int Sinogrammgrau(float wert, float hoechstwert)
{
    if (hoechstwert <= 0.0f)
        return 255;
    const long long g = 255 - ct::Runden(255.0L * static_cast<long double>(wert) / hoechstwert);
    return int(std::clamp(g, 0LL, 255LL));
}

// --- The sinogram ----------------------------------------------------------------------

Sinogrammbild::Sinogrammbild(QWidget* eltern, int breite)
    : QWidget(eltern)
    , m_breite(breite)
{
    setObjectName(QStringLiteral("Sinogramm"));
    setFixedSize(Links + breite + 2, Oben + Hoehe + 7);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Sinogrammbild::zeigen(const ct::Sinogramm& s)
{
    m_strahlzahl = s.Strahlzahl();
    m_zeilenzahl = s.Zeilenzahl();
    m_winkelschritt = s.Winkelschritt();
    m_blockbreite = m_strahlzahl > 0 ? m_breite / m_strahlzahl : 0;
    m_blockhoehe = m_zeilenzahl > 0 ? Hoehe / m_zeilenzahl : 0;
    m_zeilen = 0;
    m_hoechstwert = 0.0f;
    m_unterMaus = {-1, 0};
    if (m_zeilenzahl == 0 || m_strahlzahl == 0) {
        m_werte = QImage();
        update();
        return;
    }
    m_werte = QImage(m_strahlzahl, m_zeilenzahl, QImage::Format_RGB32);
    m_werte.fill(Qt::white);
    m_quelle = &s;
    m_hoechstwert = s.Hoechstwert();
    for (int z = 0; z < s.GemesseneZeilen(); ++z)
        einfaerben(z);
    m_zeilen = s.GemesseneZeilen();
    update();
}

void Sinogrammbild::zeileZeigen(const ct::Sinogramm& s)
{
    const int z = s.GemesseneZeilen() - 1;
    if (m_werte.isNull() || z != m_zeilen || s.Strahlzahl() != m_strahlzahl || s.Zeilenzahl() != m_zeilenzahl) {
        zeigen(s);
        return;
    }
    m_quelle = &s;
    m_zeilen = z + 1;
    if (s.Hoechstwert() != m_hoechstwert) {
        // The largest reading grew: every row takes its new gray.
        m_hoechstwert = s.Hoechstwert();
        for (int r = 0; r <= z; ++r)
            einfaerben(r);
        update();
        return;
    }
    einfaerben(z);
    update(QRect(Links, Oben + z * m_blockhoehe, m_strahlzahl * m_blockbreite, m_blockhoehe));
}

void Sinogrammbild::einfaerben(int zeile)
{
    auto* z = reinterpret_cast<QRgb*>(m_werte.scanLine(zeile));
    for (int k = 1; k <= m_strahlzahl; ++k) {
        const int g = Sinogrammgrau(m_quelle->Messwert(zeile, k), m_hoechstwert);
        z[k - 1] = qRgb(g, g, g);
    }
}

void Sinogrammbild::setzeMarken(std::vector<ct::Sinogrammpunkt> punkte)
{
    m_marken = std::move(punkte);
    update();
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
    const int breite = m_werte.isNull() ? m_breite : m_strahlzahl * m_blockbreite;
    const QRect bloecke(Links, Oben, breite, Hoehe);
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
        const int y = Oben + w;
        p.drawLine(Links - 4, y, Links - 1, y);
        p.drawText(QRect(0, y - 7, Links - 6, 14), Qt::AlignRight | Qt::AlignVCenter, grad(w));
    }
    if (m_werte.isNull()) {
        p.drawRect(bloecke);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawText(bloecke, Qt::AlignCenter, QStringLiteral("Start a scan:\nits readings appear here,\nrow by row"));
        return;
    }

    // The ray numbers: 1 and the multiples of a step that leaves room.
    const int schritt = m_strahlzahl <= 6 ? 1 : m_strahlzahl <= 30 ? 5 : m_strahlzahl <= 60 ? 10 : 20;
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

Zellenbild::Zellenbild(QWidget* eltern, int seite)
    : QWidget(eltern)
    , m_seite(seite)
{
    setFixedSize(seite, seite);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Zellenbild::zeigen(int n, const ct::Graufeld& stufen, bool leer)
{
    m_n = n;
    m_zelle = n > 0 ? (m_seite - 1) / n : 0;
    m_bild = QImage(m_seite, m_seite, QImage::Format_RGB32);
    m_bild.fill(Qt::white);
    QPainter p(&m_bild);
    if (!leer)
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const int g = stufen(x, y);
                if (g != 255)
                    p.fillRect(Rechteck(x, y), QColor(g, g, g));
            }
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

TFormSinogramm::TFormSinogramm()
    : m_zustand(Form12->Zustand)
{
    fensterAnlegen(this, QStringLiteral("FormSinogramm"), QStringLiteral("Sinogram and reconstruction"),
                   Rahmen::NurSchliessen, Lage::Feld);
    const Masse m = masse();
    setzeClientgroesse(this, m.breite, m.hoehe);
    weissHinterlegen(this);

    Label1 = ueberschrift(this, QStringLiteral("Label1"), QStringLiteral("Sinogram: rays across, angles down"), Rand,
                          3);
    Sinogramm = new Sinogrammbild(this, m.bloecke);
    Sinogramm->move(Rand, 20);
    const int mx = Rand + Sinogramm->width() + 10;
    Label2 = ueberschrift(this, QStringLiteral("Label2"), QStringLiteral("Pattern: click a cell"), mx, 3);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), QStringLiteral("Help"), m.breite - Rand - 44, 1, 44, 18);
    HilfeButton->setFont(arial(11));
    Muster = new Zellenbild(this, m.kopie);
    Muster->setObjectName(QStringLiteral("Muster"));
    Muster->move(mx, 20 + Sinogrammbild::Oben);
    Muster->setCursor(Qt::PointingHandCursor);
    Anzeige = bezeichnung(this, QStringLiteral("Anzeige"), QString(), mx, Muster->y() + m.kopie + 2, 11);
    Anzeige->setProperty("autoSize", false);
    Anzeige->setGeometry(mx, Muster->y() + m.kopie + 2, m.breite - mx - 2, 15);

    const int y2 = std::max(Sinogramm->y() + Sinogramm->height(), Anzeige->y() + Anzeige->height()) + 2;
    Label3 = ueberschrift(this, QStringLiteral("Label3"), QStringLiteral("CT picture"), Rand, y2, Kurvenfarben[1]);
    CTBild = new Zellenbild(this, m.bild);
    CTBild->setObjectName(QStringLiteral("CTBild"));
    CTBild->move(Rand, y2 + 16);
    const int fx = Rand + m.bild + 10;
    Label4 = ueberschrift(this, QStringLiteral("Label4"), QStringLiteral("Filtered"), fx, y2, Kurvenfarben[2]);
    Gefiltert = new Zellenbild(this, m.bild);
    Gefiltert->setObjectName(QStringLiteral("Gefiltert"));
    Gefiltert->move(fx, y2 + 16);

    const int kx = fx + m.bild + 12, kb = m.breite - kx - Rand;
    Kerngruppe = gruppe(this, QStringLiteral("Kerngruppe"), QStringLiteral("Filter kernel"), kx, y2, kb, 58);
    RamLak = optionsfeld(Kerngruppe, QStringLiteral("RamLak"), QStringLiteral("Ram-Lak (ramp)"), 8, 18, true);
    SheppLogan = optionsfeld(Kerngruppe, QStringLiteral("SheppLogan"), QStringLiteral("Shepp-Logan"), 8, 36);
    Label5 = bezeichnung(this, QStringLiteral("Label5"), QStringLiteral("Profile of row"), kx, y2 + 66);
    Zeilenwahl = new QSpinBox(this);
    Zeilenwahl->setObjectName(QStringLiteral("Zeilenwahl"));
    Zeilenwahl->setGeometry(kx + Label5->width() + 6, y2 + 63, 52, 22);
    Zeilenwahl->setRange(1, ct::Feldgroesse);
    Zeilenwahl->setValue((m_zustand.Modell().Raster + 1) / 2);
    Abweichung = bezeichnung(this, QStringLiteral("Abweichung"), QString(), kx, y2 + 92, 12);
    Abweichung->setProperty("autoSize", false);
    Abweichung->setGeometry(kx, y2 + 92, kb, y2 + 16 + m.bild - (y2 + 92));
    Abweichung->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The profile: the pattern as steps, the two pictures as lines, each
    // normalised to 0 ... 1; the captions above the pictures name the colours.
    auto* diagramm = new QChart;
    diagramm->legend()->hide();
    diagramm->setBackgroundRoundness(0);
    diagramm->setMargins(QMargins(0, 2, 4, 0));
    diagramm->layout()->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < m_kurven.size(); ++i) {
        m_kurven[i] = new QLineSeries;
        m_kurven[i]->setPen(QPen(QColor::fromRgb(Kurvenfarben[i]), i == 0 ? 1.0 : 2.0));
        diagramm->addSeries(m_kurven[i]);
    }
    auto* xAchse = new QValueAxis;
    auto* yAchse = new QValueAxis;
    for (QValueAxis* a : {xAchse, yAchse}) {
        a->setLabelsFont(arial(10));
        a->setGridLineColor(QColor(0xE0, 0xE0, 0xE0));
        diagramm->addAxis(a, a == xAchse ? Qt::AlignBottom : Qt::AlignLeft);
        for (QLineSeries* k : m_kurven)
            k->attachAxis(a);
    }
    xAchse->setLabelFormat(QStringLiteral("%d"));
    yAchse->setRange(-0.05, 1.05);
    yAchse->setTickType(QValueAxis::TicksDynamic);
    yAchse->setTickAnchor(0.0);
    yAchse->setTickInterval(0.5);
    yAchse->setLabelFormat(QStringLiteral("%.1f"));
    xAchse->setTickType(QValueAxis::TicksDynamic);
    Profil = new QChartView(diagramm, this);
    Profil->setObjectName(QStringLiteral("Profil"));
    Profil->setRenderHint(QPainter::Antialiasing);
    Profil->setFrameShape(QFrame::NoFrame);
    const int y3 = CTBild->y() + m.bild + 4;
    Profil->setGeometry(Rand - 4, y3, m.breite - 2 * Rand + 8, m.hoehe - y3 - 2);

    connect(HilfeButton, &QPushButton::clicked, this,
            [] { FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, Hilfeposition); });
    connect(Sinogramm, &Sinogrammbild::punktBeruehrt, this, &TFormSinogramm::StrahlZeigen);
    connect(Muster, &Zellenbild::geklickt, this, [this](ct::Kaestchen k, Qt::MouseButton knopf) {
        KaestchenWaehlen(knopf == Qt::RightButton ? ct::Kaestchen{0, 0} : k);
    });
    connect(RamLak, &QRadioButton::toggled, this, [this] { rekonstruieren(); });
    connect(Zeilenwahl, &QSpinBox::valueChanged, this, [this] { profilZeigen(); });

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
}

void TFormSinogramm::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    // At the right of the layout, below the simulator's menu: over the
    // simulator's picture, beside the pattern.
    platzieren(this, obenRechts(this, Form12->menuBar()->height()));
    allesZeigen();
}

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

void TFormSinogramm::allesZeigen()
{
    if (!isVisible())
        return;
    const ct::Simulator& m = m_zustand.Modell();
    const int n = m.Raster;
    vorlageLesen();
    ct::Graufeld stufen;
    stufen.Fuellen(255);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (m_vorlage(x, y).Belegt)
                stufen(x, y) = 128;
    Muster->zeigen(n, stufen, false);
    Sinogramm->zeigen(m.Messung);
    if (m_wahl.Spalte > n || m_wahl.Zeile > n)
        m_wahl = {0, 0};
    Zeilenwahl->blockSignals(true);
    Zeilenwahl->setRange(1, n);
    Zeilenwahl->blockSignals(false);
    KaestchenWaehlen(m_wahl);
    StrahlZeigen({-1, 0});
    rekonstruieren();
}

void TFormSinogramm::winkelFertig()
{
    if (!isVisible())
        return;
    const ct::Sinogramm& s = m_zustand.Modell().Messung;
    // The first row of a scan: the layout is new, the pattern the scanned one.
    if (s.GemesseneZeilen() == 1)
        allesZeigen();
    else
        Sinogramm->zeileZeigen(s);
}

void TFormSinogramm::rekonstruieren()
{
    const ct::Simulator& m = m_zustand.Modell();
    const ct::Sinogramm& s = m.Messung;
    const int n = m.Raster;
    // A picture exists once a scan is no longer running and has measured a row.
    m_bild = s.GemesseneZeilen() > 0 && !m_zustand.Laeuft();
    ct::Graufeld leer;
    if (!m_bild) {
        m_gefiltert = ct::Bildfeld();
        m_rmsCT = m_rmsGefiltert = -1.0;
        CTBild->zeigen(n, leer, true);
        Gefiltert->zeigen(n, leer, true);
        Abweichung->setText(QStringLiteral("RMS difference to the pattern\nappears after the scan."));
        profilZeigen();
        return;
    }
    m_gefiltert = ct::GefilterteRueckprojektion(s, RamLak->isChecked() ? ct::Faltungskern::RamLak
                                                                       : ct::Faltungskern::SheppLogan);
    CTBild->zeigen(n, ct::Faerben(m.CTBild, n), false);
    Gefiltert->zeigen(n, ct::Faerben(m_gefiltert, n), false);
    m_rmsCT = ct::RmsAbweichung(m.CTBild, m_vorlage, n);
    m_rmsGefiltert = ct::RmsAbweichung(m_gefiltert, m_vorlage, n);
    Abweichung->setText(QStringLiteral("RMS difference to the pattern\nCT picture: %1\nFiltered: %2")
                            .arg(m_rmsCT, 0, 'f', 3)
                            .arg(m_rmsGefiltert, 0, 'f', 3));
    profilZeigen();
}

std::vector<double> TFormSinogramm::Profilwerte(int kurve) const
{
    const ct::Simulator& m = m_zustand.Modell();
    const int n = m.Raster, y = Zeilenwahl->value();
    std::vector<double> werte;
    if (!m_bild || y < 1 || y > n)
        return werte;
    const ct::Bildfeld bild = kurve == 0 ? ct::Bildfeld() : ct::Normiert(kurve == 1 ? m.CTBild : m_gefiltert, n);
    for (int x = 1; x <= n; ++x)
        werte.push_back(kurve == 0 ? (m_vorlage(x, y).Belegt ? 1.0 : 0.0) : double(bild(x, y).Wert));
    return werte;
}

void TFormSinogramm::profilZeigen()
{
    const int n = m_zustand.Modell().Raster, y = Zeilenwahl->value();
    for (Zellenbild* b : {Muster, CTBild, Gefiltert})
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
    auto* x = qobject_cast<QValueAxis*>(Profil->chart()->axes(Qt::Horizontal).value(0));
    x->setRange(0.5, n + 0.5);
    x->setTickAnchor(n <= 4 ? 1.0 : 0.0);
    x->setTickInterval(n <= 4 ? 1.0 : n <= 20 ? 5.0 : 10.0);
}

void TFormSinogramm::StrahlZeigen(ct::Sinogrammpunkt p)
{
    const ct::Simulator& m = m_zustand.Modell();
    const ct::Sinogramm& s = m.Messung;
    if (p.Zeile < 0 || p.Zeile >= s.Zeilenzahl() || p.Strahl < 1 || p.Strahl > s.Strahlzahl()) {
        Muster->setzeStrahl({}, {}, {});
        Anzeige->setText(s.Zeilenzahl() > 0 ? QStringLiteral("Point to a reading: its ray shows.") : QString());
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
    int getroffen = 0;
    for (const ct::Kaestchen& k : zellen)
        getroffen += m_vorlage(k.Spalte, k.Zeile).Belegt ? 1 : 0;
    Muster->setzeStrahl(std::move(zellen), a, b);
    const QString kopf = QStringLiteral("%1, ray %2: ").arg(grad(s.Winkel(p.Zeile))).arg(p.Strahl);
    Anzeige->setText(s.Gemessen(p.Zeile)
                         ? kopf + QStringLiteral("%1 cells, %2").arg(getroffen).arg(double(s.Messwert(p.Zeile, p.Strahl)))
                         : kopf + QStringLiteral("not measured yet"));
}

void TFormSinogramm::KaestchenWaehlen(ct::Kaestchen zelle)
{
    const int n = m_zustand.Modell().Raster;
    if (zelle.Spalte < 1 || zelle.Zeile < 1 || zelle.Spalte > n || zelle.Zeile > n)
        zelle = {0, 0};
    m_wahl = zelle;
    Sinogramm->setzeMarken(zelle.Spalte > 0 ? ct::Sinuskurve(m_zustand.Modell().Messung, zelle.Spalte, zelle.Zeile)
                                            : std::vector<ct::Sinogrammpunkt>{});
    if (zelle.Spalte > 0 && Zeilenwahl->value() != zelle.Zeile)
        Zeilenwahl->setValue(zelle.Zeile);   // the profile follows the chosen row
    else
        profilZeigen();
}
