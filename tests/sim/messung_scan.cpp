// Measures whole scans through the simulator window: a 56 x 56 grid at an
// angle step of 1 degree, once "At the end" and once "Every step" without
// progression, with wall time and the process's processor time; "Every step"
// once more with the sinogram window open, which draws every row as it is
// measured with the growing plain and filtered pictures, and that window's
// 180 row updates alone, each painted at once (with the scan's readings and
// with a detector's at 10^4 photons per ray).
// Also the 180 waits of the scan alone. Prints the figures; asserts nothing.
//
//   messung_scan [breite|WxH] [ende|alles]
//
// 800 or 1024: that layout, pretended as in the window tests. WxH: the
// program's own start-up on a screen of that many device pixels, which fits
// a layout to it and scales it (the offscreen platform pretends the screen;
// under xcb the display must have that size). Any Qt platform, e.g.
// offscreen or xcb. The second word measures one display mode only, for
// profiling.
#include "support/Testumgebung.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Einpassung.h"
#include "platform/Pause.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "tools/Sinogrammfenster.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QScreen>
#include <QToolButton>
#include <cstdio>
#include <ctime>

namespace {

double prozesszeit()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Ergebnis
{
    double wand, prozessor;
};

template <typename F>
Ergebnis messen(F&& f)
{
    QElapsedTimer uhr;
    const double p0 = prozesszeit();
    uhr.start();
    f();
    return {double(uhr.nsecsElapsed()) * 1e-9, prozesszeit() - p0};
}

void drucken(const char* was, Ergebnis e)
{
    std::printf("%-34s wall %6.3f s  (%+5.1f %% over 1.8 s)  cpu %6.3f s  (%4.1f %% of wall)\n", was, e.wand,
                (e.wand / 1.8 - 1.0) * 100.0, e.prozessor, e.prozessor / e.wand * 100.0);
}

// A pattern of a disc with a hole and a bar, painted as the learner does.
void musterMalen()
{
    for (int x = 1; x <= 56; ++x)
        for (int y = 1; y <= 56; ++y) {
            const int dx = x - 28, dy = y - 26;
            const int r2 = dx * dx + dy * dy;
            if ((r2 <= 400 && r2 >= 64) || (y == 50 && x > 8 && x < 48))
                Form12->Malen(Form12->Image2, 0x808080, x, y);
        }
    Form12->StartButton->setEnabled(true);
}

Ergebnis scan(QRadioButton* darstellung)
{
    TFormEinstellungen* e = FormEinstellungen;
    Form12->EinstellungButton->click();
    e->Rastergroesse56->click();
    e->Winkel1->click();
    e->ohneVerlauf->click();
    darstellung->click();
    e->OKButton->click();
    musterMalen();
    return messen([] { Form12->StartButton->click(); });
}

// The sinogram window's work for one scan: the last scan's 180 rows handed to
// it one by one, as the scan hands them (the row, the plain and the filtered
// picture growing with it), the window painted before the next; with the
// scan's counted readings, or a detector's at 10^4 photons per ray. The CT
// picture is deleted first, so that the window stands as during a scan.
Ergebnis sinogrammzeilen(bool weg)
{
    const ct::Sinogramm messung = Form12->Modell.Messung;
    Form12->CTLoeschenClick();
    ct::Sinogramm s(messung.Raster(), messung.Kaestchengroesse(), messung.Strahlzahl(), messung.Winkelschritt());
    TFormSinogramm* f = FormSinogramm;
    (weg ? f->Weglaenge : f->Zaehlung)->click();
    f->Dosis->setValue(weg ? 16 : TFormSinogramm::OhneRauschen);
    std::vector<float> werte(std::size_t(messung.Strahlzahl()) + 1);
    return messen([&] {
        for (int z = 0; z < messung.GemesseneZeilen(); ++z) {
            for (int k = 1; k <= messung.Strahlzahl(); ++k)
                werte[std::size_t(k)] = messung.Messwert(z, k);
            s.ZeileAnfuegen(werte.data());
            f->ZeilenNachfuehren(s);
            f->repaint();
        }
    });
}

}  // namespace

int main(int argc, char** argv)
{
    const QByteArray wahl = argc > 1 ? QByteArray(argv[1]) : QByteArray("800");
    const QSize bildschirm = Testumgebung::bildschirmVorbereiten(wahl, argc, argv);
    QApplication app(argc, argv);
    if (bildschirm.isValid())
        Einpassung::uebernehmen();
    QApplication::setQuitOnLastWindowClosed(false);
    Testumgebung::ressourcenLaden();
    if (bildschirm.isValid())
        Testumgebung::startenWieDasProgramm();
    else {
        const int breite = wahl.toInt();
        Testumgebung::starten({96, 24, breite, breite * 3 / 4});
    }
    FormHaupt->ZugNeu(12);
    pause(200);

    const QSize logisch = QGuiApplication::primaryScreen()->size();
    std::printf("screen %s: layout %dx%d on %dx%d at a factor of %.5g, platform %s\n", wahl.constData(),
                Bildschirmbreite, Bildschirmhoehe, logisch.width(), logisch.height(), qApp->devicePixelRatio(),
                qPrintable(QGuiApplication::platformName()));
    drucken("180 x pause(10) alone", messen([] {
                for (int i = 0; i < 180; ++i)
                    pause(10);
            }));
    const QByteArray nur = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    for (int runde = 0; runde < 2; ++runde) {
        if (nur != "alles") {
            drucken("56 x 56, 1 degree, At the end", scan(FormEinstellungen->Endergebnis));
            Form12->CTLoeschenClick();
        }
        if (nur != "ende") {
            drucken("56 x 56, 1 degree, Every step", scan(FormEinstellungen->Alles));
            Form12->CTLoeschenClick();
            Form12->Sinogrammzeigen->trigger();
            drucken("  the same, sinogram window open", scan(FormEinstellungen->Alles));
            drucken("  the window's 180 rows alone", sinogrammzeilen(false));
            Form12->StartButton->click();   // the same scan again, for the next
            drucken("  the same, path lengths at 10^4", sinogrammzeilen(true));
            FormSinogramm->Zaehlung->click();
            FormSinogramm->hide();
            Form12->CTLoeschenClick();
        }
    }
    Testumgebung::abbauen();
    return 0;
}
