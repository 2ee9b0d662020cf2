// Measures the program's resident memory: after the start, and after a walk
// through everything a learner can open (every page, every reference window,
// the simulator with a 56 x 56 scan, the libraries and every tool window).
// Prints the figures; asserts nothing.
//
//   messung_speicher [breite|WxH]
//
// 800 or 1024: that layout, pretended as in the window tests. WxH: the
// program's own start-up on a screen of that many device pixels (the
// offscreen platform pretends the screen; under xcb the display must have
// that size).
#include "support/Testumgebung.h"
#include "sim/Simhilfe.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "platform/Einpassung.h"
#include "platform/Layout.h"
#include "platform/Pause.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <cstdio>

namespace {

// A line of /proc/self/status in megabytes.
double megabyte(const QByteArray& schluessel)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith(schluessel + ':'))
            return zeile.mid(schluessel.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void drucken(const char* wann)
{
    pause(100);
    std::printf("%-40s resident %6.1f MB (anonymous %6.1f, shared %5.1f, files %5.1f), peak %6.1f MB\n", wann,
                megabyte("VmRSS"), megabyte("RssAnon"), megabyte("RssShmem"), megabyte("RssFile"),
                megabyte("VmHWM"));
}

void zeigen(QWidget* w)
{
    w->show();
    pause(30);
    w->hide();
}

void reiter(QWidget* w, QTabWidget* buch)
{
    w->show();
    for (int i = 0; i < buch->count(); ++i) {
        buch->setCurrentIndex(i);
        pause(30);
    }
    buch->setCurrentIndex(0);
    w->hide();
}

void rundgang()
{
    for (int k = 0; k < 12; ++k) {
        FormHaupt->ZugNeu(k);
        pause(30);
    }
    reiter(FormHilfe, FormHilfe->PageControl1);
    reiter(FormLexikonRoentgenstrahlung, FormLexikonRoentgenstrahlung->PageControl1);
    reiter(FormLexikonComputertomograph, FormLexikonComputertomograph->PageControl1);
    reiter(FormLexikonFilter, FormLexikonFilter->PageControl1);
    for (QWidget* w : std::initializer_list<QWidget*>{FormQuellen, FormInfo, FormDanksagung, FormBilderLunge,
                                                      FormBilderGehirn})
        zeigen(w);

    FormHaupt->ZugNeu(12);
    pause(30);
    TFormEinstellungen* e = FormEinstellungen;
    Form12->BibliothekButton->click();
    pause(30);
    FormBilder38->hide();
    // With no CT picture in the way (the walk before left one).
    if (Form12->CTLoeschenButton->isEnabled())
        Form12->CTLoeschenButton->click();
    Simhilfe::einstellen({e->Rastergroesse56, e->Winkel1, e->Alles, e->ohneVerlauf});
    Form12->BibliothekButton->click();
    FormBilder56->Bilder->setCurrentIndex(1);
    FormBilder56->UebernehmenButton->click();
    Form12->Sinogrammzeigen->trigger();
    Form12->StartButton->click();
    pause(30);
    Form12->GraucodezeigenButton->click();
    pause(30);
    FormGraucode->hide();
    Form12->FilterzeigenButton->click();
    FormFilter->Gaussfilter->click();
    pause(30);
    FormFilter->Eigenkreation->click();
    pause(30);
    FormEingabe->hide();
    FormFilter->hide();
    Form12->BildSpeichern[0]->trigger();
    Form12->ArchivzeigenButton->click();
    pause(30);
    FormArchiv->hide();
    Form12->ArchivbearbeitenButton->click();
    pause(30);
    FormArchivbearbeiten->hide();
    Form12->EinstellungButton->click();
    pause(30);
    FormEinstellungen->hide();
    pause(30);
}

}  // namespace

int main(int argc, char** argv)
{
    const QByteArray wahl = argc > 1 ? QByteArray(argv[1]) : QByteArray("800");
    const QSize bildschirm = Testumgebung::bildschirmVorbereiten(wahl, argc, argv);
    QApplication app(argc, argv);
    if (bildschirm.isValid())
        Einpassung::uebernehmen();
    Testumgebung::anwendungEinrichten();
    if (bildschirm.isValid())
        Testumgebung::startenWieDasProgramm();
    else {
        const int breite = wahl.toInt();
        Testumgebung::starten({96, 24, breite, breite * 3 / 4});
    }
    const QSize logisch = QGuiApplication::primaryScreen()->size();
    std::printf("screen %s: layout %dx%d on %dx%d at a factor of %.5g, platform %s\n", wahl.constData(),
                Layout::breite(), Layout::hoehe(), logisch.width(), logisch.height(), qApp->devicePixelRatio(),
                qPrintable(QGuiApplication::platformName()));
    drucken("after the start");
    rundgang();
    drucken("after every page, the scan and the tools");
    for (int k = 2; k <= 4; ++k) {
        rundgang();
        drucken(qPrintable(QStringLiteral("after walk %1").arg(k)));
    }
    Testumgebung::abbauen();
    return 0;
}
