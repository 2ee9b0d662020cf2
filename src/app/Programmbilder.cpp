#include "app/Programmbilder.h"

#include "core/Koerperphantome.h"
#include "core/Phantom.h"

namespace Programmbilder {

QImage ausGrau(int breite, int hoehe, const unsigned char* grau)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const int v = grau[y * breite + x];
            zeile[x] = qRgb(v, v, v);
        }
    }
    return bild;
}

QImage kopfschnitt(int breite, int hoehe)
{
    phantom::vektorzustandLeeren();
    const phantom::Graubild g = phantom::schnitt(phantom::kopf(), breite, hoehe, phantom::KopfSchnitthoehe, 0.74,
                                                 0.74 * hoehe / breite, 35.0, 90.0, 3.0);
    return ausGrau(breite, hoehe, g.grau.data());
}

QImage kopfRoentgen(int breite, int hoehe)
{
    const phantom::Graubild g = phantom::seitenaufnahme(phantom::kopf(), breite, hoehe, 1.0, 1.0 * hoehe / breite);
    return ausGrau(breite, hoehe, g.grau.data());
}

}  // namespace Programmbilder
