#include "sim/Blatt12.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "core/Arithmetik.h"
#include "core/Filter.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"
#include "sim/Einstellungen.h"
#include "sim/Statusleiste.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Graucode.h"

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

constexpr QRgb Weiss = 0xFFFFFF;
constexpr QRgb Schwarz = 0x000000;
constexpr QRgb Rot = 0xFF0000;
constexpr QRgb Musterfarbe = 0x808080;
const QColor Navy(0x00, 0x00, 0x80);
const QColor Knopfflaeche(0xD4, 0xD0, 0xC8);

// The status bar's panels: width at a layout width of 800, first text.
struct Statuspanel
{
    int breite;
    const char* text;
};
constexpr Statuspanel Statuspanels[6] = {
    {110, "Picture: unnamed"}, {175, "Display: Every step"}, {90, "No progression"},
    {128, "Rotation angle: 2 degrees"}, {190, "Filter: no filter"}, {107, "No convolution"},
};

// A menu item can be used only when it and every menu above it are enabled;
// its shortcut key follows the same rule.
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
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Computer Tomography"));
    fensterart(this, Rahmen::Ohne, false);
    setFont(arial(13));
    setContextMenuPolicy(Qt::NoContextMenu);
    menueAnlegen();
    steuerelementeAnlegen();
    resize(800, 600);

    // The sine and cosine tables and the initial values are the model's own
    // from its construction; then the window takes the layout's size.
    Skalierung::fensterSkalieren(this, Bildschirmbreite, Bildschirmhoehe);
    for (int i = 0; i < StatusBar1->panelzahl(); ++i)
        StatusBar1->setzePanelbreite(i, Bildschirmbreite * Statuspanels[i].breite / 800);
    for (Bildanzeige* b : {Image1, Sichtbild, StandbildSender, StandbildEmpfaenger, FortschrittsAnzeige})
        b->flaecheAnpassen();
    // The pictures a scan redraws at every step cover their controls.
    for (Bildanzeige* b : {Sichtbild, Image3, FortschrittsAnzeige})
        b->setzeDeckend(true);
    layoutVersetzen();
    Modell.Laeuft = false;
    Modell.Winkelschritt = 2;
    Modell.Faltungsmitte = 1.0f;
    Modell.Faltungsnachbar = 2.0f;
    Modell.Faltung = false;
    Modell.FilterAktiv = false;
    Modell.Raster = 38;
    FormEinrichten();
    Modell.Zellschwaechung = 10.0f;
    Modell.Weisszahl = 0;
    knopfbilderSetzen();

    // Borderless over the whole screen, also where no window manager
    // maximises it.
    setGeometry(Bildschirm::flaeche());
    setWindowState(Qt::WindowMaximized);
}

void TForm12::layoutVersetzen()
{
    // Where the screen is wider than the layout, the layout stands centred on
    // it; the control strip runs the whole width, its controls move with the
    // layout. (The picture area follows in FormEinrichten.)
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

    Datei = menue(leiste, QStringLiteral("Datei"), QStringLiteral("&File"));
    Neu1 = eintrag(Datei, QStringLiteral("Neu1"), QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                   [this] { Neu1Click(); });
    Minimieren1 = eintrag(Datei, QStringLiteral("Minimieren1"), QStringLiteral("&Minimize"), {},
                          [this] { Minimieren1Click(); });
    Datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    Zurueck = eintrag(Datei, QStringLiteral("Zurueck"), QStringLiteral("&Page back"),
                      QKeySequence(Qt::CTRL | Qt::Key_S), [this] { ZurueckClick(); });
    Datei->addSeparator()->setObjectName(QStringLiteral("N2"));
    Beenden = eintrag(Datei, QStringLiteral("Beenden"), QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_B),
                      [this] { BeendenClick(); });

    Computertomograph = menue(leiste, QStringLiteral("Computertomograph"), QStringLiteral("Computer Tomography"));
    Einstellung = eintrag(Computertomograph, QStringLiteral("Einstellung"), QStringLiteral("&Adjustments..."),
                          QKeySequence(Qt::CTRL | Qt::Key_E), [this] { EinstellungClick(); });

    Vorlage = menue(leiste, QStringLiteral("Vorlage"), QStringLiteral("&Pattern"));
    VorlageLoeschen = eintrag(Vorlage, QStringLiteral("VorlageLoeschen"), QStringLiteral("&Delete Pattern"),
                              QKeySequence(Qt::CTRL | Qt::Key_V), [this] { VorlageLoeschenClick(); });
    Bibliothek = eintrag(Vorlage, QStringLiteral("Bibliothek"), QStringLiteral("&Library..."), {},
                         [this] { BibliothekClick(); });

    Bearbeiten = menue(leiste, QStringLiteral("Bearbeiten"), QStringLiteral("CT Pictures &process"));
    CTLoeschen = eintrag(Bearbeiten, QStringLiteral("CTLoeschen"), QStringLiteral("&Delete CT Picture"),
                         QKeySequence(Qt::CTRL | Qt::Key_L), [this] { CTLoeschenClick(); });
    Graucodezeigen = eintrag(Bearbeiten, QStringLiteral("Graucodezeigen"), QStringLiteral("&Gray Scale..."),
                             QKeySequence(Qt::CTRL | Qt::Key_G), [this] { GraucodezeigenClick(); });
    Filterzeigen = eintrag(Bearbeiten, QStringLiteral("Filterzeigen"), QStringLiteral("&Filter..."),
                           QKeySequence(Qt::CTRL | Qt::Key_F), [this] { FilterzeigenClick(); });
    Bearbeiten->setEnabled(false);

    Archiv = menue(leiste, QStringLiteral("Archiv"), QStringLiteral("&CT Picture Archive"));
    Archivzeigen = eintrag(Archiv, QStringLiteral("Archivzeigen"), QStringLiteral("&Show Archive"),
                           QKeySequence(Qt::CTRL | Qt::Key_A), [this] { ArchivzeigenClick(); });
    CTBildSpeichern = menue(Archiv, QStringLiteral("CTBildSpeichern"), QStringLiteral("CT Picutre &save as"));
    CTBildLoeschen = menue(Archiv, QStringLiteral("CTBildLoeschen"), QStringLiteral("CT Picture &delete from"));
    CTBildLaden = menue(Archiv, QStringLiteral("CTBildLaden"), QStringLiteral("CT Picture load from"));
    BildLadenGruppe = new QActionGroup(this);
    BildLadenGruppe->setExclusive(true);
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        const QString text = QStringLiteral("Picture &%1").arg(k);
        BildSpeichern[i] = eintrag(CTBildSpeichern, QStringLiteral("Bild0%1").arg(k), text, {},
                                   [k] { FormArchiv->BildSpeichern(k); });
        BildSpeichern[i]->setCheckable(true);
        BildLoeschen[i] = eintrag(CTBildLoeschen, QStringLiteral("Bild1%1").arg(k), text, {},
                                  [k] { FormArchiv->BildLoeschen(k); });
        BildLoeschen[i]->setEnabled(false);
        BildLaden[i] = eintrag(CTBildLaden, QStringLiteral("Bild2%1").arg(k), text, {},
                               [k] { FormArchiv->BildLaden(k); });
        BildLaden[i]->setCheckable(true);
        BildLaden[i]->setEnabled(false);
        BildLadenGruppe->addAction(BildLaden[i]);
    }
    CTBildSpeichern->setEnabled(false);
    CTBildLoeschen->setEnabled(false);
    CTBildLaden->setEnabled(false);

    Lexikon2 = menue(leiste, QStringLiteral("Lexikon2"), QStringLiteral("&Lexicon"));
    Roentgenstrahlung = eintrag(Lexikon2, QStringLiteral("Roentgenstrahlung"), QStringLiteral("X-rays"), {},
                                zeigen(&FormLexikonRoentgenstrahlung));
    LexikonComputertomograph1 = eintrag(Lexikon2, QStringLiteral("LexikonComputertomograph1"),
                                        QStringLiteral("&\"Real\" Computer Tomography"), {},
                                        zeigen(&FormLexikonComputertomograph));
    LexikonFilter = eintrag(Lexikon2, QStringLiteral("LexikonFilter"), QStringLiteral("&Filters and Convolutions"),
                            {}, zeigen(&FormLexikonFilter));

    Sonstiges1 = menue(leiste, QStringLiteral("Sonstiges1"), QStringLiteral("&?"));
    Hilfe = eintrag(Sonstiges1, QStringLiteral("Hilfe"), QStringLiteral("&Help"), QKeySequence(Qt::Key_F1),
                    [this] { HilfeClick(); });
    Sonstiges1->addSeparator()->setObjectName(QStringLiteral("N3"));
    Danksagung = eintrag(Sonstiges1, QStringLiteral("Danksagung"), QStringLiteral("&Acknowledgements"), {},
                         zeigen(&FormDanksagung));
    Quellen2 = eintrag(Sonstiges1, QStringLiteral("Quellen2"), QStringLiteral("&Sources"), {}, zeigen(&FormQuellen));
    Sonstiges1->addSeparator()->setObjectName(QStringLiteral("N4"));
    Info1 = eintrag(Sonstiges1, QStringLiteral("Info1"), QStringLiteral("&Info"), QKeySequence(Qt::CTRL | Qt::Key_I),
                    zeigen(&FormInfo));
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
    connect(Image2, &Bildanzeige::mausBewegt, this, &TForm12::Image2MouseMove);

    Image3 = new Bildanzeige(Panel2, QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, 229, 229);
    Label1 = bezeichnung(Panel2, QStringLiteral("Label1"), QStringLiteral("CT Picture"), 0, 0);
    FortschrittsAnzeige = new Bildanzeige(Panel2, QStringLiteral("FortschrittsAnzeige"));
    FortschrittsAnzeige->setGeometry(559, 416, 100, 50);
    FortschrittsAnzeige->hide();

    CTBedienPanel = new Panel(Panel2, QStringLiteral("CTBedienPanel"), 0, 503, 801, 81, Navy);
    CTBedienPanel->setzeKanten(Panel::Kante::Vertieft, Panel::Kante::Vertieft);
    const auto laufknopf = [this](const QString& name, const QString& text, int x) {
        auto* k = new QToolButton(CTBedienPanel);
        k->setObjectName(name);
        k->setText(text);
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k->setGeometry(x, 17, 70, 25);
        k->setEnabled(false);
        k->setFocusPolicy(Qt::NoFocus);
        return k;
    };
    StartButton = laufknopf(QStringLiteral("StartButton"), QStringLiteral("Start"), 16);
    PauseButton = laufknopf(QStringLiteral("PauseButton"), QStringLiteral("Pause"), 96);
    StopButton = laufknopf(QStringLiteral("StopButton"), QStringLiteral("Stop"), 176);
    SpeedButton = laufknopf(QStringLiteral("SpeedButton"), QStringLiteral("Speed"), 256);
    setzeTag(StartButton, 0);
    setzeTag(StopButton, 0);
    connect(StartButton, &QToolButton::clicked, this, &TForm12::StartButtonClick);
    connect(PauseButton, &QToolButton::clicked, this, &TForm12::PauseButtonClick);
    connect(StopButton, &QToolButton::clicked, this, &TForm12::StopButtonClick);
    connect(SpeedButton, &QToolButton::pressed, this, &TForm12::SpeedButtonMouseDown);
    connect(SpeedButton, &QToolButton::released, this, &TForm12::SpeedButtonMouseUp);

    Panel7 = new Panel(CTBedienPanel, QStringLiteral("Panel7"), 344, 0, 4, 58, Knopfflaeche);
    Panel7->setzeKanten(Panel::Kante::Erhaben, Panel::Kante::Keine);

    const auto befehl = [this](const QString& name, const QString& text, int x, int y, auto handler) {
        QPushButton* k = knopf(CTBedienPanel, name, text, x, y, 105, 20);
        k->setFont(arial(11));
        connect(k, &QPushButton::clicked, this, handler);
        return k;
    };
    EinstellungButton = befehl(QStringLiteral("EinstellungButton"), QStringLiteral("Adjustments..."), 356, 8,
                               &TForm12::EinstellungClick);
    BibliothekButton = befehl(QStringLiteral("BibliothekButton"), QStringLiteral("Library..."), 356, 32,
                              &TForm12::BibliothekClick);
    VorlageLoeschenButton = befehl(QStringLiteral("VorlageLoeschenButton"), QStringLiteral("Delete Pattern"), 466, 8,
                                   &TForm12::VorlageLoeschenClick);
    CTLoeschenButton = befehl(QStringLiteral("CTLoeschenButton"), QStringLiteral("Delete CT Picture"), 466, 32,
                              &TForm12::CTLoeschenClick);
    GraucodezeigenButton = befehl(QStringLiteral("GraucodezeigenButton"), QStringLiteral("Gray scale"), 577, 8,
                                  &TForm12::GraucodezeigenClick);
    FilterzeigenButton = befehl(QStringLiteral("FilterzeigenButton"), QStringLiteral("Filter..."), 577, 32,
                                &TForm12::FilterzeigenClick);
    ArchivzeigenButton = befehl(QStringLiteral("ArchivzeigenButton"), QStringLiteral("Show Archive"), 687, 8,
                                &TForm12::ArchivzeigenClick);
    ArchivbearbeitenButton = befehl(QStringLiteral("ArchivbearbeitenButton"), QStringLiteral("Archive: edit"), 687,
                                    32, &TForm12::ArchivbearbeitenButtonClick);
    for (QPushButton* k : {CTLoeschenButton, GraucodezeigenButton, FilterzeigenButton, ArchivbearbeitenButton})
        k->setEnabled(false);

    StatusBar1 = new Statusleiste(CTBedienPanel, QStringLiteral("StatusBar1"), 2, 58, 796, 20);
    StatusBar1->setFont(arial(11));
    for (const Statuspanel& p : Statuspanels)
        StatusBar1->panelAnfuegen(p.breite, QString::fromLatin1(p.text));
}

void TForm12::knopfbilderSetzen()
{
    const int seite = 16 * Bildschirmbreite / 800;
    const std::pair<QToolButton*, const char*> knoepfe[] = {
        {StartButton, ":/sim/start.svg"}, {PauseButton, ":/sim/pause.svg"},
        {StopButton, ":/sim/stop.svg"}, {SpeedButton, ":/sim/speed.svg"}};
    for (const auto& [k, pfad] : knoepfe) {
        k->setIcon(zweistufenbild(QString::fromLatin1(pfad), seite));
        k->setIconSize(QSize(seite, seite));
    }
}

// --- Layout ----------------------------------------------------------------

void TForm12::FormEinrichten()
{
    // The pattern image has room for the largest grid, n x c + 1 pixels; the
    // picture area is as large.
    const int seite = Bildschirmbreite == 800 ? 229 : 337;
    for (Bildanzeige* b : {Image2, Image3}) {
        b->resize(seite, seite);
        b->flaecheAnpassen();
    }
    Image2->move((Image1->width() - seite) / 2, (Image1->height() - seite) / 2);
    Image3->move(Bildschirm::versatz() + Bildschirm::breite() - seite - 20, Image2->y());
    Label1->move(Image3->x() + (seite - Label1->width()) / 2, Image3->y() - 50);
    FortschrittsAnzeige->move(Image3->x() + (seite - FortschrittsAnzeige->width()) / 2, FortschrittsAnzeige->y());

    // Cell size, ray count, the drawing geometry, the ray positions and a
    // fresh CT picture.
    Modell.RasterEinrichten(Modell.Raster, Bildschirmbreite, float(Image2->x() - Image1->x()),
                            float(Image2->y() - Image1->y()));
    m_umrissWinkel = -1;
    m_umrissDa = false;

    standbilderZeichnen();
    RasterZeichnen(Image2);
    BildZeichnen(Image3);
    setzeTag(StartButton, 0);
    FortschrittsAnzeige->hide();
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
    Zeichenflaeche& f = bild->flaeche();
    if (f.groesse() != bild->size())
        f.setzeGroesse(bild->width(), bild->height());
    const int c = Modell.Kaestchengroesse;
    const int nc = Modell.Raster * c;
    f.setzePinsel(Weiss);
    f.fillRect(0, 0, nc + 1, nc + 1);
    f.setzeStift(Schwarz);
    for (int i = 0; i <= Modell.Raster; ++i) {
        f.moveTo(i * c, 0);
        f.lineTo(i * c, nc + 1);
    }
    for (int i = 0; i <= Modell.Raster; ++i) {
        f.moveTo(0, i * c);
        f.lineTo(nc + 1, i * c);
    }
    bild->aktualisieren();
}

void TForm12::BildZeichnen(Bildanzeige* bild)
{
    Zeichenflaeche& f = bild->flaeche();
    if (f.groesse() != bild->size())
        f.setzeGroesse(bild->width(), bild->height());
    const int nc = Modell.Raster * Modell.Kaestchengroesse;
    f.setzeStift(Schwarz);
    f.setzePinsel(Weiss);
    f.polygon({{0, 0}, {nc, 0}, {nc, nc}, {0, nc}});
    bild->aktualisieren();
}

void TForm12::Malen(Bildanzeige* bild, QRgb farbe, int spalte, int zeile)
{
    Zeichenflaeche& f = bild->flaeche();
    const int c = Modell.Kaestchengroesse;
    f.setzeStift(farbe);
    f.setzePinsel(farbe);
    f.fillRect((spalte - 1) * c + 1, (zeile - 1) * c + 1, spalte * c, zeile * c);
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

void TForm12::GraucodeAenderung(int P, const ct::Bildfeld& bild)
{
    graustufenZeigen(ct::GraucodeAenderung(P, bild, Modell.Raster, Modell.Bildminimum, Modell.Bildmaximum));
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

void TForm12::setzeStatustext(int panel, const QString& text)
{
    StatusBar1->setzeText(panel, text);
}

// --- Drawing with the mouse --------------------------------------------------

void TForm12::Image2MouseDown(Qt::MouseButton knopf, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p)
{
    if (tag(StartButton) != 0)
        return;
    const ct::Simulator& m = Modell;
    if (!(m.RasterMin < p.x() && p.x() < m.RasterMax && m.RasterMin < p.y() && p.y() < m.RasterMax))
        return;
    const int spalte = p.x() / m.Kaestchengroesse + 1;
    const int zeile = p.y() / m.Kaestchengroesse + 1;
    if (knopf == Qt::LeftButton) {
        // (a stopped scan that still winds down enables it when it ends)
        StartButton->setEnabled(!Modell.Laeuft);
        Malen(Image2, Musterfarbe, spalte, zeile);
    } else if (knopf == Qt::RightButton) {
        Malen(Image2, Weiss, spalte, zeile);
    }
}

void TForm12::Image2MouseMove(Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint p)
{
    if (tag(StartButton) != 0)
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
}

// --- Deleting ----------------------------------------------------------------

void TForm12::CTLoeschenClick()
{
    setzeTag(StartButton, 0);
    StartButton->setEnabled(!Modell.Laeuft);
    BildZeichnen(Image3);
    Modell.CTBildLoeschen();
    FormGraucode->Schieberposition = 0;
    FormGraucode->close();
    for (QAction* a : {Graucodezeigen, Filterzeigen, CTLoeschen})
        a->setEnabled(false);
    for (QPushButton* k : {GraucodezeigenButton, FilterzeigenButton, CTLoeschenButton})
        k->setEnabled(false);
    const TFormEinstellungen* e = FormEinstellungen;
    for (QRadioButton* r : {e->Winkel1, e->Winkel2, e->Winkel10, e->Winkel45, e->Winkel90, e->Alles, e->Endergebnis,
                            e->mitFaltung, e->ohneFaltung})
        r->setEnabled(true);
    // "Every 10 steps" stays unavailable with the angle steps 45 and 90.
    e->Zwischenstufe->setEnabled(!e->Winkel45->isChecked() && !e->Winkel90->isChecked());
    FormFilter->keinFilter->setChecked(true);
    Modell.FilterAktiv = false;
    Modell.Filternummer = 0;
    Archivbildnummer = 0;
    for (QAction* a : BildLaden)
        a->setChecked(false);
    FortschrittsAnzeige->hide();
}

void TForm12::VorlageLoeschenClick()
{
    CTLoeschenClick();
    RasterZeichnen(Image2);
    Sichtbild->hide();
    StandbildSender->show();
    StandbildEmpfaenger->show();
    RasterZeichnen(FormArchiv->Image0);
    for (int k = 1; k <= 5; ++k)
        FormArchiv->BildLoeschen(k);
    setzeStatustext(0, QStringLiteral("Bild: unbenannt"));
    for (QMenu* m : {CTBildLoeschen, CTBildSpeichern, CTBildLaden, Bearbeiten})
        m->setEnabled(false);
    for (QPushButton* k : {CTLoeschenButton, GraucodezeigenButton, FilterzeigenButton, ArchivbearbeitenButton})
        k->setEnabled(false);
    StartButton->setEnabled(false);
    Modell.Weisszahl = 0;
}

// --- Settings ----------------------------------------------------------------

void TForm12::RasterAendern(int n)
{
    const QRect flaeche(0, 0, Image2->width() + 1, Image2->height() + 1);
    weissFuellen(Image2, flaeche);
    weissFuellen(Image3, flaeche);
    for (int k = 0; k <= 5; ++k)
        weissFuellen(FormArchiv->Bild(k), FormArchiv->Bild(k)->rect());
    Modell.Raster = n;
    FormEinrichten();
    VorlageLoeschenClick();
    const bool bibliothek = n == 38 || n == 56;
    Bibliothek->setEnabled(bibliothek);
    BibliothekButton->setEnabled(bibliothek);
    FormBilder38->close();
    FormBilder56->close();
}

void TForm12::EinstellungsCheck(const Bildinformation& info)
{
    setzeStatustext(0, info.Bildname);
    setzeStatustext(1, info.Darstellung);
    setzeStatustext(2, info.Verlauf);
    setzeStatustext(3, QStringLiteral("Drehwinkel: %1 Grad").arg(info.Winkelschritt));
    setzeStatustext(5, info.Faltung);

    Modell.Bildmaximum = info.Bildmaximum;
    Modell.Bildminimum = info.Bildminimum;
    FormGraucode->Schieberposition = info.Schieberposition;
    Modell.Winkelschritt = info.Winkelschritt;
    Modell.Filternummer = info.Filternummer;

    TFormEinstellungen* e = FormEinstellungen;
    if (info.Darstellung == QLatin1String("Darstellung: jeder Schritt"))
        e->Alles->setChecked(true);
    else if (info.Darstellung == QLatin1String("Darstellung: jeder 10. Schritt"))
        e->Zwischenstufe->setChecked(true);
    else
        e->Endergebnis->setChecked(true);
    (info.Verlauf == QLatin1String("mit Verlauf") ? e->mitVerlauf : e->ohneVerlauf)->setChecked(true);
    switch (info.Winkelschritt) {
    case 1: e->Winkel1->setChecked(true); break;
    case 2: e->Winkel2->setChecked(true); break;
    case 10: e->Winkel10->setChecked(true); break;
    case 45: e->Winkel45->setChecked(true); break;
    case 90: e->Winkel90->setChecked(true); break;
    default: break;
    }
    (info.Faltung == QLatin1String("mit Faltung") ? e->mitFaltung : e->ohneFaltung)->setChecked(true);
    FilterEinstellungen(info.Filternummer);
    // The restored settings are the ones in effect: the dialog compares
    // later choices with them.
    e->EinstellungUebernehmen();
}

void TForm12::FilterEinstellungen(int code)
{
    const ct::Filterangabe* filter = ct::FilterZuCode(code);
    if (!filter)
        return;
    const QString knopf = QString::fromUtf8(filter->Knopf.data(), qsizetype(filter->Knopf.size()));
    if (auto* r = FormFilter->findChild<QRadioButton*>(knopf))
        r->setChecked(true);
    setzeStatustext(4, QString::fromUtf8(filter->Statustext.data(), qsizetype(filter->Statustext.size())));
}

// --- Commands ----------------------------------------------------------------

void TForm12::Neu1Click()
{
    FormEinstellungen->Standardwerte();
}

void TForm12::Minimieren1Click()
{
    FormHaupt->show();
    FormHaupt->MinimierenClick();
}

void TForm12::ZurueckClick()
{
    FormHaupt->show();
    FormHaupt->ZugNeu(11);
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
    if (isVisible())
        activateWindow();
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
