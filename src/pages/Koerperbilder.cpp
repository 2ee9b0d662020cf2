#include "pages/Koerperbilder.h"

#include "app/Programmbilder.h"
#include "core/Bildrechnung.h"
#include "core/Koerperphantome.h"
#include "platform/Bilder.h"

#include <QHash>
#include <functional>
#include <vector>

namespace Koerperbilder {

namespace {
// Every picture is computed once for each size and kept for the run of the
// program: the windows that show them are built and rebuilt without waiting.
QImage gemerkt(const QString& schluessel, const std::function<QImage()>& rechnen)
{
    static QHash<QString, QImage> speicher;
    const auto gefunden = speicher.constFind(schluessel);
    if (gefunden != speicher.cend())
        return *gefunden;
    phantom::vektorzustandLeeren();
    const QImage bild = rechnen();
    speicher.insert(schluessel, bild);
    return bild;
}

QString groesse(int breite, int hoehe)
{
    return QStringLiteral("%1x%2").arg(breite).arg(hoehe);
}

QImage ausGraubild(const phantom::Graubild& g)
{
    return ausGrauwerten(g.breite, g.hoehe, g.grau.data());
}

QImage lungeRechnen(int breite, int hoehe, double zentrum, double fensterbreite)
{
    return ausGraubild(phantom::schnitt(phantom::brustkorb(), breite, hoehe, phantom::BrustkorbSchnitthoehe, 1.0,
                                        1.0 * hoehe / breite, zentrum, fensterbreite, 6.0));
}

QImage kopf1974Rechnen(int breite, int hoehe)
{
    // About 80 elements across the scanned circle; each element about 3 mm.
    const int spalten = 60, zeilen = 71;
    const std::vector<double> hu =
        phantom::grobschnitt(phantom::kopf(), spalten, zeilen, phantom::KopfSchnitthoehe, 0.74, 0.74 * zeilen / spalten, 4);
    return ausGraubild(phantom::mosaik(hu, spalten, zeilen, breite, hoehe, 30.0, 160.0, 9.0));
}

QImage rueckprojektionRechnen(int breite, int hoehe, bool mitFaltung)
{
    const QImage klein = ausGraubild(bildrechnung::rueckprojektionsbild(mitFaltung));
    return klein.scaled(breite, hoehe, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
}  // namespace

QImage handRoentgen(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("hand ") + groesse(breite, hoehe),
                   [=] { return ausGraubild(bildrechnung::handaufnahme(breite, hoehe)); });
}

QImage kopfRoentgen(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("kopf ") + groesse(breite, hoehe),
                   [=] { return Programmbilder::kopfRoentgen(breite, hoehe); });
}

QImage lunge(int breite, int hoehe, double zentrum, double fensterbreite)
{
    return gemerkt(QStringLiteral("lunge %1 %2 ").arg(zentrum).arg(fensterbreite) + groesse(breite, hoehe),
                   [=] { return lungeRechnen(breite, hoehe, zentrum, fensterbreite); });
}

QImage kopf1974(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("1974 ") + groesse(breite, hoehe), [=] { return kopf1974Rechnen(breite, hoehe); });
}

QImage filterbeispiel(int breite, int hoehe)
{
    return gemerkt(QStringLiteral("filter ") + groesse(breite, hoehe),
                   [=] { return ausGraubild(bildrechnung::filterbeispiel(breite, hoehe)); });
}

QImage rueckprojektion(int breite, int hoehe, bool mitFaltung)
{
    return gemerkt(QStringLiteral("rueck %1 ").arg(mitFaltung) + groesse(breite, hoehe),
                   [=] { return rueckprojektionRechnen(breite, hoehe, mitFaltung); });
}

}  // namespace Koerperbilder
