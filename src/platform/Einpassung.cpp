#include "platform/Einpassung.h"

#include "platform/Bildschirm.h"
#include "platform/Zeichenflaeche.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace Einpassung {

namespace {
Wahl& wahl()
{
    static Wahl w;
    return w;
}
bool faktorGesetzt = false;
// QT_SCALE_FACTOR as it was before the program set its own.
std::optional<QByteArray> vorherigerFaktor;

constexpr QSize Gross(1024, 768);
constexpr QSize Klein(800, 600);
// Rounding of the division by the factor: a screen that has room for the
// layout in exact arithmetic has room for it here too.
constexpr double Spiel = 1e-6;

Bildschirmlage proben(int argc, char** argv)
{
    // Qt takes its own options (-platform, -display, ...) out of the list it
    // is given; the program's application object needs them again.
    std::vector<char*> kopie(argv, argv + argc);
    kopie.push_back(nullptr);
    int anzahl = argc;
    // The probe is no client of the desktop's session manager.
    const QByteArray sitzung = qgetenv("SESSION_MANAGER");
    qunsetenv("SESSION_MANAGER");
    Bildschirmlage lage;
    {
        QGuiApplication probe(anzahl, kopie.data());
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            lage.breite = s->geometry().width();
            lage.hoehe = s->geometry().height();
            lage.pixelverhaeltnis = s->devicePixelRatio();
        }
    }
    if (!sitzung.isNull())
        qputenv("SESSION_MANAGER", sitzung);
    return lage;
}
}  // namespace

Wahl waehlen(const Bildschirmlage& lage)
{
    if (lage.skalierungAus || lage.breite <= 0 || lage.hoehe <= 0)
        return {};
    const QSize layout = lage.breite >= Gross.width() && lage.hoehe >= Gross.height() ? Gross : Klein;
    const double untergrenze = 1.0 / std::max(lage.pixelverhaeltnis, 1.0);
    const double faktor =
        std::max(std::min(lage.breite / layout.width(), lage.hoehe / layout.height()), untergrenze);
    if (lage.breite / faktor + Spiel < layout.width() || lage.hoehe / faktor + Spiel < layout.height())
        return {};
    return {layout, faktor,
            QSize(int(std::ceil(lage.breite / faktor - Spiel)), int(std::ceil(lage.hoehe / faktor - Spiel)))};
}

bool skalierungAus()
{
    return qEnvironmentVariable("QT_ENABLE_HIGHDPI_SCALING").trimmed() == QLatin1String("0");
}

double nutzerfaktor()
{
    bool ok = false;
    const double f = qgetenv("QT_SCALE_FACTOR").trimmed().toDouble(&ok);
    return ok && f > 0 && std::isfinite(f) ? f : 1.0;
}

void vorbereiten(int argc, char** argv)
{
    wahl() = {};
    if (skalierungAus())
        return;
    wahl() = waehlen(proben(argc, argv));
    if (wahl().faktor != 1.0) {
        vorherigerFaktor.reset();
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            vorherigerFaktor = qgetenv("QT_SCALE_FACTOR");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(nutzerfaktor() * wahl().faktor, 'g', 17));
        faktorGesetzt = true;
    }
}

void uebernehmen()
{
    if (faktorGesetzt) {
        if (vorherigerFaktor)
            qputenv("QT_SCALE_FACTOR", *vorherigerFaktor);
        else
            qunsetenv("QT_SCALE_FACTOR");
        faktorGesetzt = false;
    }
    // On a scaled screen the drawing surfaces record what is drawn on them,
    // so that it is drawn at the screen's resolution.
    const double verhaeltnis = qGuiApp->devicePixelRatio();
    Zeichenflaeche::setzeAufzeichnung(verhaeltnis != 1.0, verhaeltnis);
    const QSize layout = wahl().layout;
    const QSize bildschirm = Bildschirm::flaeche().size();
    if (!layout.isEmpty() && bildschirm.width() >= layout.width() && bildschirm.height() >= layout.height())
        Bildschirm::einpassen(layout, bildschirm.expandedTo(wahl().bildschirm));
}

Wahl gewaehlt()
{
    return wahl();
}

}  // namespace Einpassung
