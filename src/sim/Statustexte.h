#pragma once

#include "core/Filter.h"
#include "core/Simulator.h"

#include <QString>
#include <optional>

// The name of the picture the simulator shows: unnamed, a library pattern, or
// an archived picture.
struct Bildname
{
    enum class Art { Unbenannt, Wirbelsaeule, Herz, Gehirn, Archivbild };
    Art art = Art::Unbenannt;
    int fach = 0;   // the archive slot of an archived picture

    friend bool operator==(const Bildname&, const Bildname&) = default;
};

// What the six panels of the simulator's status bar show, as values. A panel
// without a value shows its first text: the English one it has from the
// start until a setting first writes it. Panel 0 names the picture, 1 the
// display, 2 the progression, 3 the angle step, 4 the filter, 5 the
// convolution.
struct Statuswerte
{
    std::optional<Bildname> Bild;
    std::optional<ct::Darstellung> Darstellung;
    std::optional<bool> Verlauf;
    std::optional<int> Winkelschritt;
    std::optional<ct::Filterart> Filter;
    std::optional<bool> Faltung;

    friend bool operator==(const Statuswerte&, const Statuswerte&) = default;
};

// The texts of the status bar, the one place they are made.
namespace Statustexte {

constexpr int Panelzahl = 6;

// The text of a panel (0 to 5) for the values shown.
QString text(const Statuswerte& werte, int panel);

// A filter's name as panel 4 shows it after "Filter: " (for instance
// "Gaußfilter"; "no filter" for the panel's first text).
QString filtername(std::optional<ct::Filterart> filter);

// An angle step as panel 3 shows it after "Drehwinkel: " ("2 Grad").
QString winkeltext(int winkelschritt);

}  // namespace Statustexte
