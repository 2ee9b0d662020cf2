#include "sim/Blatt12.h"

#include "app/Ausstieg.h"
#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Ueber.h"
#include "core/Arithmetik.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"
#include "platform/Zellcursor.h"
#include "platform/Zugang.h"
#include "sim/Einstellungen.h"
#include "sim/Rasterbild.h"
#include "sim/Statusleiste.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Graucode.h"
#include "tools/Sinogrammfenster.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QToolButton>

namespace {

using Farben::Rot;
using Farben::Schwarz;
using Farben::Weiss;
// Pattern cells drawn by hand or taken from the library.
constexpr QRgb Musterfarbe = Farben::Grau;

// The widths of the status bar's panels at a layout width of 800.
constexpr int Panelbreiten[6] = {110, 175, 90, 128, 190, 107};

// A menu item can be used only when it and every menu above it are enabled;
// its shortcut key follows the same rule.
// A button that gives a menu command a second place is enabled exactly while
// the command's action is: enabling the command is one call.
void folgen(QPushButton* knopf, QAction* befehl)
{
    knopf->setEnabled(befehl->isEnabled());
    QObject::connect(befehl, &QAction::enabledChanged, knopf, &QWidget::setEnabled);
}

bool erreichbar(const QAction* a)
{
    if (!a->isEnabled())
        return false;
    for (QObject* o = a->parent(); auto* m = qobject_cast<QMenu*>(o); o = m->parent())
        if (!m->isEnabled())
            return false;
    return true;
}

// A two-state glyph: the picture is a strip of two squares, the normal
// state at the left and the disabled one at the right. It is rendered with
// as many pixels as the screen shows a square of that size with.
QIcon zweistufenbild(const QString& pfad, int seite)
{
    const qreal verhaeltnis = qApp->devicePixelRatio();
    const int pixel = verhaeltnis == 1 ? seite : (QSizeF(seite, seite) * verhaeltnis).toSize().width();
    QSvgRenderer svg(pfad);
    QImage streifen(2 * pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    streifen.fill(Qt::transparent);
    {
        QPainter maler(&streifen);
        maler.setRenderHint(QPainter::Antialiasing, true);
        svg.render(&maler);
    }
    const auto haelfte = [&](int links) {
        QPixmap p = QPixmap::fromImage(streifen.copy(links, 0, pixel, pixel));
        p.setDevicePixelRatio(verhaeltnis);
        return p;
    };
    QIcon bild;
    bild.addPixmap(haelfte(0), QIcon::Normal);
    bild.addPixmap(haelfte(pixel), QIcon::Disabled);
    return bild;
}

}  // namespace

TForm12::TForm12()
    : Modell(Zustand.Modell())
{
    fensterAnlegen(this, QStringLiteral("Form12"), tr("Computer Tomography"), Rahmen::Ohne, Lage::Flaeche);
    menueAnlegen();
    steuerelementeAnlegen();
    resize(800, 600);

    // The sine and cosine tables and the initial values are the model's and
    // the state's own from their construction; then the window takes the
    // layout's size and lays out the grid of 38 cells.
    Skalierung::fensterSkalieren(this, Layout::breite(), Layout::hoehe());
    for (int i = 0; i < StatusBar1->panelzahl(); ++i)
        StatusBar1->setzePanelbreite(i, Layout::breite() * Panelbreiten[i] / 800);
    for (Bildanzeige* b : {Image1, Sichtbild, StandbildSender, StandbildEmpfaenger, FortschrittsAnzeige})
        b->flaecheAnpassen();
    // The pictures a scan redraws at every step cover their controls.
    for (Bildanzeige* b : {Sichtbild, Image3, FortschrittsAnzeige})
        b->setzeDeckend(true);
    layoutVersetzen();
    flaechenAnordnen();
    Zustand.setzeZeichenlage(Layout::breite(), float(Image2->x() - Image1->x()), float(Image2->y() - Image1->y()));
    Zustand.setzeFlaechen(&Image2->flaeche(), &Image3->flaeche());
    zustandFolgen();
    Zustand.RasterEinrichten(38);
    knopfbilderSetzen();

    // Over the whole main window, which fills the screen.
    setGeometry(Bildschirm::flaeche());
}

void TForm12::layoutVersetzen()
{
    // Where the screen is wider than the layout, the layout stands centred on
    // it; the control strip runs the whole width, its controls move with the
    // layout. (The picture area follows in flaechenAnordnen.)
    const int x0 = Bildschirm::versatz();
    if (x0 == 0)
        return;
    Untergrund1->move(Untergrund1->x() + x0, Untergrund1->y());
    for (QObject* o : CTBedienPanel->children())
        if (auto* w = qobject_cast<QWidget*>(o))
            w->move(w->x() + x0, w->y());
    CTBedienPanel->resize(CTBedienPanel->width() + Bildschirm::flaeche().width() - Bildschirm::breite(),
                          CTBedienPanel->height());
}

void TForm12::menueAnlegen()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    leiste->setNativeMenuBar(false);
    leiste->setFont(arial(12));
    leiste->setFixedHeight(18);
    leiste->setStyleSheet(QStringLiteral("QMenuBar { background: #d4d0c8; border: none; }"
                                         "QMenuBar::item { padding: 1px 7px; margin: 0; }"
                                         "QMenuBar::item:selected { background: #000080; color: white; }"
                                         "QMenuBar::item:disabled { color: #808080; }"));

    const auto menue = [leiste](QWidget* ueber, const QString& name, const QString& titel) {
        QMenu* m = nullptr;
        if (auto* obermenue = qobject_cast<QMenu*>(ueber))
            m = obermenue->addMenu(titel);
        else
            m = leiste->addMenu(titel);
        m->setObjectName(name);
        return m;
    };
    // The simulator stands alone while it is shown: its keys work from every
    // window of the program then, and not at all while it is hidden.
    const auto eintrag = [this](QMenu* m, const QString& name, const QString& text, const QKeySequence& taste,
                                auto handler) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        if (!taste.isEmpty()) {
            a->setShortcut(taste);
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        connect(a, &QAction::triggered, this, [a, handler] {
            if (erreichbar(a))
                handler();
        });
        return a;
    };
    const auto zeigen = [](auto* fenster) { return [fenster] { zeigenVorn(*fenster); }; };

    Datei = menue(leiste, QStringLiteral("Datei"), tr("&File"));
    Neu1 = eintrag(Datei, QStringLiteral("Neu1"), tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                   [this] { Neu1Click(); });
    Minimieren1 = eintrag(Datei, QStringLiteral("Minimieren1"), tr("&Minimize"), {},
                          [this] { Minimieren1Click(); });
    Datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    Zurueck = eintrag(Datei, QStringLiteral("Zurueck"), tr("&Page back"),
                      QKeySequence(Qt::CTRL | Qt::Key_S), [this] { ZurueckClick(); });
    // Page Up and Ctrl+Left as on the course pages (the menu shows the first key).
    Zurueck->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_PageUp),
                           QKeySequence(Qt::CTRL | Qt::Key_Left)});
    Datei->addSeparator()->setObjectName(QStringLiteral("N2"));
    Beenden = eintrag(Datei, QStringLiteral("Beenden"), tr("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_B),
                      [this] { BeendenClick(); });

    Computertomograph = menue(leiste, QStringLiteral("Computertomograph"), tr("Computer Tomography"));
    Einstellung = eintrag(Computertomograph, QStringLiteral("Einstellung"), tr("&Adjustments..."),
                          QKeySequence(Qt::CTRL | Qt::Key_E), [this] { EinstellungClick(); });
    Computertomograph->addSeparator()->setObjectName(QStringLiteral("N5"));
    Sinogrammzeigen = eintrag(Computertomograph, QStringLiteral("Sinogrammzeigen"), tr("&Sinogram..."),
                              QKeySequence(Qt::CTRL | Qt::Key_M), zeigen(&FormSinogramm));

    Vorlage = menue(leiste, QStringLiteral("Vorlage"), tr("&Pattern"));
    VorlageLoeschen = eintrag(Vorlage, QStringLiteral("VorlageLoeschen"), tr("&Delete Pattern"),
                              QKeySequence(Qt::CTRL | Qt::Key_V), [this] { VorlageLoeschenClick(); });
    Bibliothek = eintrag(Vorlage, QStringLiteral("Bibliothek"), tr("&Library..."), {},
                         [this] { BibliothekClick(); });

    Bearbeiten = menue(leiste, QStringLiteral("Bearbeiten"), tr("CT Pictures &process"));
    CTLoeschen = eintrag(Bearbeiten, QStringLiteral("CTLoeschen"), tr("&Delete CT Picture"),
                         QKeySequence(Qt::CTRL | Qt::Key_L), [this] { CTLoeschenClick(); });
    Graucodezeigen = eintrag(Bearbeiten, QStringLiteral("Graucodezeigen"), tr("&Gray Scale..."),
                             QKeySequence(Qt::CTRL | Qt::Key_G), [this] { GraucodezeigenClick(); });
    Filterzeigen = eintrag(Bearbeiten, QStringLiteral("Filterzeigen"), tr("&Filter..."),
                           QKeySequence(Qt::CTRL | Qt::Key_F), [this] { FilterzeigenClick(); });
    Bearbeiten->setEnabled(false);

    Archiv = menue(leiste, QStringLiteral("Archiv"), tr("&CT Picture Archive"));
    Archivzeigen = eintrag(Archiv, QStringLiteral("Archivzeigen"), tr("&Show Archive"),
                           QKeySequence(Qt::CTRL | Qt::Key_A), [this] { ArchivzeigenClick(); });
    CTBildSpeichern = menue(Archiv, QStringLiteral("CTBildSpeichern"), tr("CT Picutre &save as"));
    CTBildLoeschen = menue(Archiv, QStringLiteral("CTBildLoeschen"), tr("CT Picture &delete from"));
    CTBildLaden = menue(Archiv, QStringLiteral("CTBildLaden"), tr("CT Picture load from"));
    BildLadenGruppe = new QActionGroup(this);
    BildLadenGruppe->setExclusive(true);
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        const QString text = tr("Picture &%1").arg(k);
        BildSpeichern[i] = eintrag(CTBildSpeichern, QStringLiteral("Bild0%1").arg(k), text, {},
                                   [this, k] { Zustand.FachSpeichern(k); });
        BildSpeichern[i]->setCheckable(true);
        BildLoeschen[i] = eintrag(CTBildLoeschen, QStringLiteral("Bild1%1").arg(k), text, {},
                                  [this, k] { Zustand.FachLoeschen(k); });
        BildLoeschen[i]->setEnabled(false);
        BildLaden[i] = eintrag(CTBildLaden, QStringLiteral("Bild2%1").arg(k), text, {},
                               [this, k] { Zustand.FachLaden(k); });
        BildLaden[i]->setCheckable(true);
        BildLaden[i]->setEnabled(false);
        BildLadenGruppe->addAction(BildLaden[i]);
    }
    CTBildSpeichern->setEnabled(false);
    CTBildLoeschen->setEnabled(false);
    CTBildLaden->setEnabled(false);

    Lexikon2 = menue(leiste, QStringLiteral("Lexikon2"), tr("&Lexicon"));
    Roentgenstrahlung = eintrag(Lexikon2, QStringLiteral("Roentgenstrahlung"), tr("X-rays"), {},
                                zeigen(&FormLexikonRoentgenstrahlung));
    LexikonComputertomograph1 = eintrag(Lexikon2, QStringLiteral("LexikonComputertomograph1"),
                                        tr("&\"Real\" Computer Tomography"), {},
                                        zeigen(&FormLexikonComputertomograph));
    LexikonFilter = eintrag(Lexikon2, QStringLiteral("LexikonFilter"), tr("&Filters and Convolutions"),
                            {}, zeigen(&FormLexikonFilter));

    Sonstiges1 = menue(leiste, QStringLiteral("Sonstiges1"), tr("&?"));
    Hilfe = eintrag(Sonstiges1, QStringLiteral("Hilfe"), tr("&Help"), QKeySequence(Qt::Key_F1),
                    [this] { HilfeClick(); });
    Sonstiges1->addSeparator()->setObjectName(QStringLiteral("N3"));
    Danksagung = eintrag(Sonstiges1, QStringLiteral("Danksagung"), tr("&Acknowledgements"), {},
                         zeigen(&FormDanksagung));
    Quellen2 = eintrag(Sonstiges1, QStringLiteral("Quellen2"), tr("&Sources"), {}, zeigen(&FormQuellen));
    Sonstiges1->addSeparator()->setObjectName(QStringLiteral("N4"));
    Info1 = eintrag(Sonstiges1, QStringLiteral("Info1"), tr("&Info"), QKeySequence(Qt::CTRL | Qt::Key_I),
                    zeigen(&FormInfo));
    Sonstiges1->addSeparator()->setObjectName(QStringLiteral("N6"));
    UeberQuorvel = eintrag(Sonstiges1, QStringLiteral("UeberQuorvel"), Ueber::quorvelEintrag(), {},
                           [] { Ueber::quorvelZeigen(); });
    UeberQt = eintrag(Sonstiges1, QStringLiteral("UeberQt"), Ueber::qtEintrag(), {}, [] { Ueber::qtZeigen(); });
}

void TForm12::steuerelementeAnlegen()
{
    Panel2 = new Panel(this, QStringLiteral("Panel2"), 0, 0, 800, 582);
    setCentralWidget(Panel2);

    Untergrund1 = new Panel(Panel2, QStringLiteral("Untergrund1"), 0, 0, 505, 513);
    Image1 = new Bildanzeige(Untergrund1, QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 485, 485);
    Image1->hide();
    Image2 = new Bildanzeige(Untergrund1, QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, 229, 229);
    StandbildSender = new Bildanzeige(Untergrund1, QStringLiteral("StandbildSender"));
    StandbildSender->setGeometry(0, 0, 105, 497);
    StandbildEmpfaenger = new Bildanzeige(Untergrund1, QStringLiteral("StandbildEmpfaenger"));
    StandbildEmpfaenger->setGeometry(306, 0, 104, 497);
    Sichtbild = new Bildanzeige(Untergrund1, QStringLiteral("Sichtbild"));
    Sichtbild->setGeometry(0, 0, 505, 497);
    Sichtbild->hide();
    connect(Image2, &Bildanzeige::mausGedrueckt, this, &TForm12::Image2MouseDown);
    // The keyboard paints through the mouse's handler, with its rules.
    Rastercursor = new Zellcursor(Image2);
    connect(Rastercursor, &Zellcursor::gedrueckt, this,
            [this](Qt::MouseButton knopf, QPoint p) { Image2MouseDown(knopf, knopf, Qt::NoModifier, p); });
    Image2->setAccessibleName(tr("Pattern grid"));
    Image1->setAccessibleName(tr("Scan drawing"));
    StandbildSender->setAccessibleName(tr("X-ray source"));
    StandbildEmpfaenger->setAccessibleName(tr("Detector"));
    Sichtbild->setAccessibleName(tr("Scan area"));
    connect(Image2, &Bildanzeige::mausBewegt, this, &TForm12::Image2MouseMove);

    Image3 = new Bildanzeige(Panel2, QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 229, 229);
    Image3->setAccessibleName(tr("CT picture"));
    Label1 = bezeichnung(Panel2, QStringLiteral("Label1"), tr("CT Picture"), 0, 0);
    FortschrittsAnzeige = new Bildanzeige(Panel2, QStringLiteral("FortschrittsAnzeige"));
    FortschrittsAnzeige->setAccessibleName(tr("Scan progress"));
    FortschrittsAnzeige->setGeometry(559, 416, 100, 50);
    FortschrittsAnzeige->hide();

    CTBedienPanel = new Panel(Panel2, QStringLiteral("CTBedienPanel"), 0, 503, 801, 81, QColor(Farben::Navy));
    CTBedienPanel->setzeKanten(Panel::Kante::Vertieft, Panel::Kante::Vertieft);
    // The run buttons take the keyboard with Tab only: a click leaves it
    // where it was.
    const auto laufknopf = [this](const QString& name, const QString& text, const QString& zweck, int x) {
        auto* k = new QToolButton(CTBedienPanel);
        k->setObjectName(name);
        k->setText(text);
        k->setAccessibleName(zweck);
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k->setGeometry(x, 17, 70, 25);
        k->setEnabled(false);
        k->setFocusPolicy(Qt::TabFocus);
        return k;
    };
    StartButton = laufknopf(QStringLiteral("StartButton"), tr("Start"), tr("Start the scan"), 16);
    PauseButton = laufknopf(QStringLiteral("PauseButton"), tr("Pause"), tr("Pause the scan"), 96);
    StopButton = laufknopf(QStringLiteral("StopButton"), tr("Stop"), tr("Stop the scan"), 176);
    SpeedButton = laufknopf(QStringLiteral("SpeedButton"), tr("Speed"), tr("Speed up the scan while held"), 256);
    connect(StartButton, &QToolButton::clicked, this, &TForm12::StartButtonClick);
    connect(PauseButton, &QToolButton::clicked, this, &TForm12::PauseButtonClick);
    connect(StopButton, &QToolButton::clicked, this, &TForm12::StopButtonClick);
    connect(SpeedButton, &QToolButton::pressed, this, &TForm12::SpeedButtonMouseDown);
    connect(SpeedButton, &QToolButton::released, this, &TForm12::SpeedButtonMouseUp);

    Panel7 = new Panel(CTBedienPanel, QStringLiteral("Panel7"), 344, 0, 4, 58, QColor(Farben::Knopfflaeche));
    Panel7->setzeKanten(Panel::Kante::Erhaben, Panel::Kante::Keine);

    const auto befehl = [this](const QString& name, const QString& text, int x, int y, auto handler) {
        QPushButton* k = knopf(CTBedienPanel, name, text, x, y, 105, 20);
        k->setFont(arial(11));
        connect(k, &QPushButton::clicked, this, handler);
        return k;
    };
    EinstellungButton = befehl(QStringLiteral("EinstellungButton"), tr("Adjustments..."), 356, 8,
                               &TForm12::EinstellungClick);
    BibliothekButton = befehl(QStringLiteral("BibliothekButton"), tr("Library..."), 356, 32,
                              &TForm12::BibliothekClick);
    VorlageLoeschenButton = befehl(QStringLiteral("VorlageLoeschenButton"), tr("Delete Pattern"), 466, 8,
                                   &TForm12::VorlageLoeschenClick);
    CTLoeschenButton = befehl(QStringLiteral("CTLoeschenButton"), tr("Delete CT Picture"), 466, 32,
                              &TForm12::CTLoeschenClick);
    GraucodezeigenButton = befehl(QStringLiteral("GraucodezeigenButton"), tr("Gray scale"), 577, 8,
                                  &TForm12::GraucodezeigenClick);
    FilterzeigenButton = befehl(QStringLiteral("FilterzeigenButton"), tr("Filter..."), 577, 32,
                                &TForm12::FilterzeigenClick);
    ArchivzeigenButton = befehl(QStringLiteral("ArchivzeigenButton"), tr("Show Archive"), 687, 8,
                                &TForm12::ArchivzeigenClick);
    ArchivbearbeitenButton = befehl(QStringLiteral("ArchivbearbeitenButton"), tr("Archive: edit"), 687,
                                    32, &TForm12::ArchivbearbeitenButtonClick);
    for (QPushButton* k : {CTLoeschenButton, GraucodezeigenButton, ArchivbearbeitenButton})
        k->setEnabled(false);
    // Tab goes through the commands first (the simulator opens with the
    // keyboard on "Adjustments..."), then to the pattern grid and the run
    // buttons that follow from it.
    setTabOrder(ArchivbearbeitenButton, Image2);
    setTabOrder(Image2, StartButton);
    setTabOrder(StartButton, PauseButton);
    setTabOrder(PauseButton, StopButton);
    setTabOrder(StopButton, SpeedButton);
    // (its menu is off as well until there is a picture)
    Filterzeigen->setEnabled(false);
    for (const auto& [k, a] : {std::pair{EinstellungButton, Einstellung}, std::pair{BibliothekButton, Bibliothek},
                               std::pair{VorlageLoeschenButton, VorlageLoeschen},
                               std::pair{FilterzeigenButton, Filterzeigen},
                               std::pair{ArchivzeigenButton, Archivzeigen}})
        folgen(k, a);

    StatusBar1 = new Statusleiste(CTBedienPanel, QStringLiteral("StatusBar1"), 2, 58, 796, 20);
    StatusBar1->setFont(arial(11));
    StatusBar1->setAccessibleName(tr("Status bar"));
    // The panels begin with their first texts.
    for (int i = 0; i < Statustexte::Panelzahl; ++i)
        StatusBar1->panelAnfuegen(Panelbreiten[i], Zustand.Statustext(i));
}

void TForm12::knopfbilderSetzen()
{
    const int seite = 16 * Layout::breite() / 800;
    const std::pair<QToolButton*, const char*> knoepfe[] = {
        {StartButton, ":/sim/start.svg"}, {PauseButton, ":/sim/pause.svg"},
        {StopButton, ":/sim/stop.svg"}, {SpeedButton, ":/sim/speed.svg"}};
    for (const auto& [k, pfad] : knoepfe) {
        k->setIcon(zweistufenbild(QString::fromLatin1(pfad), seite));
        k->setIconSize(QSize(seite, seite));
    }
}

// --- Following the state ------------------------------------------------------

// The simulator's own controls follow first: it connects before any other
// window exists.
void TForm12::zustandFolgen()
{
    const Simulatorzustand* z = &Zustand;
    connect(z, &Simulatorzustand::rasterEingerichtet, this, &TForm12::FormEinrichten);
    connect(z, &Simulatorzustand::ctBildGeloescht, this, &TForm12::aufCTBildGeloescht);
    connect(z, &Simulatorzustand::vorlageGeloescht, this, &TForm12::aufVorlageGeloescht);
    connect(z, &Simulatorzustand::musterUebernommen, this, &TForm12::aufMusterUebernommen);
    connect(z, &Simulatorzustand::bildGefaerbt, this, &TForm12::graustufenZeigen);
    connect(z, &Simulatorzustand::bildHergestellt, this, &TForm12::aufBildHergestellt);
    connect(z, &Simulatorzustand::statusGeaendert, this,
            [this](int panel) { StatusBar1->setzeText(panel, Zustand.Statustext(panel)); });
    connect(z, &Simulatorzustand::fachGespeichert, this, &TForm12::aufFachGespeichert);
    connect(z, &Simulatorzustand::fachGeloescht, this, &TForm12::aufFachGeloescht);
    connect(z, &Simulatorzustand::fachGeladen, this, &TForm12::aufFachGeladen);
    for (auto signal : {&Simulatorzustand::musterGeaendert, &Simulatorzustand::vorlageGeloescht})
        connect(z, signal, this, &TForm12::musterBeschreiben);
    connect(z, &Simulatorzustand::musterUebernommen, this, &TForm12::musterBeschreiben);
    connect(z, &Simulatorzustand::scanBeendet, this, [this](bool gestoppt) {
        Zugang::ansagen(StatusBar1, gestoppt ? tr("Scan stopped") : tr("Scan finished"));
    });
}

void TForm12::musterBeschreiben()
{
    const int n = Modell.Raster;
    const int c = Modell.Kaestchengroesse;
    int gemalt = 0;
    for (int zeile = 0; zeile < n; ++zeile)
        for (int spalte = 0; spalte < n; ++spalte)
            gemalt += (Image2->flaeche().pixel(spalte * c + c / 2, zeile * c + c / 2) & 0xFFFFFFu) != 0xFFFFFFu;
    Image2->setAccessibleDescription(tr("Pattern grid, %1 by %1 cells, %2 cells drawn").arg(n).arg(gemalt));
}

// Deleting the CT picture: a scan can start again (once a running one has
// wound down), an empty picture frame, the CT-picture tools off, no slot
// loaded, no progress display.
void TForm12::aufCTBildGeloescht()
{
    StartButton->setEnabled(!Zustand.Laeuft());
    BildZeichnen(Image3);
    for (QAction* a : {Graucodezeigen, Filterzeigen, CTLoeschen})
        a->setEnabled(false);
    for (QPushButton* k : {GraucodezeigenButton, CTLoeschenButton})
        k->setEnabled(false);
    for (QAction* a : BildLaden)
        a->setChecked(false);
    FortschrittsAnzeige->hide();
}

// Deleting the pattern: a fresh grid, the still pictures, and nothing to
// scan or archive until a cell is painted.
void TForm12::aufVorlageGeloescht()
{
    RasterZeichnen(Image2);
    Sichtbild->hide();
    StandbildSender->show();
    StandbildEmpfaenger->show();
    for (QMenu* m : {CTBildLoeschen, CTBildSpeichern, CTBildLaden, Bearbeiten})
        m->setEnabled(false);
    for (QPushButton* k : {CTLoeschenButton, GraucodezeigenButton, ArchivbearbeitenButton})
        k->setEnabled(false);
    Filterzeigen->setEnabled(false);
    StartButton->setEnabled(false);
}

// A library pattern on a fresh grid, ready to scan.
void TForm12::aufMusterUebernommen(ct::Muster muster)
{
    StartButton->setEnabled(true);
    RasterZeichnen(Image2);
    Zeichenflaeche& f = Image2->flaeche();
    const int c = Modell.Kaestchengroesse;
    ct::MusterMalen(muster, Modell.Raster, [&f, c](int x, int y) { zelleMalen(f, Musterfarbe, x, y, c); });
    f.setzePinsel(Weiss);
    f.setzeStift(Schwarz);
    Image2->aktualisieren();
}

void TForm12::aufBildHergestellt(const QImage& bild)
{
    Image3->flaeche().copyRect(Image3->rect(), bild, bild.rect());
    Image3->aktualisieren();
}

void TForm12::aufFachGespeichert(int k)
{
    const std::size_t i = std::size_t(k - 1);
    BildSpeichern[i]->setChecked(true);
    BildLoeschen[i]->setEnabled(true);
    BildLaden[i]->setEnabled(true);
}

void TForm12::aufFachGeloescht(int k)
{
    const std::size_t i = std::size_t(k - 1);
    BildSpeichern[i]->setChecked(false);
    BildLoeschen[i]->setEnabled(false);
    BildLaden[i]->setEnabled(false);
}

// A loaded picture: no scan until it is deleted; it can be deleted, windowed
// and filtered as after a scan.
void TForm12::aufFachGeladen(int k)
{
    StartButton->setEnabled(false);
    CTLoeschenButton->setEnabled(true);
    Graucodezeigen->setEnabled(true);
    GraucodezeigenButton->setEnabled(true);
    Filterzeigen->setEnabled(true);
    BildLaden[std::size_t(k - 1)]->setChecked(true);
}

// --- Layout ----------------------------------------------------------------

void TForm12::flaechenAnordnen()
{
    // The pattern image has room for the largest grid, n x c + 1 pixels; the
    // picture area is as large.
    const int seite = Layout::breite() == 800 ? 229 : 337;
    for (Bildanzeige* b : {Image2, Image3}) {
        b->resize(seite, seite);
        b->flaecheAnpassen();
    }
    Image2->move((Image1->width() - seite) / 2, (Image1->height() - seite) / 2);
    Image3->move(Bildschirm::versatz() + Bildschirm::breite() - seite - 20, Image2->y());
    Label1->move(Image3->x() + (seite - Label1->width()) / 2, Image3->y() - 50);
    FortschrittsAnzeige->move(Image3->x() + (seite - FortschrittsAnzeige->width()) / 2, FortschrittsAnzeige->y());
}

void TForm12::FormEinrichten()
{
    // A smaller grid leaves nothing of a larger one.
    const QRect flaeche(0, 0, Image2->width() + 1, Image2->height() + 1);
    weissFuellen(Image2, flaeche);
    weissFuellen(Image3, flaeche);
    m_umrissWinkel = -1;
    m_umrissDa = false;

    standbilderZeichnen();
    RasterZeichnen(Image2);
    BildZeichnen(Image3);
    FortschrittsAnzeige->hide();
    Bibliothek->setEnabled(bibliothekDa());
    Rastercursor->setzeRaster(Modell.Raster, Modell.Kaestchengroesse);
    musterBeschreiben();
}

bool TForm12::bibliothekDa() const
{
    // The pattern library has patterns for the grids of 38 and 56 cells only.
    return Modell.Raster == 38 || Modell.Raster == 56;
}

void TForm12::standbilderZeichnen()
{
    weissFuellen(StandbildSender, StandbildSender->rect());
    weissFuellen(StandbildEmpfaenger, StandbildEmpfaenger->rect());
    StandbildEmpfaenger->move(int(ct::Runden(Modell.DetektorKante())), StandbildEmpfaenger->y());
    Viereck(Rot, Schwarz, Modell.CTUmrisse(0).Sender, StandbildSender);
    const int t = int(Modell.Balkendicke);
    const int oben = int(ct::Runden(Modell.BalkenOben()));
    const int unten = int(ct::Runden(Modell.BalkenUnten()));
    Viereck(Weiss, Schwarz, ct::Viereck{{{0, oben}, {t, oben}, {t, unten}, {0, unten}}}, StandbildEmpfaenger);
}

void TForm12::RasterZeichnen(Bildanzeige* bild)
{
    rasterZeichnen(bild, Modell.Raster, Modell.Kaestchengroesse);
}

void TForm12::BildZeichnen(Bildanzeige* bild)
{
    bildrahmenZeichnen(bild, Modell.Raster, Modell.Kaestchengroesse);
}

void TForm12::Malen(Bildanzeige* bild, QRgb farbe, int spalte, int zeile)
{
    zelleMalen(bild->flaeche(), farbe, spalte, zeile, Modell.Kaestchengroesse);
    bild->aktualisieren();
}

void TForm12::KaestchenFaerben(int x, int y, QRgb farbe)
{
    Zeichenflaeche& f = Image3->flaeche();
    const int c = Modell.Kaestchengroesse;
    f.setzeStift(farbe);
    f.setzePinsel(farbe);
    f.fillRect((x - 1) * c, (y - 1) * c, x * c, y * c);
    f.setzePinsel(Weiss);
}

void TForm12::Viereck(QRgb pinsel, QRgb stift, const ct::Viereck& ecken, Bildanzeige* bild)
{
    Zeichenflaeche& f = bild->flaeche();
    f.setzePinsel(pinsel);
    f.setzeStift(stift);
    std::vector<QPoint> punkte;
    QRect umfang;
    for (const ct::Punkt& p : ecken) {
        punkte.emplace_back(p.x, p.y);
        umfang |= QRect(p.x, p.y, 1, 1);
    }
    f.polygon(punkte);
    if (bild == Image1)
        m_schmutz.push_back(umfang);
    f.setzePinsel(Weiss);
    f.setzeStift(Schwarz);
    bild->aktualisieren();
}

void TForm12::graustufenZeigen(const ct::Graufeld& stufen)
{
    const int n = Modell.Raster;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x)
            KaestchenFaerben(x, y, qRgb(stufen(x, y), stufen(x, y), stufen(x, y)));
    const int nc = n * Modell.Kaestchengroesse;
    Zeichenflaeche& f = Image3->flaeche();
    f.setzeStift(Schwarz);
    f.polyline({{0, 0}, {nc, 0}, {nc, nc}, {0, nc}, {0, 0}});
    f.setzePinsel(Weiss);
    Image3->aktualisieren();
}

QRect TForm12::musterRechteck() const
{
    return QRect(Image2->x() - Image1->x(), Image2->y() - Image1->y(), Image2->width(), Image2->height());
}

QRect TForm12::zeichenRechteck() const
{
    return QRect(0, 0, Image1->width(), Image1->height());
}

void TForm12::musterAufSichtbild()
{
    Sichtbild->flaeche().copyRectAnd(musterRechteck(), Image2->flaeche(), Image2->rect());
    Sichtbild->aktualisieren();
}

void TForm12::weissFuellen(Bildanzeige* bild, const QRect& r)
{
    Zeichenflaeche& f = bild->flaeche();
    f.setzePinsel(Weiss);
    f.fillRect(r);
    bild->aktualisieren();
}

QString TForm12::Statustext(int panel) const
{
    return StatusBar1->text(panel);
}

// --- Drawing with the mouse --------------------------------------------------

void TForm12::Image2MouseDown(Qt::MouseButton knopf, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p)
{
    if (Zustand.StartGesperrt())
        return;
    const ct::Simulator& m = Modell;
    if (!(m.RasterMin < p.x() && p.x() < m.RasterMax && m.RasterMin < p.y() && p.y() < m.RasterMax))
        return;
    const int spalte = p.x() / m.Kaestchengroesse + 1;
    const int zeile = p.y() / m.Kaestchengroesse + 1;
    if (knopf == Qt::LeftButton) {
        // (a stopped scan that still winds down enables it when it ends)
        StartButton->setEnabled(!Zustand.Laeuft());
        Malen(Image2, Musterfarbe, spalte, zeile);
        Zustand.MusterGemalt();
    } else if (knopf == Qt::RightButton) {
        Malen(Image2, Weiss, spalte, zeile);
        Zustand.MusterGemalt();
    }
}

void TForm12::Image2MouseMove(Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint p)
{
    if (Zustand.StartGesperrt())
        return;
    // Exactly one mouse button and no key.
    if (tasten & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    QRgb farbe;
    if (gehalten == Qt::LeftButton)
        farbe = Musterfarbe;
    else if (gehalten == Qt::RightButton)
        farbe = Weiss;
    else
        return;
    const ct::Simulator& m = Modell;
    if (!(m.RasterMin < p.x() && p.x() < m.RasterMax && m.RasterMin < p.y() && p.y() < m.RasterMax))
        return;
    Malen(Image2, farbe, p.x() / m.Kaestchengroesse + 1, p.y() / m.Kaestchengroesse + 1);
    Zustand.MusterGemalt();
}

// --- Deleting ----------------------------------------------------------------

void TForm12::CTLoeschenClick()
{
    Zustand.CTBildLoeschen();
}

void TForm12::VorlageLoeschenClick()
{
    Zustand.VorlageLoeschen();
}

// --- Commands ----------------------------------------------------------------

void TForm12::Neu1Click()
{
    Zustand.Standardwerte();
}

void TForm12::Minimieren1Click()
{
    FormHaupt->aufdecken();
    FormHaupt->MinimierenClick();
}

void TForm12::ZurueckClick()
{
    FormHaupt->aufdecken();
    FormHaupt->ZugNeu(Seiten::LetzteKursseite);
    FormHaupt->SeiteZurueck->show();
    hide();
}

void TForm12::BeendenClick()
{
    FormHaupt->BeendenClick();
    wiederAktivieren();
}

void TForm12::wiederAktivieren()
{
    aktivieren(this);
}

void TForm12::closeEvent(QCloseEvent* e)
{
    // The simulator is left through its menu. A close asked for by the
    // desktop would leave the program running without any window.
    if (Programmende())
        e->accept();
    else
        e->ignore();
}

void TForm12::EinstellungClick()
{
    zeigenVorn(FormEinstellungen);
}

void TForm12::BibliothekClick()
{
    // The library whose patterns fit the grid in use.
    if (Modell.Raster == 38)
        zeigenVorn(FormBilder38);
    else
        zeigenVorn(FormBilder56);
}

void TForm12::GraucodezeigenClick()
{
    zeigenVorn(FormGraucode);
}

void TForm12::FilterzeigenClick()
{
    zeigenVorn(FormFilter);
}

void TForm12::ArchivzeigenClick()
{
    FormGraucode->close();
    zeigenVorn(FormArchiv);
}

void TForm12::ArchivbearbeitenButtonClick()
{
    zeigenVorn(FormArchivbearbeiten);
}

void TForm12::HilfeClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 1);
}
