#include "sim/Simulatorzustand.h"

#include "core/Farben.h"
#include "platform/Zeichenflaeche.h"

using Gruppe = Einstellungsgruppe;
using ct::Darstellung;
using ct::Filterart;

namespace {

// "Every 10 steps" has no meaning with the angle steps 45 and 90.
bool ohneZwischenstufe(int winkelschritt)
{
    return winkelschritt == 45 || winkelschritt == 90;
}

}  // namespace

int Einstellung::wert(Einstellungsgruppe g) const
{
    switch (g) {
    case Gruppe::Raster: return Raster;
    case Gruppe::Darstellung: return static_cast<int>(Darstellung);
    case Gruppe::Winkel: return Winkelschritt;
    case Gruppe::Faltung: return Faltung ? 1 : 0;
    case Gruppe::Verlauf: return Verlauf ? 1 : 0;
    }
    return 0;
}

void Einstellung::setzeWert(Einstellungsgruppe g, int wert)
{
    switch (g) {
    case Gruppe::Raster: Raster = wert; break;
    case Gruppe::Darstellung: Darstellung = static_cast<ct::Darstellung>(wert); break;
    case Gruppe::Winkel: Winkelschritt = wert; break;
    case Gruppe::Faltung: Faltung = wert != 0; break;
    case Gruppe::Verlauf: Verlauf = wert != 0; break;
    }
}

Simulatorzustand::Simulatorzustand(QObject* eltern)
    : QObject(eltern)
{
}

void Simulatorzustand::setzeZeichenlage(int breite, float versatzX, float versatzY)
{
    m_breite = breite;
    m_versatzX = versatzX;
    m_versatzY = versatzY;
}

void Simulatorzustand::setzeFlaechen(const Zeichenflaeche* muster, const Zeichenflaeche* bild)
{
    m_musterbild = muster;
    m_bildflaeche = bild;
}

// --- Settings ------------------------------------------------------------------

void Simulatorzustand::Waehlen(Einstellungsgruppe g, int wert)
{
    if (m_auswahl.wert(g) == wert)
        return;
    m_auswahl.setzeWert(g, wert);
    emit auswahlGeaendert(g);
    Klick(g, wert);
}

void Simulatorzustand::merken(Einstellungsgruppe g, int wert)
{
    m_gewaehlt.setzeWert(g, wert);
}

void Simulatorzustand::statusSetzen(int panel)
{
    emit statusGeaendert(panel);
}

void Simulatorzustand::setzeZwischenstufeFrei(bool frei)
{
    if (m_zwischenstufeFrei == frei)
        return;
    m_zwischenstufeFrei = frei;
    emit sperreGeaendert();
}

void Simulatorzustand::Klick(Einstellungsgruppe g, int wert)
{
    // "Every 10 steps" is available only with the small angle steps, whatever
    // the flag.
    if (g == Gruppe::Winkel)
        setzeZwischenstufeFrei(!ohneZwischenstufe(wert));
    // During a scan "Speed" selects "At the end" and nothing else may follow.
    if (g == Gruppe::Darstellung && static_cast<Darstellung>(wert) == Darstellung::Endergebnis && Laeuft())
        return;
    if (!m_anwenden) {
        merken(g, wert);
        return;
    }
    switch (g) {
    case Gruppe::Raster:
        RasterAendern(wert);
        break;
    case Gruppe::Winkel:
        if (ohneZwischenstufe(wert) && m_auswahl.Darstellung == Darstellung::Zwischenstufe) {
            Waehlen(Gruppe::Darstellung, static_cast<int>(Darstellung::Alles));
            m_status.Darstellung = Darstellung::Alles;
            statusSetzen(1);
            // "Every step" is now the display in effect, and so the one a
            // running scan returns to after "Speed".
            m_aktuell.Darstellung = Darstellung::Alles;
            m_gewaehlt.Darstellung = Darstellung::Alles;
        }
        m_modell.Winkelschritt = wert;
        m_status.Winkelschritt = wert;
        statusSetzen(3);
        break;
    case Gruppe::Darstellung:
        m_status.Darstellung = static_cast<Darstellung>(wert);
        statusSetzen(1);
        break;
    case Gruppe::Faltung:
        m_modell.Faltung = wert != 0;
        m_status.Faltung = wert != 0;
        statusSetzen(5);
        break;
    case Gruppe::Verlauf:
        m_status.Verlauf = wert != 0;
        statusSetzen(2);
        break;
    }
    emit einstellungAngewandt(g);
}

void Simulatorzustand::RasterAendern(int n)
{
    RasterEinrichten(n);
    VorlageLoeschen();
}

void Simulatorzustand::RasterEinrichten(int n)
{
    m_modell.RasterEinrichten(n, m_breite, m_versatzX, m_versatzY);
    if (!Laeuft())
        m_lauf = Lauf::KeinBild;
    emit rasterEingerichtet(m_modell.Raster);
}

void Simulatorzustand::Bestaetigen()
{
    CTBildLoeschen();
    for (Gruppe g : {Gruppe::Darstellung, Gruppe::Winkel, Gruppe::Faltung, Gruppe::Raster, Gruppe::Verlauf})
        if (m_gewaehlt.wert(g) != m_aktuell.wert(g))
            Klick(g, m_gewaehlt.wert(g));
    m_aktuell = m_gewaehlt;
}

void Simulatorzustand::Verwerfen()
{
    m_anwenden = false;
    for (Gruppe g : {Gruppe::Darstellung, Gruppe::Winkel, Gruppe::Raster, Gruppe::Faltung, Gruppe::Verlauf})
        Waehlen(g, m_aktuell.wert(g));
}

void Simulatorzustand::Standardwerte()
{
    VorlageLoeschen();
    const Einstellung standard;
    // The default has no progression: it is selected too, or the scan, which
    // reads the selection, would still show the progression.
    for (Gruppe g : {Gruppe::Verlauf, Gruppe::Winkel, Gruppe::Raster}) {
        Klick(g, standard.wert(g));
        Waehlen(g, standard.wert(g));
    }
    Waehlen(Gruppe::Darstellung, standard.wert(Gruppe::Darstellung));
    Klick(Gruppe::Darstellung, standard.wert(Gruppe::Darstellung));
    Klick(Gruppe::Faltung, standard.wert(Gruppe::Faltung));
    Waehlen(Gruppe::Faltung, standard.wert(Gruppe::Faltung));
    m_filterAktiv = false;
    // Applied at once, the defaults are the settings in effect now.
    if (m_anwenden)
        EinstellungUebernehmen();
}

void Simulatorzustand::EinstellungUebernehmen()
{
    m_aktuell = m_auswahl;
    m_gewaehlt = m_auswahl;
}

void Simulatorzustand::EinstellungsCheck(const Bildinformation& info)
{
    // The display panel's first text means "every step" as much as the text
    // the setting writes.
    const Darstellung darstellung = info.Status.Darstellung.value_or(Darstellung::Alles);
    m_status.Bild = info.Status.Bild;
    m_status.Darstellung = darstellung;
    m_status.Verlauf = info.Status.Verlauf;
    m_status.Winkelschritt = info.Winkelschritt;
    m_status.Faltung = info.Status.Faltung;
    for (int panel : {0, 1, 2, 3, 5})
        statusSetzen(panel);

    m_modell.Bildmaximum = info.Bildmaximum;
    m_modell.Bildminimum = info.Bildminimum;
    m_schieber = info.Schieberposition;
    m_modell.Winkelschritt = info.Winkelschritt;
    m_filternummer = info.Filternummer;

    Waehlen(Gruppe::Darstellung, static_cast<int>(darstellung));
    Waehlen(Gruppe::Verlauf, info.Status.Verlauf.value_or(false) ? 1 : 0);
    if (info.Winkelschritt == 1 || info.Winkelschritt == 2 || info.Winkelschritt == 10 || info.Winkelschritt == 45
        || info.Winkelschritt == 90)
        Waehlen(Gruppe::Winkel, info.Winkelschritt);
    Waehlen(Gruppe::Faltung, info.Status.Faltung.value_or(false) ? 1 : 0);
    FilterEinstellungen(info.Filternummer);
    // The restored settings are the ones in effect: the dialog compares later
    // choices with them.
    EinstellungUebernehmen();
}

// --- The status bar ----------------------------------------------------------------

void Simulatorzustand::setzeBildname(const Bildname& name)
{
    m_status.Bild = name;
    statusSetzen(0);
}

// --- The scan ----------------------------------------------------------------------

void Simulatorzustand::ScanBeginnen()
{
    m_lauf = Lauf::Scan;
    CTBildLoeschen();
    emit scanBegonnen();
}

void Simulatorzustand::StopVerlangen()
{
    if (m_lauf == Lauf::Scan)
        m_lauf = Lauf::Stopp;
}

void Simulatorzustand::WinkelFertig(int drehwinkel)
{
    emit winkelFertig(drehwinkel);
}

void Simulatorzustand::ScanBeenden(bool bildGemacht)
{
    // A stop asked for at any moment of the scan, also during its last wait,
    // leaves a picture that a new scan may replace; the next scan starts
    // without it.
    const bool gestoppt = m_lauf == Lauf::Stopp;
    m_lauf = bildGemacht && !gestoppt ? Lauf::Bild : Lauf::KeinBild;
    emit scanBeendet(gestoppt);
}

// --- Pictures ------------------------------------------------------------------------

void Simulatorzustand::CTBildLoeschen()
{
    if (!Laeuft())
        m_lauf = Lauf::KeinBild;
    m_modell.CTBildLoeschen();
    m_schieber = 0;
    m_archivbildnummer = 0;
    emit ctBildGeloescht();
    // The settings a loaded picture locked are free again; "Every 10 steps"
    // stays unavailable with the angle steps 45 and 90.
    m_gesperrt = false;
    m_zwischenstufeFrei = !ohneZwischenstufe(m_auswahl.Winkelschritt);
    emit sperreGeaendert();
    FilterAuswaehlen(Filterart::Keiner);
    m_filterAktiv = false;
    m_filternummer = Filterart::Keiner;
}

void Simulatorzustand::VorlageLoeschen()
{
    CTBildLoeschen();
    emit vorlageGeloescht();
    for (int k = 1; k <= 5; ++k)
        FachLoeschen(k);
    setzeBildname({Bildname::Art::Unbenannt});
    m_modell.Weisszahl = 0;
    emit musterGeaendert();
}

void Simulatorzustand::MusterGemalt()
{
    emit musterGeaendert();
}

void Simulatorzustand::MusterWaehlen(ct::Muster muster)
{
    // A running scan keeps its pattern.
    if (Laeuft())
        return;
    VorlageLoeschen();
    switch (muster) {
    case ct::Muster::Wirbelsaeule: setzeBildname({Bildname::Art::Wirbelsaeule}); break;
    case ct::Muster::Herz: setzeBildname({Bildname::Art::Herz}); break;
    case ct::Muster::Gehirn: setzeBildname({Bildname::Art::Gehirn}); break;
    }
    emit musterUebernommen(muster);
    emit musterGeaendert();
}

// --- Filters and gray scale ----------------------------------------------------------

void Simulatorzustand::FilterAuswaehlen(ct::Filterart art)
{
    if (m_filterauswahl == art)
        return;
    m_filterauswahl = art;
    emit filterauswahlGeaendert(art);
    if (art == Filterart::Eigen)
        emit eigenkreationGewaehlt();
    else
        FilterWaehlen(art);
}

// The choice of a filter: the knob to 0, the filter on the CT picture, the
// maximum from the result (the minimum stays the CT picture's), and the
// result in the default colouring.
void Simulatorzustand::FilterWaehlen(ct::Filterart art)
{
    SchieberSetzen(0);
    m_filternummer = art;
    m_filterAktiv = art != Filterart::Keiner;
    FilterEinstellungen(art);
    ct::FilterAnwenden(art, m_modell.CTBild, m_modell.FilterBild, m_modell.Raster);
    gezeigtesFaerben();
}

const ct::Bildfeld& Simulatorzustand::gezeigtesBild() const
{
    return m_filterAktiv ? m_modell.FilterBild : m_modell.CTBild;
}

// The maximum from the picture shown (the minimum stays the CT picture's),
// and that picture in the default colouring.
void Simulatorzustand::gezeigtesFaerben()
{
    const ct::Bildfeld& gezeigt = gezeigtesBild();
    m_modell.Bildmaximum = ct::Maximum(gezeigt, m_modell.Raster);
    emit bildGefaerbt(ct::Faerben(gezeigt, m_modell.Raster));
}

void Simulatorzustand::FilterEinstellungen(ct::Filterart art)
{
    FilterAuswaehlen(art);
    m_status.Filter = art;
    statusSetzen(4);
}

int Simulatorzustand::EigenenKernAnwenden(const ct::Kern& gewichte)
{
    SchieberSetzen(0);
    m_filterAktiv = true;
    m_filternummer = Filterart::Eigen;
    FilterEinstellungen(Filterart::Eigen);
    const int divisor = ct::Eigendivisor(gewichte);
    ct::LineareFilter(m_modell.CTBild, m_modell.FilterBild, m_modell.Raster, gewichte, divisor);
    gezeigtesFaerben();
    return divisor;
}

void Simulatorzustand::SchieberSetzen(int P)
{
    if (P < 0 || P > Hoechstposition)
        return;
    m_schieber = P;
    emit schieberGesetzt(P);
}

void Simulatorzustand::GraucodeAenderung()
{
    // A running scan owns the picture area.
    if (Laeuft())
        return;
    emit bildGefaerbt(ct::GraucodeAenderung(m_schieber, gezeigtesBild(), m_modell.Raster, m_modell.Bildminimum,
                                            m_modell.Bildmaximum));
}

// --- The archive -----------------------------------------------------------------------

void Simulatorzustand::FachSpeichern(int k)
{
    if (k < 1 || k > 5)
        return;
    Archivfach& f = m_faecher[std::size_t(k - 1)];
    f.belegt = true;
    f.Bild = m_bildflaeche->bild().copy();
    Bildinformation& info = f.Information;
    info.Status = m_status;
    info.Winkelschritt = m_modell.Winkelschritt;
    info.Filternummer = m_filternummer;
    if (m_filternummer == Filterart::Eigen)
        info.Kerntexte = m_kerntexte;
    info.Bildmaximum = m_modell.Bildmaximum;
    info.Bildminimum = m_modell.Bildminimum;
    info.Schieberposition = m_schieber;
    f.CTBild = m_modell.CTBild;
    f.Messung = m_modell.Messung;
    if (m_filternummer != Filterart::Keiner)
        f.FilterBild = m_modell.FilterBild;
    emit fachGespeichert(k);
}

void Simulatorzustand::FachLoeschen(int k)
{
    if (k < 1 || k > 5)
        return;
    // The data stay, out of reach until the slot is saved again.
    m_faecher[std::size_t(k - 1)].belegt = false;
    if (m_archivbildnummer == k)
        setzeBildname({Bildname::Art::Unbenannt});
    emit fachGeloescht(k);
}

// The slot's look: its values, its gray-scale position and its picture.
void Simulatorzustand::aussehenHerstellen(const Archivfach& fach)
{
    m_modell.Bildmaximum = fach.Information.Bildmaximum;
    m_modell.Bildminimum = fach.Information.Bildminimum;
    SchieberSetzen(fach.Information.Schieberposition);
    emit bildHergestellt(fach.Bild);
}

void Simulatorzustand::FachLaden(int k)
{
    if (k < 1 || k > 5)
        return;
    const Archivfach& f = m_faecher[std::size_t(k - 1)];
    // An empty slot has nothing to load, and a running scan owns the picture.
    if (!f.belegt || Laeuft())
        return;

    m_archivbildnummer = k;
    m_modell.CTBild = f.CTBild;
    m_modell.Messung = f.Messung;
    // The slot's look comes back twice: here, and once more after the filter
    // choice of the settings check below, whose action re-filters the
    // picture, resets the knob and re-colours whenever another filter was
    // chosen before. A load shows what was saved, whatever was chosen before.
    aussehenHerstellen(f);
    // "Start" does nothing until the CT picture is deleted.
    m_lauf = Lauf::Bild;

    EinstellungsCheck(f.Information);
    if (m_filternummer != Filterart::Keiner)
        m_modell.FilterBild = f.FilterBild;
    if (m_filternummer == Filterart::Eigen) {
        m_kerntexte = f.Information.Kerntexte;
        emit kerntexteHergestellt();
    }
    // The filtered picture is the one shown whenever the slot has a filter,
    // also when the filter choice above did not have to run (an own kernel):
    // the gray-scale window then works on it.
    m_filterAktiv = m_filternummer != Filterart::Keiner;
    aussehenHerstellen(f);

    setzeBildname({Bildname::Art::Archivbild, k});
    m_gesperrt = true;
    emit sperreGeaendert();

    // The settings check selected the slot's convolution; without the apply
    // flag that only recorded it, so the model takes it here.
    m_modell.Faltung = f.Information.Status.Faltung.value_or(false);
    emit fachGeladen(k);
}
