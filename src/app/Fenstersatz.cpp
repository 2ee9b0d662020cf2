#include "app/Fenster.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Blatt6.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Blatt0.h"
#include "pages/Blatt1.h"
#include "pages/Blatt10.h"
#include "pages/Blatt2.h"
#include "pages/Blatt3.h"
#include "pages/Blatt4.h"
#include "pages/Blatt5.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "sim/Hinweis.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"
#include "tools/Sinogrammfenster.h"

#include <QWidget>
#include <iterator>
#include <type_traits>

#define QUORVEL_DEFINITION(Klasse, Name, Art) Klasse* Name = nullptr;
QUORVEL_FENSTERSATZ(QUORVEL_DEFINITION)
#undef QUORVEL_DEFINITION

namespace Fenstersatz {

namespace {
// Assigns the reference before the next window is created, so that every
// creation handler sees the windows made before it.
// The simulator's tools get its state handed to them.
template <typename T>
void neu(T*& referenz)
{
    if constexpr (std::is_constructible_v<T, Simulatorzustand&>)
        referenz = new T(Form12->Zustand);
    else
        referenz = new T();
}

template <typename T>
void weg(T*& referenz)
{
    delete referenz;
    referenz = nullptr;
}

enum class Art { Fenster, Seite, Hilfsfenster };

// Every window of the set: how it comes and goes, the window itself, and its kind.
struct Eintrag
{
    void (*neu)();
    void (*weg)();
    QWidget* (*fenster)();
    Art art;
};

#define QUORVEL_EINTRAG(Klasse, Name, Fensterart) \
    {[] { neu(Name); }, [] { weg(Name); }, []() -> QWidget* { return Name; }, Art::Fensterart},
constexpr Eintrag Eintraege[] = {QUORVEL_FENSTERSATZ(QUORVEL_EINTRAG)};
#undef QUORVEL_EINTRAG
}  // namespace

void erzeugen()
{
    for (const Eintrag& e : Eintraege)
        e.neu();
}

void starten()
{
    FormHaupt->showFullScreen();
}

void abbauen()
{
    for (auto e = std::rbegin(Eintraege); e != std::rend(Eintraege); ++e)
        e->weg();
}

QWidget* seite(int k)
{
    int nummer = 0;
    for (const Eintrag& e : Eintraege)
        if (e.art == Art::Seite && nummer++ == k)
            return e.fenster();
    return nullptr;
}

QWidget* simulator()
{
    return Form12;
}

std::vector<QWidget*> hilfsfenster()
{
    std::vector<QWidget*> liste;
    for (const Eintrag& e : Eintraege)
        if (e.art == Art::Hilfsfenster)
            liste.push_back(e.fenster());
    return liste;
}

std::vector<QWidget*> alle()
{
    std::vector<QWidget*> liste;
    for (const Eintrag& e : Eintraege)
        liste.push_back(e.fenster());
    return liste;
}

}  // namespace Fenstersatz
