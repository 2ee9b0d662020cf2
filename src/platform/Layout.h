#pragma once

// The layout every window is sized for, chosen once when the main window
// checks the display and fixed from then on: 800 x 600 below a screen width
// of 1024, 1024 x 768 from there on, with the height kept free at its bottom
// for the page strip, and where the layout's left edge stands on a wider
// screen it is fitted to.
class Layout
{
public:
    static int breite() { return werte().breite; }
    static int hoehe() { return werte().hoehe; }
    static int leistenhoehe() { return werte().leiste; }
    // The centring offset (Bildschirm::versatz).
    static int versatz();

    // The layout for a screen this wide; the main window's display check
    // calls it once at start.
    static void waehlen(int bildschirmbreite);

private:
    struct Werte
    {
        int breite = 0;
        int hoehe = 0;
        int leiste = 0;
    };
    static Werte& werte();
};
