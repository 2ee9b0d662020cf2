#pragma once

// Helpers of the image-tool tests: a small CT picture made through the
// simulator's controls, and what the picture area should show for it.

#include "sim/Simhilfe.h"

#include "app/Fenster.h"
#include "core/Farben.h"
#include "core/Filter.h"
#include "platform/Bildanzeige.h"
#include "tools/Graucode.h"

namespace Werkzeughilfe {

using namespace Simhilfe;

// A CT picture of a few cells on the 4 x 4 grid: two projections, coloured
// at the end. Its values differ from cell to cell.
inline void kleinesBild(const std::vector<Zelle>& zellen = {{2, 2}, {3, 3}, {2, 3}, {1, 4}})
{
    TFormEinstellungen* e = FormEinstellungen;
    einstellen({e->Rastergroesse4, e->Winkel90, e->Endergebnis});
    malen(zellen);
    Form12->StartButton->click();
}

// The gray levels the picture area shows, cell by cell (-1 where a cell is
// not of one gray).
inline std::vector<int> zellgrau()
{
    const int n = Form12->Modell.Raster;
    std::vector<int> g;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const QRgb f = zellfarbe(x, y);
            g.push_back(f == 0 || qRed(f) != qGreen(f) || qRed(f) != qBlue(f) ? -1 : qRed(f));
        }
    return g;
}

inline std::vector<int> alsListe(const ct::Graufeld& stufen)
{
    const int n = Form12->Modell.Raster;
    std::vector<int> g;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            g.push_back(stufen(x, y));
    return g;
}

// What the default colouring and the gray-scale window at P make of a picture.
inline std::vector<int> standardfarben(const ct::Bildfeld& bild)
{
    return alsListe(ct::Faerben(bild, Form12->Modell.Raster));
}

inline std::vector<int> fensterfarben(int P, const ct::Bildfeld& bild)
{
    const ct::Simulator& m = Form12->Modell;
    return alsListe(ct::GraucodeAenderung(P, bild, m.Raster, m.Bildminimum, m.Bildmaximum));
}

// A click into the tick strip of the gray-scale window at x.
inline void streifenKlick(int x)
{
    QTest::mouseClick(FormGraucode->Farbe1, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
}

}  // namespace Werkzeughilfe
