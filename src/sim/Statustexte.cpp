#include "sim/Statustexte.h"

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
    if (!filter)
        return QStringLiteral("no filter");
    switch (*filter) {
    case ct::Filterart::Keiner: return QStringLiteral("kein Filter");
    case ct::Filterart::Rechteck: return QStringLiteral("Rechtecksfilter");
    case ct::Filterart::Gauss: return QStringLiteral("Gaußfilter");
    case ct::Filterart::Laplace: return QStringLiteral("Laplacefilter");
    case ct::Filterart::Tiefpass: return QStringLiteral("Kernelfilter mit Tiefpaß");
    case ct::Filterart::Hochpass: return QStringLiteral("Kernelfilter mit Hochpaß");
    case ct::Filterart::Eigen: return QStringLiteral("Eigenkreation");
    case ct::Filterart::Median1: return QStringLiteral("Medianfilter 1.Maske");
    case ct::Filterart::Median2: return QStringLiteral("Medianfilter 2.Maske");
    case ct::Filterart::Erosion1: return QStringLiteral("Erosionsfilter 1.Maske");
    case ct::Filterart::Erosion2: return QStringLiteral("Erosionsfilter 2.Maske");
    case ct::Filterart::Dilatation1: return QStringLiteral("Dilatationsfilter 1.Maske");
    case ct::Filterart::Dilatation2: return QStringLiteral("Dilatationsfilter 2.Maske");
    }
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
