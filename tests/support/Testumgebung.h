#pragma once

#include "platform/Bildschirm.h"
#include "platform/Meldung.h"

#include <QApplication>
#include <QSet>
#include <QStringList>
#include <QtTest>
#include <functional>

// What every window test needs: a whole window set built on a pretended
// display, message boxes answered without showing them, and small helpers to
// drive controls as a learner would.
namespace Testumgebung {

struct Meldungseintrag
{
    Meldung::Art art;
    QString text;
};

using Beantworter = std::function<Meldung::Antwort(Meldung::Art, const QString&)>;

// Builds a fresh window set (after tearing down any earlier one) for a
// display of the given kind, optionally with a layout fitted to it (see
// Bildschirm::einpassen, also for `ganz`). Message boxes are recorded and
// answered by `antworten` (by default OK and Ignore). Does not show the main
// window.
void aufbauen(const Anzeigedaten& anzeige = {96, 24, 800, 600}, Beantworter antworten = {},
              QSize einpassung = {}, QSize ganz = {});
// Builds the set and starts the course as the program does: main window and
// start window shown.
void starten(const Anzeigedaten& anzeige = {96, 24, 800, 600});
// The same on a display of a layout's size: 800 x 600 or 1024 x 768 (by the
// width, 800 or 1024).
void starten(int layoutbreite);
QSize layoutgroesse(int layoutbreite);
// The same on the real screen, with the layout that the program's start-up
// (Einpassung) fitted to it.
void startenWieDasProgramm();
void abbauen();

// Before the application object: the offscreen platform pretends a screen of
// that many device pixels from now on (a test of scaling then runs the
// program's own start-up on it); a logical DPI above 96 makes the platform
// scale by itself, as a desktop set to a larger font DPI does.
void offscreenBildschirm(QSize groesse, int dpi = 96);
// Before the application object, for tools that take a screen as "WxH": the
// size (invalid for anything else); on the offscreen platform a screen of
// that size is pretended, and the program's start-up (Einpassung) fits the
// layout to it. Einpassung::uebernehmen follows the application object.
QSize bildschirmVorbereiten(const QByteArray& wahl, int argc, char** argv);

// The message boxes shown since the last aufbauen().
const QList<Meldungseintrag>& meldungen();

// Clicks (press and release of the left button) at a point of a widget.
void klicken(QWidget* element, QPoint punkt = QPoint(-1, -1));
// A widget of a window by its name; fails the test when missing.
template <typename T = QWidget>
T* element(QObject* fenster, const QString& name)
{
    T* w = fenster->findChild<T*>(name);
    if (!w)
        qWarning("control %s not found", qPrintable(name));
    return w;
}

// Runs `aktion` as soon as a modal window is up (for example a click on its
// button), so that code showing it modally can go on.
void wennModal(std::function<void()> aktion, int nachMs = 0);

// Colour of a pixel of a picture control's surface.
QRgb pixel(QWidget* bildanzeige, int x, int y);

// The window of a set a control belongs to: the nearest of its ancestors in
// the set (the main window holds every area and panel).
QWidget* fensterVon(QWidget* w, const QSet<QWidget*>& fenster);

}  // namespace Testumgebung

// main() for window tests: a QApplication in the program's style with its resources.
#define QUORVEL_GUI_TEST_MAIN(Klasse)                                     \
    int main(int argc, char** argv)                                       \
    {                                                                     \
        QApplication app(argc, argv);                                     \
        Testumgebung::anwendungEinrichten();                              \
        Klasse test;                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                        \
        const int ergebnis = QTest::qExec(&test, argc, argv);             \
        Testumgebung::abbauen();                                          \
        return ergebnis;                                                  \
    }

namespace Testumgebung {
void ressourcenLaden();
// After the application object: the program's style, windows that only hide
// when they close, and the program's resources.
void anwendungEinrichten();
// Silences the offscreen platform's notes that it cannot raise windows.
void meldungsfilter();
}
