#include "app/Programmbilder.h"

#include "core/Koerperphantome.h"
#include "core/Phantom.h"
#include "platform/Bilder.h"

#include <algorithm>
#include <cmath>

namespace Programmbilder {

QImage kopfschnitt(int breite, int hoehe)
{
    phantom::vektorzustandLeeren();
    const phantom::Graubild g = phantom::schnitt(phantom::kopf(), breite, hoehe, phantom::KopfSchnitthoehe, 0.74,
                                                 0.74 * hoehe / breite, 35.0, 90.0, 3.0);
    return ausGrauwerten(breite, hoehe, g.grau.data());
}

QImage kopfRoentgen(int breite, int hoehe)
{
    // The film shows the head from the crown to the upper neck: 1.8 units
    // wide, centred a little below the middle of the head. The projection is
    // symmetric about z = 0, so a taller picture is computed and its top cut off.
    if (breite <= 0 || hoehe <= 0)
        return {};
    const double halbbreite = 0.9;
    const double halbhoehe = halbbreite * hoehe / breite;
    const double mitte = -0.25;
    const double oben = mitte + halbhoehe;
    const double voll = std::max(oben, halbhoehe - mitte);
    const int gesamthoehe = int(std::ceil(hoehe * voll / halbhoehe));
    const int weg = std::clamp(int(std::lround((voll - oben) / (2.0 * voll) * gesamthoehe)), 0, gesamthoehe - hoehe);
    const phantom::Graubild g =
        phantom::seitenaufnahme(phantom::kopf(), breite, gesamthoehe, halbbreite, halbhoehe * gesamthoehe / hoehe);
    return ausGrauwerten(breite, hoehe, g.grau.data() + std::size_t(weg) * std::size_t(breite));
}

}  // namespace Programmbilder
