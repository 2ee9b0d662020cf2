#include "sim/Statustexte.h"

#include <utility>

namespace Statustexte {

namespace {

QString bildtext(const std::optional<Bildname>& bild)
{
    if (!bild)
        return QStringLiteral("Picture: unnamed");
    switch (bild->art) {
    case Bildname::Art::Unbenannt: return QStringLiteral("Bild: unbenannt");
    case Bildname::Art::Wirbelsaeule: return QStringLiteral("Bild: Wirbelsäule");
    case Bildname::Art::Herz: return QStringLiteral("Bild: Herz");
    case Bildname::Art::Gehirn: return QStringLiteral("Bild: Gehirn");
    case Bildname::Art::Archivbild: return QStringLiteral("Bild: Archivbild %1").arg(bild->fach);
    }
    return {};
}

QString darstellungstext(const std::optional<ct::Darstellung>& d)
{
    if (!d)
        return QStringLiteral("Display: Every step");
    switch (*d) {
    case ct::Darstellung::Alles: return QStringLiteral("Darstellung: jeder Schritt");
    case ct::Darstellung::Zwischenstufe: return QStringLiteral("Darstellung: jeder 10. Schritt");
    case ct::Darstellung::Endergebnis: return QStringLiteral("Darstellung: Endergebnis");
    }
    return {};
}

}  // namespace

QString winkeltext(int winkelschritt)
{
    return QStringLiteral("%1 Grad").arg(winkelschritt);
}

QString filtername(std::optional<ct::Filterart> filter)
{
    using ct::Filterart;
    static const std::pair<Filterart, const char*> Namen[] = {
        {Filterart::Keiner, "kein Filter"}, {Filterart::Rechteck, "Rechtecksfilter"},
        {Filterart::Gauss, "Gaußfilter"}, {Filterart::Laplace, "Laplacefilter"},
        {Filterart::Tiefpass, "Kernelfilter mit Tiefpaß"}, {Filterart::Hochpass, "Kernelfilter mit Hochpaß"},
        {Filterart::Eigen, "Eigenkreation"}, {Filterart::Median1, "Medianfilter 1.Maske"},
        {Filterart::Median2, "Medianfilter 2.Maske"}, {Filterart::Erosion1, "Erosionsfilter 1.Maske"},
        {Filterart::Erosion2, "Erosionsfilter 2.Maske"}, {Filterart::Dilatation1, "Dilatationsfilter 1.Maske"},
        {Filterart::Dilatation2, "Dilatationsfilter 2.Maske"}};
    if (!filter)
        return QStringLiteral("no filter");
    for (const auto& [art, name] : Namen)
        if (art == *filter)
            return QString::fromUtf8(name);
    return {};
}

QString text(const Statuswerte& w, int panel)
{
    switch (panel) {
    case 0: return bildtext(w.Bild);
    case 1: return darstellungstext(w.Darstellung);
    case 2:
        return !w.Verlauf ? QStringLiteral("No progression")
               : *w.Verlauf ? QStringLiteral("mit Verlauf")
                            : QStringLiteral("ohne Verlauf");
    case 3:
        return w.Winkelschritt ? QStringLiteral("Drehwinkel: ") + winkeltext(*w.Winkelschritt)
                               : QStringLiteral("Rotation angle: 2 degrees");
    case 4: return QStringLiteral("Filter: ") + filtername(w.Filter);
    case 5:
        return !w.Faltung ? QStringLiteral("No convolution")
               : *w.Faltung ? QStringLiteral("mit Faltung")
                            : QStringLiteral("ohne Faltung");
    default: return {};
    }
}

}  // namespace Statustexte
