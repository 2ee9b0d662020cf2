#include "sim/Rasterbild.h"

#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"

namespace {
Zeichenflaeche& flaecheInGroesse(Bildanzeige* bild)
{
    Zeichenflaeche& f = bild->flaeche();
    if (f.groesse() != bild->size())
        f.setzeGroesse(bild->width(), bild->height());
    return f;
}
}  // namespace

void rasterZeichnen(Bildanzeige* bild, int n, int c)
{
    Zeichenflaeche& f = flaecheInGroesse(bild);
    const int nc = n * c;
    f.setzePinsel(Farben::Weiss);
    f.fillRect(0, 0, nc + 1, nc + 1);
    f.setzeStift(Farben::Schwarz);
    for (int i = 0; i <= n; ++i) {
        f.moveTo(i * c, 0);
        f.lineTo(i * c, nc + 1);
    }
    for (int i = 0; i <= n; ++i) {
        f.moveTo(0, i * c);
        f.lineTo(nc + 1, i * c);
    }
    bild->aktualisieren();
}

void bildrahmenZeichnen(Bildanzeige* bild, int n, int c)
{
    Zeichenflaeche& f = flaecheInGroesse(bild);
    const int nc = n * c;
    f.setzeStift(Farben::Schwarz);
    f.setzePinsel(Farben::Weiss);
    f.polygon({{0, 0}, {nc, 0}, {nc, nc}, {0, nc}});
    bild->aktualisieren();
}

void zelleMalen(Zeichenflaeche& f, QRgb farbe, int spalte, int zeile, int c)
{
    f.setzeStift(farbe);
    f.setzePinsel(farbe);
    f.fillRect((spalte - 1) * c + 1, (zeile - 1) * c + 1, spalte * c, zeile * c);
}
