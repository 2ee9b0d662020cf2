#include "tools/Musterbibliothek.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "platform/Farbtabelle.h"
#include "sim/Blatt12.h"
#include "sim/Rasterbild.h"
#include "sim/Simulatorzustand.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The tabs of the notebook, in this order.
constexpr ct::Muster Reiter[] = {ct::Muster::Wirbelsaeule, ct::Muster::Herz, ct::Muster::Gehirn};

}  // namespace

Musterbibliothek::Musterbibliothek(const QString& name, int raster, const Abmessungen& bei800,
                                   const Abmessungen& bei1024)
    : m_zustand(Form12->Zustand), m_raster(raster)
{
    setObjectName(name);
    setWindowTitle(tr("Pattern Library"));
    fensterart(this, Rahmen::MitMinimieren, Lage::Feld);
    setFont(arial(13));
    setContextMenuPolicy(Qt::NoContextMenu);

    // The sizes and the cell size follow the layout, so that the library's
    // cells are the simulator's cells.
    const bool gross = Bildschirmbreite == 1024;
    const Abmessungen& a = gross ? bei1024 : bei800;
    m_kaestchen = a.kaestchen;
    if (gross)
        setzeAussengroesse(this, a.fenster.width(), a.fenster.height());
    else
        setzeClientgroesse(this, a.fenster.width(), a.fenster.height());

    Bilder = new QTabWidget(this);
    Bilder->setObjectName(QStringLiteral("Bilder"));
    Bilder->setGeometry(10, 9, a.notizbuch.width(), a.notizbuch.height());
    const auto seite = [this, &a](const QString& seitenname, const QString& titel, const QString& bildname) {
        auto* s = new QWidget;
        s->setObjectName(seitenname);
        Bilder->addTab(s, titel);
        auto* b = new Bildanzeige(s, bildname);
        b->setGeometry(14, 14, a.bild, a.bild);
        b->flaecheAnpassen();
        return b;
    };
    Wirbelsaeule =
        seite(QStringLiteral("TabWirbelsaeule"), tr("Wirbelsäule"), QStringLiteral("Wirbelsaeule"));
    Herz = seite(QStringLiteral("TabHerz"), tr("Herz"), QStringLiteral("Herz"));
    Gehirn = seite(QStringLiteral("TabGehirn"), tr("Gehirn"), QStringLiteral("Gehirn"));

    UebernehmenButton = knopf(this, QStringLiteral("UebernehmenButton"), tr("Select"), a.uebernehmenLinks,
                              a.knopfOben, 90, 25);
    EndeButton = knopf(this, QStringLiteral("EndeButton"), tr("Abort"), a.endeLinks, a.knopfOben, 90, 25);
    connect(UebernehmenButton, &QPushButton::clicked, this, &Musterbibliothek::UebernehmenButtonClick);
    connect(EndeButton, &QPushButton::clicked, this, &Musterbibliothek::EndeButtonClick);
    // A new grid or a scan closes the library.
    connect(&m_zustand, &Simulatorzustand::rasterEingerichtet, this, &QWidget::close);
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &QWidget::close);

    aufBildschirmZentrieren(this);
}

void Musterbibliothek::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    const ct::Simulator& m = m_zustand.Modell();
    for (auto [muster, bild] : {std::pair{ct::Muster::Wirbelsaeule, Wirbelsaeule}, std::pair{ct::Muster::Herz, Herz},
                                std::pair{ct::Muster::Gehirn, Gehirn}}) {
        rasterZeichnen(bild, m.Raster, m.Kaestchengroesse);
        musterMalen(muster, bild);
    }
}

void Musterbibliothek::Malen(Bildanzeige* bild, int x, int y)
{
    Zeichenflaeche& f = bild->flaeche();
    zelleMalen(f, Farben::Grau, x, y, m_kaestchen);
    f.setzePinsel(Farben::Weiss);
    f.setzeStift(Farben::Schwarz);
}

void Musterbibliothek::musterMalen(ct::Muster muster, Bildanzeige* bild)
{
    ct::MusterMalen(muster, m_raster, [this, bild](int x, int y) { Malen(bild, x, y); });
    bild->aktualisieren();
}

void Musterbibliothek::WirbelsaeuleMalen(Bildanzeige* bild)
{
    musterMalen(ct::Muster::Wirbelsaeule, bild);
}

void Musterbibliothek::HerzMalen(Bildanzeige* bild)
{
    musterMalen(ct::Muster::Herz, bild);
}

void Musterbibliothek::GehirnMalen(Bildanzeige* bild)
{
    musterMalen(ct::Muster::Gehirn, bild);
}

void Musterbibliothek::UebernehmenButtonClick()
{
    // The patterns fit only their own grid, and a running scan keeps its
    // pattern.
    if (m_zustand.Modell().Raster != m_raster || m_zustand.Laeuft())
        return;
    const int reiter = Bilder->currentIndex();
    if (reiter >= 0 && reiter < int(std::size(Reiter)))
        m_zustand.MusterWaehlen(Reiter[reiter]);
    close();
}

void Musterbibliothek::EndeButtonClick()
{
    close();
}
