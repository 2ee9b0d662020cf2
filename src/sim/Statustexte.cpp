#include "sim/Statustexte.h"

#include <QCoreApplication>
#include <utility>

namespace Statustexte {

namespace {

// A status text in the edition shown.
QString t(const char* text)
{
    return QCoreApplication::translate("Statustexte", text);
}

QString bildtext(const std::optional<Bildname>& bild)
{
    if (!bild)
        return t(QT_TRANSLATE_NOOP("Statustexte", "Picture: unnamed"));
    switch (bild->art) {
    case Bildname::Art::Unbenannt: return t(QT_TRANSLATE_NOOP("Statustexte", "Bild: unbenannt"));
    case Bildname::Art::Wirbelsaeule: return t(QT_TRANSLATE_NOOP("Statustexte", "Bild: Wirbelsäule"));
    case Bildname::Art::Herz: return t(QT_TRANSLATE_NOOP("Statustexte", "Bild: Herz"));
    case Bildname::Art::Gehirn: return t(QT_TRANSLATE_NOOP("Statustexte", "Bild: Gehirn"));
    case Bildname::Art::Archivbild: return t(QT_TRANSLATE_NOOP("Statustexte", "Bild: Archivbild %1")).arg(bild->fach);
    }
    return {};
}

QString darstellungstext(const std::optional<ct::Darstellung>& d)
{
    if (!d)
        return t(QT_TRANSLATE_NOOP("Statustexte", "Display: Every step"));
    switch (*d) {
    case ct::Darstellung::Alles: return t(QT_TRANSLATE_NOOP("Statustexte", "Darstellung: jeder Schritt"));
    case ct::Darstellung::Zwischenstufe: return t(QT_TRANSLATE_NOOP("Statustexte", "Darstellung: jeder 10. Schritt"));
    case ct::Darstellung::Endergebnis: return t(QT_TRANSLATE_NOOP("Statustexte", "Darstellung: Endergebnis"));
    }
    return {};
}

}  // namespace

QString winkeltext(int winkelschritt)
{
    return t(QT_TRANSLATE_NOOP("Statustexte", "%1 Grad")).arg(winkelschritt);
}

QString filtername(std::optional<ct::Filterart> filter)
{
    using ct::Filterart;
    static const std::pair<Filterart, const char*> Namen[] = {
        {Filterart::Keiner, QT_TRANSLATE_NOOP("Statustexte", "kein Filter")},
        {Filterart::Rechteck, QT_TRANSLATE_NOOP("Statustexte", "Rechtecksfilter")},
        {Filterart::Gauss, QT_TRANSLATE_NOOP("Statustexte", "Gaußfilter")},
        {Filterart::Laplace, QT_TRANSLATE_NOOP("Statustexte", "Laplacefilter")},
        {Filterart::Tiefpass, QT_TRANSLATE_NOOP("Statustexte", "Kernelfilter mit Tiefpaß")},
        {Filterart::Hochpass, QT_TRANSLATE_NOOP("Statustexte", "Kernelfilter mit Hochpaß")},
        {Filterart::Eigen, QT_TRANSLATE_NOOP("Statustexte", "Eigenkreation")},
        {Filterart::Median1, QT_TRANSLATE_NOOP("Statustexte", "Medianfilter 1.Maske")},
        {Filterart::Median2, QT_TRANSLATE_NOOP("Statustexte", "Medianfilter 2.Maske")},
        {Filterart::Erosion1, QT_TRANSLATE_NOOP("Statustexte", "Erosionsfilter 1.Maske")},
        {Filterart::Erosion2, QT_TRANSLATE_NOOP("Statustexte", "Erosionsfilter 2.Maske")},
        {Filterart::Dilatation1, QT_TRANSLATE_NOOP("Statustexte", "Dilatationsfilter 1.Maske")},
        {Filterart::Dilatation2, QT_TRANSLATE_NOOP("Statustexte", "Dilatationsfilter 2.Maske")}};
    if (!filter)
        return t(QT_TRANSLATE_NOOP("Statustexte", "no filter"));
    for (const auto& [art, name] : Namen)
        if (art == *filter)
            return t(name);
    return {};
}

QString text(const Statuswerte& w, int panel)
{
    switch (panel) {
    case 0: return bildtext(w.Bild);
    case 1: return darstellungstext(w.Darstellung);
    case 2:
        return !w.Verlauf ? t(QT_TRANSLATE_NOOP("Statustexte", "No progression"))
               : *w.Verlauf ? t(QT_TRANSLATE_NOOP("Statustexte", "mit Verlauf"))
                            : t(QT_TRANSLATE_NOOP("Statustexte", "ohne Verlauf"));
    case 3:
        return w.Winkelschritt ? t(QT_TRANSLATE_NOOP("Statustexte", "Drehwinkel: ")) + winkeltext(*w.Winkelschritt)
                               : t(QT_TRANSLATE_NOOP("Statustexte", "Rotation angle: 2 degrees"));
    case 4: return t(QT_TRANSLATE_NOOP("Statustexte", "Filter: ")) + filtername(w.Filter);
    case 5:
        return !w.Faltung ? t(QT_TRANSLATE_NOOP("Statustexte", "No convolution"))
               : *w.Faltung ? t(QT_TRANSLATE_NOOP("Statustexte", "mit Faltung"))
                            : t(QT_TRANSLATE_NOOP("Statustexte", "ohne Faltung"));
    default: return {};
    }
}

}  // namespace Statustexte
