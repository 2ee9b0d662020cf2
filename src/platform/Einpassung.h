#pragma once

#include <QSize>

// How the program fits its layout to the screen it starts on. Every window
// keeps the geometry of its layout (800 x 600 or 1024 x 768) in
// device-independent pixels; Qt's high-DPI scaling maps them onto the screen
// with a factor chosen here, and where the screen is wider than the layout,
// the layout stands centred on it.
//
// Qt fixes its scale factor when the application object is made, and the
// screen is known only after that: so a short-lived probe application reads
// the screen first (vorbereiten), the factor goes to Qt through
// QT_SCALE_FACTOR, and once the program's own application object exists, the
// variable is as the user left it again and the windows learn the fitted
// layout (uebernehmen).
//
// The factor comes on top of every scaling the desktop or the user set: the
// probe sees the screen as Qt shows it with QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS and the platform's own device pixel ratio, and the
// layout is fitted into that screen. Only QT_ENABLE_HIGHDPI_SCALING=0 leaves
// the screen unscaled and the layout unfitted.
namespace Einpassung {

// The primary screen as the desktop reports it, before the program chooses
// a factor.
struct Bildschirmlage
{
    // Size in device-independent pixels, after the desktop's own scaling.
    double breite = 0;
    double hoehe = 0;
    // Device pixels per device-independent pixel that the desktop, the user
    // and the platform apply.
    double pixelverhaeltnis = 1;
    // Qt's scaling is switched off (see skalierungAus).
    bool skalierungAus = false;
};

struct Wahl
{
    // The layout fitted to the screen; empty where none fits, and the
    // windows lay themselves out for the screen as it is.
    QSize layout;
    // The program's factor on top of the scaling already in force (1: none).
    double faktor = 1.0;
    // The whole screen in the layout's pixels, rounded up: Qt rounds it to
    // the nearest pixel, and the windows that fill the screen must reach its
    // last device pixel.
    QSize bildschirm;
};

// The 1024 x 768 layout where the screen has room for it, else 800 x 600;
// the factor makes the layout as large as the screen allows. It never makes
// a device-independent pixel smaller than a device pixel; a screen too small
// for the 800 x 600 layout even so gets no layout fitted (and the display
// checks say so).
Wahl waehlen(const Bildschirmlage& lage);

// QT_ENABLE_HIGHDPI_SCALING is 0: the user wants the screen unscaled.
bool skalierungAus();
// The user's own QT_SCALE_FACTOR (1 where it is unset or not a positive
// number, as Qt takes it); the program's factor multiplies it.
double nutzerfaktor();

// Before the application object: probes the screen with the same command
// line (so that -platform and Qt's other options hold) and sets the factor.
void vorbereiten(int argc, char** argv);
// After the application object: gives QT_SCALE_FACTOR back its earlier value
// (or none), so that programs started from here do not inherit the
// program's factor, and fits the layout to the screen (Bildschirm::einpassen)
// where the screen has room.
void uebernehmen();
// What vorbereiten chose.
Wahl gewaehlt();

}  // namespace Einpassung
