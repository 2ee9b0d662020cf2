#include "app/HauptBlatt.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "app/Programm.h"
#include "app/Kursseite.h"
#include "app/Ueber.h"
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
#include "platform/Meldung.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"
#include "platform/Zugang.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <cmath>

namespace {
const char* const Abhilfe = QT_TRANSLATE_NOOP(
    "TFormHaupt",
    "Brechen Sie bitte an dieser Stelle ab und nehmen unter START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN");
const char* const Aenderungen = QT_TRANSLATE_NOOP("TFormHaupt", "entsprechende Änderungen vor.");
}  // namespace

TFormHaupt::TFormHaupt()
{
    setObjectName(QStringLiteral("FormHaupt"));
    setWindowTitle(tr(" Computer Tomography"));
    fensterart(this, Rahmen::Ohne, Lage::Hauptfenster);
    setzeProgrammsymbol(this);
    setFont(arial(11));

    anzeigePruefen();
    menueAnlegen();

    auto* flaeche = new QWidget(this);
    flaeche->setAutoFillBackground(true);
    QPalette pal = flaeche->palette();
    pal.setColor(QPalette::Window, Qt::white);
    flaeche->setPalette(pal);
    setCentralWidget(flaeche);
    resize(800, 600 - 18);

    SeiteZurueck = new Bildanzeige(flaeche, QStringLiteral("SeiteZurueck"));
    SeiteZurueck->setGeometry(0, 0, 90, 60);
    SeiteZurueck->setToolTip(tr("Zurück"));
    SeiteZurueck->setAccessibleName(tr("Previous page"));
    SeiteZurueck->hide();
    SeiteWeiter = new Bildanzeige(flaeche, QStringLiteral("SeiteWeiter"));
    SeiteWeiter->setGeometry(0, 0, 90, 60);
    SeiteWeiter->setToolTip(tr("Continue"));
    SeiteWeiter->setAccessibleName(tr("Next page"));
    Untergrund = new Panel(flaeche, QStringLiteral("Untergrund"), 0, 0, 620, 40);
    Untergrund->setAccessibleName(tr("Pages"));
    // Tab reads the strip as a line: back, the pages, forward.
    SeiteZurueck->setzeKnopfart();
    for (int k = 0; k < 13; ++k) {
        Panel* z = new Panel(Untergrund, QStringLiteral("Zug%1").arg(k), 8 + 47 * k, 8, 40, 25, QColor(Farben::Silber));
        z->setFont(arial(16, true));
        z->setzeKanten(Panel::Kante::Erhaben, Panel::Kante::Erhaben);
        z->setzeText(QString::number(k + 1));
        z->setzeKnopfart();
        z->setAccessibleName(tr("Page %1 of %2").arg(k + 1).arg(13));
        z->setCursor(Qt::PointingHandCursor);
        connect(z, &Panel::geklickt, this, [this, k] { ZugNeu(k); });
        Zug[std::size_t(k)] = z;
    }
    Zug[0]->setzeFarbe(QColor(Farben::Navy));
    Zug[0]->setzeTextfarbe(Qt::white);
    SeiteWeiter->setzeKnopfart();
    setTabOrder(Zug[12], SeiteWeiter);
    connect(SeiteWeiter, &Bildanzeige::geklickt, this, [this] { ZugNeu(Zustand.seite() + 1); });
    connect(SeiteZurueck, &Bildanzeige::geklickt, this, [this] { ZugNeu(Zustand.seite() - 1); });
    tastenAnlegen();

    // 1. scale to the layout
    Skalierung::fensterSkalieren(this, Layout::breite(), Layout::hoehe());
    // 2.-4. the curls and the strip at the bottom of the layout (which stands
    // centred where the screen is wider)
    const int x0 = Layout::versatz();
    SeiteWeiter->move(x0 + Layout::breite() - SeiteWeiter->width(), Layout::hoehe() - SeiteWeiter->height() - 20);
    SeiteZurueck->move(x0, Layout::hoehe() - SeiteZurueck->height() - 20);
    Untergrund->move(x0 + (Layout::breite() - Untergrund->width()) / 2,
                     Layout::hoehe() - int(std::nearbyint(Untergrund->height() * 1.8)));
    SeiteWeiter->setzeBildquelle(QStringLiteral(":/app/eselsohr.svg"));
    SeiteZurueck->setzeBildquelle(QStringLiteral(":/app/eselsohr.svg"), true);
    // 5. (the course state starts at the start window, not minimised)

    setGeometry(Bildschirm::flaeche());
}

void TFormHaupt::anzeigePruefen()
{
    const Anzeigedaten anzeige = Bildschirm::abfragen();
    if (anzeige.ppi > 96) {
        Meldung::fehler(Meldung::zeilen(
            {tr("Das Programm ist ausschließlich für normale Schriftgröße (96dpi) programmiert."), tr(Abhilfe),
             tr(Aenderungen)}));
        Programm::endeAnfordern();
    }
    if (anzeige.farbtiefe < 15) {
        const auto antwort = Meldung::bestaetigung(Meldung::zeilen(
            {tr("Das Programm ist für eine Farbtiefe von mindestens 15 bit (=32768 Farben) optimiert."),
             tr("Falls möglich brechen Sie bitte an dieser Stelle ab und nehmen unter "
                            "START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN"),
             tr(Aenderungen)}));
        if (antwort == Meldung::Antwort::Abbrechen)
            Programm::endeAnfordern();
    }
    if (anzeige.breite < 800) {
        Meldung::fehler(Meldung::zeilen(
            {tr("Das Programm ist für eine Bildschirmauflösung von mindestens 800x600 programmiert."),
             tr(Abhilfe), tr(Aenderungen)}));
        Programm::endeAnfordern();
    }
    if (anzeige.breite > 1024) {
        const auto antwort = Meldung::bestaetigung(Meldung::zeilen(
            {tr("Das Programm ist für eine Bildschirmauflösung von 800x600 und 1024x768 optimiert."),
             tr("Bei einer höheren Auflösung läuft das Programm in einem Fenster. Wenn Sie dies ändern "
                            "wollen,"),
             tr("so brechen Sie bitte an dieser Stelle ab und nehmen unter "
                            "START/EINSTELLUNGEN/SYSTEMSTEUERUNG/ANZEIGE/EINSTELLUNGEN"),
             tr(Aenderungen)}));
        if (antwort == Meldung::Antwort::Abbrechen)
            Programm::endeAnfordern();
    }
    Layout::waehlen(anzeige.breite);
}

void TFormHaupt::menueAnlegen()
{
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    leiste->setFont(arial(12));
    leiste->setFixedHeight(18);
    leiste->setStyleSheet(QStringLiteral("QMenuBar { background: #d4d0c8; border: none; }"
                                         "QMenuBar::item { padding: 1px 7px; margin: 0; }"
                                         "QMenuBar::item:selected { background: #000080; color: white; }"));
    leiste->setNativeMenuBar(false);

    const auto eintrag = [this](QMenu* menue, const QString& name, const QString& text, const QKeySequence& taste,
                                void (TFormHaupt::*handler)()) {
        QAction* a = menue->addAction(text);
        a->setObjectName(name);
        if (!taste.isEmpty()) {
            a->setShortcut(taste);
            // The pages are windows of their own: the menu's keys work from them too.
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const auto trenner = [](QMenu* menue, const QString& name) {
        QAction* a = menue->addSeparator();
        a->setObjectName(name);
        return a;
    };
    const auto zeigen = [](QWidget* fenster) { zeigenVorn(fenster); };

    Datei = leiste->addMenu(tr("&File"));
    Datei->setObjectName(QStringLiteral("Datei"));
    Neu = eintrag(Datei, QStringLiteral("Neu"), tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                  &TFormHaupt::NeuClick);
    Minimieren = eintrag(Datei, QStringLiteral("Minimieren"), tr("&Minimize"), {},
                         &TFormHaupt::MinimierenClick);
    N1 = trenner(Datei, QStringLiteral("N1"));
    Beenden = eintrag(Datei, QStringLiteral("Beenden"), tr("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_B),
                      &TFormHaupt::BeendenClick);

    Optionen = leiste->addMenu(tr("&Options"));
    Optionen->setObjectName(QStringLiteral("Optionen"));
    Demonstration1 = eintrag(Optionen, QStringLiteral("Demonstration1"), tr("Demonstration"),
                             QKeySequence(Qt::CTRL | Qt::Key_D), &TFormHaupt::Demonstration1Click);
    Lernprogramm1 = eintrag(Optionen, QStringLiteral("Lernprogramm1"), tr("Instruction"),
                            QKeySequence(Qt::CTRL | Qt::Key_L), &TFormHaupt::Lernprogramm1Click);
    auto* modus = new QActionGroup(this);
    modus->setExclusive(true);
    for (QAction* a : {Demonstration1, Lernprogramm1}) {
        a->setCheckable(true);
        modus->addAction(a);
    }
    Lernprogramm1->setChecked(true);
    // The menus follow the course state.
    connect(&Zustand, &Kurszustand::neuAngebotGeaendert, Neu, &QAction::setEnabled);
    connect(&Zustand, &Kurszustand::modiAngebotGeaendert, this, [this](bool an) {
        Demonstration1->setEnabled(an);
        Lernprogramm1->setEnabled(an);
    });
    connect(&Zustand, &Kurszustand::lernmodusGesetzt, this,
            [this](bool lernen) { (lernen ? Lernprogramm1 : Demonstration1)->setChecked(true); });

    Lexikon = leiste->addMenu(tr("&Lexicon"));
    Lexikon->setObjectName(QStringLiteral("Lexikon"));
    Roentgenstrahlung = eintrag(Lexikon, QStringLiteral("Roentgenstrahlung"), tr("&X-rays"), {}, nullptr);
    connect(Roentgenstrahlung, &QAction::triggered, this,
            [zeigen] { zeigen(FormLexikonRoentgenstrahlung); });
    LexikonComputertomograph = eintrag(Lexikon, QStringLiteral("LexikonComputertomograph"),
                                       tr("&Real Computer Tomography"), {}, nullptr);
    connect(LexikonComputertomograph, &QAction::triggered, this,
            [zeigen] { zeigen(FormLexikonComputertomograph); });
    LexikonFilter = eintrag(Lexikon, QStringLiteral("LexikonFilter"), tr("&Filters and Convolutions"), {},
                            nullptr);
    connect(LexikonFilter, &QAction::triggered, this, [zeigen] { zeigen(FormLexikonFilter); });

    Sonstiges = leiste->addMenu(tr("&?"));
    Sonstiges->setObjectName(QStringLiteral("Sonstiges"));
    Hilfe = eintrag(Sonstiges, QStringLiteral("Hilfe"), tr("&Help"), QKeySequence(Qt::Key_F1), nullptr);
    connect(Hilfe, &QAction::triggered, this, [] { FormHilfe->HilfeZeigen(TFormHilfe::Allgemein, -1); });
    N3 = trenner(Sonstiges, QStringLiteral("N3"));
    Danksagung1 = eintrag(Sonstiges, QStringLiteral("Danksagung1"), tr("&Acknowledgements"), {}, nullptr);
    connect(Danksagung1, &QAction::triggered, this, [zeigen] { zeigen(FormDanksagung); });
    Quellen = eintrag(Sonstiges, QStringLiteral("Quellen"), tr("&Sources"), {}, nullptr);
    connect(Quellen, &QAction::triggered, this, [zeigen] { zeigen(FormQuellen); });
    N2 = trenner(Sonstiges, QStringLiteral("N2"));
    Info = eintrag(Sonstiges, QStringLiteral("Info"), tr("&Info"), QKeySequence(Qt::CTRL | Qt::Key_I),
                   nullptr);
    connect(Info, &QAction::triggered, this, [zeigen] { zeigen(FormInfo); });
    N4 = trenner(Sonstiges, QStringLiteral("N4"));
    UeberQuorvel = eintrag(Sonstiges, QStringLiteral("UeberQuorvel"), Ueber::quorvelEintrag(), {}, nullptr);
    connect(UeberQuorvel, &QAction::triggered, this, [] { Ueber::quorvelZeigen(); });
    UeberQt = eintrag(Sonstiges, QStringLiteral("UeberQt"), Ueber::qtEintrag(), {}, nullptr);
    connect(UeberQt, &QAction::triggered, this, [] { Ueber::qtZeigen(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
}

void TFormHaupt::tastenAnlegen()
{
    // Page Down and Page Up (Ctrl+Right, Ctrl+Left) turn the page as the
    // curls do, from every page. While the simulator covers the window they
    // are off: there Page Up is the simulator's own "&Page back". A modal
    // dialog or panel takes them as it takes every other key.
    const auto taste = [this](const QString& name, QList<QKeySequence> tasten, bool vor) {
        auto* a = new QAction(this);
        a->setObjectName(name);
        a->setShortcuts(tasten);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, vor] { blaettern(vor); });
        addAction(a);
        return a;
    };
    Vorblaettern = taste(QStringLiteral("Vorblaettern"),
                         {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::CTRL | Qt::Key_Right)}, true);
    Zurueckblaettern = taste(QStringLiteral("Zurueckblaettern"),
                             {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::Key_Left)}, false);
}

void TFormHaupt::blaettern(bool vor)
{
    if (m_verdeckt || modalesFenster())
        return;
    const int seite = Zustand.seite();
    if (seite == Seiten::Startfenster) {
        // The start window has the forward curl only.
        if (vor && !FormAnfang->isHidden())
            FormAnfang->SeiteWeiterClick();
        return;
    }
    if (seite < 0 || seite > Seiten::LetzteKursseite)
        return;
    if (vor)
        ZugNeu(seite + 1);
    else if (!SeiteZurueck->isHidden())
        ZugNeu(seite - 1);
}

QList<QWidget*> TFormHaupt::leiste() const
{
    QList<QWidget*> folge;
    if (!SeiteZurueck->isHidden())
        folge.append(SeiteZurueck);
    for (Panel* z : Zug)
        folge.append(z);
    folge.append(SeiteWeiter);
    return folge;
}

bool TFormHaupt::leisteBetreten(bool vorwaerts)
{
    const int seite = Zustand.seite();
    if (m_verdeckt || seite < 0 || seite > Seiten::LetzteKursseite)
        return false;
    const QList<QWidget*> folge = leiste();
    (vorwaerts ? folge.first() : folge.last())->setFocus(Qt::TabFocusReason);
    return true;
}

bool TFormHaupt::focusNextPrevChild(bool next)
{
    // Within the strip, in reading order; past its ends into the page.
    const QList<QWidget*> folge = leiste();
    const qsizetype i = folge.indexOf(focusWidget());
    const int seite = Zustand.seite();
    if (i < 0 || seite < 0 || seite > Seiten::LetzteKursseite)
        return QMainWindow::focusNextPrevChild(next);
    const qsizetype j = next ? i + 1 : i - 1;
    if (j >= 0 && j < folge.size()) {
        folge[j]->setFocus(Qt::TabFocusReason);
        return true;
    }
    const QList<QWidget*> imBlatt = Zugang::tabfolge(Fenstersatz::seite(seite));
    if (imBlatt.isEmpty())
        folge[next ? 0 : folge.size() - 1]->setFocus(Qt::TabFocusReason);
    else
        (next ? imBlatt.first() : imBlatt.last())->setFocus(Qt::TabFocusReason);
    return true;
}

void TFormHaupt::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (m_ersterAuftritt && !e->spontaneous()) {
        m_ersterAuftritt = false;
        zeigenVorn(FormAnfang);
    }
}

void TFormHaupt::hilfsfensterSchliessen()
{
    for (QWidget* w : Fenstersatz::hilfsfenster())
        w->close();
}

void TFormHaupt::ZugNeu(int k)
{
    hilfsfensterSchliessen();
    for (Panel* z : Zug) {
        z->setzeFarbe(QColor(Farben::Silber));
        z->setzeTextfarbe(Qt::black);
    }
    if (k < 0 || k > Seiten::Simulator)
        return;
    if (k <= Seiten::LetzteKursseite) {
        Zug[std::size_t(k)]->setzeFarbe(QColor(Farben::Navy));
        Zug[std::size_t(k)]->setzeTextfarbe(Qt::white);
    }
    zeigenVorn(Fenstersatz::seite(k));
    FormAnfang->hide();
    for (int i = 0; i <= Seiten::LetzteKursseite; ++i)
        if (i != k)
            Fenstersatz::seite(i)->hide();
    if (k == Seiten::Simulator)
        verdecken();
    Zustand.setzeSeite(k);
    if (k == 0)
        SeiteZurueck->hide();
    else if (k <= Seiten::LetzteKursseite)
        SeiteZurueck->show();
}

Kursseite* TFormHaupt::kursseite(int k)
{
    if (k < 0 || k > Seiten::LetzteKursseite)
        return nullptr;
    return static_cast<Kursseite*>(Fenstersatz::seite(k));
}

void TFormHaupt::NeuClick()
{
    if (Kursseite* seite = kursseite(Zustand.seite()))
        seite->NeuStart();
}

void TFormHaupt::modusWaehlen(bool lernen)
{
    // The simulator has no modes: its items change nothing.
    if (Zustand.seite() == Seiten::Simulator)
        return;
    Kursseite* seite = kursseite(Zustand.seite());
    if (seite && seite->hatModi())
        seite->Modus(lernen);
    else
        Zustand.setzeLernmodus(lernen);
}

void TFormHaupt::Demonstration1Click()
{
    modusWaehlen(false);
}

void TFormHaupt::Lernprogramm1Click()
{
    modusWaehlen(true);
}

void TFormHaupt::BeendenClick()
{
    modalZeigen(FormAusstieg);
}

void TFormHaupt::MinimierenClick()
{
    Zustand.setzeMinimierung(Minimierung::Verlangt);
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void TFormHaupt::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        FormResize();
}

void TFormHaupt::FormResize()
{
    const int seite = Zustand.seite();
    if (Zustand.minimierung() == Minimierung::Verlangt && isMinimized()) {
        Zustand.setzeMinimierung(Minimierung::Minimiert);
        hilfsfensterSchliessen();
        FormAnfang->hide();
        for (int k = 0; k <= Seiten::Simulator; ++k)
            Fenstersatz::seite(k)->hide();
    } else if (Zustand.minimierung() == Minimierung::Minimiert && !isMinimized()) {
        Zustand.setzeMinimierung(Minimierung::Normal);
        setWindowState(Qt::WindowFullScreen);
        FormAnfang->setVisible(seite == Seiten::Startfenster);
        for (int k = 0; k <= Seiten::Simulator; ++k)
            Fenstersatz::seite(k)->setVisible(seite == k);
        aufdecken();
        if (seite == Seiten::Simulator)
            verdecken();
        // The keyboard goes to the window shown again.
        QWidget* vorn = seite == Seiten::Startfenster ? FormAnfang : Fenstersatz::seite(seite);
        if (vorn)
            aktivieren(vorn);
    }
}

void TFormHaupt::verdecken()
{
    // The simulator lies over the whole window then; without its menu bar the
    // main window's keys do not compete with the simulator's own.
    menuBar()->hide();
    centralWidget()->hide();
    m_verdeckt = true;
    Vorblaettern->setEnabled(false);
    Zurueckblaettern->setEnabled(false);
}

void TFormHaupt::aufdecken()
{
    menuBar()->show();
    centralWidget()->show();
    // At once, not at the next turn of the event loop: the page strip is
    // where it belongs as soon as the page is.
    if (layout())
        layout()->activate();
    m_verdeckt = false;
    Vorblaettern->setEnabled(true);
    Zurueckblaettern->setEnabled(true);
}

void TFormHaupt::closeEvent(QCloseEvent* e)
{
    // The exit dialog's "Yes" closes the main window. A close the desktop asks
    // for (its close button, Alt+F4) asks the learner first, as "Exit" does;
    // the question comes after this close, whose "Yes" must close anew.
    if (!Programmende()) {
        e->ignore();
        if (!modalesFenster())
            QTimer::singleShot(0, this, [this] {
                if (!modalesFenster() && !Programmende())
                    BeendenClick();
            });
        return;
    }
    e->accept();
    Programm::beenden();
}
