#include "tools/Archiv.h"

#include "app/Fenster.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"
#include "sim/Rasterbild.h"
#include "sim/Simulatorzustand.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>

namespace {

// The scroll ranges of the window; the content reaches further where the
// pictures are larger.
constexpr int Breitenbereich = 784;
constexpr int Hoehenbereich = 562;

void setzeBeschriftung(QLabel* l, const QString& text)
{
    l->setText(text);
    l->adjustSize();
}

}  // namespace

TFormArchiv::TFormArchiv(Simulatorzustand& zustand)
    : m_zustand(zustand)
{
    setObjectName(QStringLiteral("FormArchiv"));
    setWindowTitle(tr(" Computer Tomography"));
    fensterart(this, Rahmen::MitMaximieren, Lage::Feld);
    // The small type of the slot headers lets "Picture 1" end where the
    // slot's angle step begins.
    setFont(arial(11));
    weissHinterlegen(this);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setzeAussengroesse(this, 552, 333);
    setzeZweitesSymbol(this);

    Rollflaeche = new QScrollArea(this);
    Rollflaeche->setObjectName(QStringLiteral("Rollflaeche"));
    // Tab reaches the slots inside, and the area scrolls to them.
    Rollflaeche->setFocusPolicy(Qt::NoFocus);
    Rollflaeche->setFrameShape(QFrame::NoFrame);
    Rollflaeche->setWidgetResizable(false);
    Inhalt = new QWidget;
    Inhalt->setObjectName(QStringLiteral("Inhalt"));
    weissHinterlegen(Inhalt);
    Inhalt->setContextMenuPolicy(Qt::DefaultContextMenu);

    Label0 = bezeichnung(Inhalt, QStringLiteral("Label0"), tr("Pattern"), 16, 12);

    // The six pictures at their places, sized by the real screen width.
    const int seite = Bildschirm::breite() == 1024 ? 337 : 229;
    const QPoint orte[6] = {{16, 40}, {270, 40}, {542, 40}, {16, 344}, {270, 344}, {542, 344}};
    Bildanzeige** bilder[6] = {&Image0, &Image1, &Image2, &Image3, &Image4, &Image5};
    for (int k = 0; k < 6; ++k) {
        *bilder[k] = new Bildanzeige(Inhalt, QStringLiteral("Image%1").arg(k));
        (*bilder[k])->setGeometry(orte[k].x(), orte[k].y(), seite, seite);
        (*bilder[k])->flaecheAnpassen();
    }

    const QPoint kopforte[5] = {{270, 5}, {542, 0}, {16, 309}, {270, 309}, {542, 309}};
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        const int breite = kopforte[i].x() == 542 ? 241 : 243;
        Panel* p = new Panel(Inhalt, QStringLiteral("Panel%1").arg(k), kopforte[i].x(), kopforte[i].y(), breite, 33);
        Panels[i] = p;
        Labels[i] = bezeichnung(p, QStringLiteral("Label%1").arg(k), tr("Picture %1").arg(k), 4, 8);
        LabelsSchritte[i] = bezeichnung(p, QStringLiteral("Label%1Schritte").arg(k), QString(), 48, 1);
        LabelsFaltung[i] = bezeichnung(p, QStringLiteral("Label%1Faltung").arg(k), QString(), 152, 1);
        LabelsFilter[i] = bezeichnung(p, QStringLiteral("Label%1Filter").arg(k), QString(), 48, 17);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Schliessen = PopupMenu1->addAction(tr("&Close Archive"));
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    // Shown in the menu; the key itself is taken in event(), before the
    // simulator's own Ctrl+S.
    Schliessen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Schliessen, &QAction::triggered, this, &TFormArchiv::SchliessenClick);
    Loeschen = PopupMenu1->addMenu(tr("&Delete"));
    Loeschen->setObjectName(QStringLiteral("Loeschen"));
    Laden = PopupMenu1->addMenu(tr("Lo&ad"));
    Laden->setObjectName(QStringLiteral("Laden"));
    Ladegruppe = new QActionGroup(this);
    Ladegruppe->setExclusive(true);
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        QAction* l = Loeschen->addAction(tr("Picture &%1").arg(k));
        l->setObjectName(QStringLiteral("Bild1%1").arg(k));
        l->setEnabled(false);
        // The pop-up acts on the archive only between scans.
        connect(l, &QAction::triggered, this, [this, k] {
            if (!m_zustand.Laeuft())
                m_zustand.FachLoeschen(k);
        });
        Loeschpunkte[i] = l;

        QAction* a = Laden->addAction(tr("Picture &%1").arg(k));
        a->setObjectName(QStringLiteral("Bild2%1").arg(k));
        a->setCheckable(true);
        a->setEnabled(false);
        Ladegruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, k, a] {
            if (!m_zustand.Laeuft())
                m_zustand.FachLaden(k);
            // The mark shows the slot the simulator shows.
            a->setChecked(m_zustand.Archivbildnummer() == k);
        });
        Ladepunkte[i] = a;
    }

    if (Layout::breite() == 1024)
        anordnen();
    Inhalt->resize(Inhalt->childrenRect().united(QRect(0, 0, Breitenbereich, Hoehenbereich)).size());
    Rollflaeche->setWidget(Inhalt);
    Rollflaeche->setGeometry(rect());

    const ct::Simulator& m = m_zustand.Modell();
    rasterZeichnen(Image0, m.Raster, m.Kaestchengroesse);
    for (int k = 1; k <= 5; ++k)
        bildrahmenZeichnen(Bild(k), m.Raster, m.Kaestchengroesse);
    aufBildschirmZentrieren(this);

    connect(&m_zustand, &Simulatorzustand::rasterEingerichtet, this, &TFormArchiv::rasterLeeren);
    connect(&m_zustand, &Simulatorzustand::vorlageGeloescht, this, [this] {
        const ct::Simulator& m = m_zustand.Modell();
        rasterZeichnen(Image0, m.Raster, m.Kaestchengroesse);
    });
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &TFormArchiv::musterKopieren);
    connect(&m_zustand, &Simulatorzustand::fachGespeichert, this, &TFormArchiv::fachZeigen);
    connect(&m_zustand, &Simulatorzustand::fachGeloescht, this, &TFormArchiv::fachLeeren);
    connect(&m_zustand, &Simulatorzustand::fachGeladen, this, &TFormArchiv::geladenZeigen);
    connect(&m_zustand, &Simulatorzustand::ctBildGeloescht, this, &TFormArchiv::geladenZeigen);
}

// The layout of the 1024 x 768 screen: three columns over the whole width,
// slots 1 and 2 beside the pattern, slots 3 to 5 below.
void TFormArchiv::anordnen()
{
    const int spalten[3] = {0, (1024 - 337) / 2, 1024 - 337};
    Image0->move(spalten[0], 33);
    Image1->move(spalten[1], 33);
    Image2->move(spalten[2], 33);
    Image3->move(spalten[0], 407);
    Image4->move(spalten[1], 407);
    Image5->move(spalten[2], 407);
    Label0->move(0, 11);
    for (int k = 1; k <= 5; ++k)
        Panels[std::size_t(k - 1)]->move(Bild(k)->x(), k <= 2 ? 0 : 374);
    setzeAussengroesse(this, 700, 400);
}

void TFormArchiv::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (Rollflaeche)
        Rollflaeche->setGeometry(rect());
}

Bildanzeige* TFormArchiv::Bild(int k) const
{
    switch (k) {
    case 0: return Image0;
    case 1: return Image1;
    case 2: return Image2;
    case 3: return Image3;
    case 4: return Image4;
    case 5: return Image5;
    default: return nullptr;
    }
}

// A new grid: the pictures are cleared before the pattern is deleted, which
// draws them anew.
void TFormArchiv::rasterLeeren()
{
    for (int k = 0; k <= 5; ++k) {
        Bildanzeige* b = Bild(k);
        Zeichenflaeche& f = b->flaeche();
        f.setzePinsel(Farben::Weiss);
        f.fillRect(b->rect());
        b->aktualisieren();
    }
}

// A scan begins: the pattern it scans.
void TFormArchiv::musterKopieren()
{
    Zeichenflaeche& vorschau = Image0->flaeche();
    const Zeichenflaeche& muster = m_zustand.Musterbild();
    vorschau.copyRect(QRect(QPoint(0, 0), vorschau.groesse()), muster, QRect(QPoint(0, 0), muster.groesse()));
    Image0->aktualisieren();
}

void TFormArchiv::fachZeigen(int k)
{
    const std::size_t i = std::size_t(k - 1);
    const Archivfach& fach = m_zustand.Fach(k);
    Bildanzeige* bild = Bild(k);
    const Zeichenflaeche& bildflaeche = m_zustand.Bildflaeche();
    bild->flaeche().copyRect(bild->rect(), bildflaeche, QRect(QPoint(0, 0), bildflaeche.groesse()));
    bild->aktualisieren();
    Loeschpunkte[i]->setEnabled(true);
    Ladepunkte[i]->setEnabled(true);

    const Bildinformation& info = fach.Information;
    setzeBeschriftung(LabelsSchritte[i], Statustexte::winkeltext(info.Winkelschritt) + tr(" Schritte"));
    setzeBeschriftung(LabelsFaltung[i], Statustexte::text(info.Status, 5));
    setzeBeschriftung(LabelsFilter[i], Statustexte::filtername(info.Status.Filter));
}

void TFormArchiv::fachLeeren(int k)
{
    const std::size_t i = std::size_t(k - 1);
    const ct::Simulator& m = m_zustand.Modell();
    bildrahmenZeichnen(Bild(k), m.Raster, m.Kaestchengroesse);
    Loeschpunkte[i]->setEnabled(false);
    Ladepunkte[i]->setEnabled(false);
    setzeBeschriftung(LabelsSchritte[i], QString());
    setzeBeschriftung(LabelsFaltung[i], QString());
    setzeBeschriftung(LabelsFilter[i], QString());
}

// The load mark shows the slot the simulator shows, if any.
void TFormArchiv::geladenZeigen()
{
    for (int k = 1; k <= 5; ++k)
        Ladepunkte[std::size_t(k - 1)]->setChecked(m_zustand.Archivbildnummer() == k);
}

void TFormArchiv::SchliessenClick()
{
    QWidget* simulator = Fenstersatz::simulator();
    if (simulator->isVisible())
        zeigenVorn(simulator);
    hide();
}

void TFormArchiv::contextMenuEvent(QContextMenuEvent* e)
{
    PopupMenu1->popup(e->globalPos());
    e->accept();
}

bool TFormArchiv::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(e);
        if (taste->key() == Qt::Key_S && (taste->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            e->accept();
            if (e->type() == QEvent::KeyPress)
                SchliessenClick();
            return true;
        }
    }
    return QWidget::event(e);
}
