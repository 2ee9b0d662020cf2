#pragma once

// The scan simulator without its window: grid and layout values, the sine
// and ray tables, the CT picture, the scan geometry with projection and
// back-projection, and the angle loop of a scan. Drawing and stopping reach
// it through a Scanbeobachter (below), so the same model runs in the
// simulator window, in a test and in a benchmark.

#include "core/Bildfeld.h"
#include "core/Farben.h"
#include "core/Sinogramm.h"

#include <array>
#include <cstdint>
#include <functional>

namespace ct {

// A cell of the grid as (column, row); (0, 0) stands for "no cell".
struct Kaestchen
{
    int Spalte = 0;
    int Zeile = 0;

    friend bool operator==(const Kaestchen&, const Kaestchen&) = default;
};

// The cells an oblique ray touches. Entry 0 is a sentinel (0, 0) that is
// never filled, so "the last entry" always exists; entries 1 ... Anzahl are
// the cells in the order they were found. Entries outside the grid (column
// or row outside 1 ... n) stay in the list and every use skips them. Each of
// the n + 1 grid lines a ray crosses adds at most two entries, so the room
// of 2 * (56 + 1) + 1 entries always suffices.
struct Strahlliste
{
    static constexpr int Platz = 2 * (Feldgroesse + 1) + 1;

    std::array<Kaestchen, Platz> Eintrag{};
    int Anzahl = 0;

    void Leeren() { Anzahl = 0; }
};

// The cells a ray adds to, as positions in a Bildfeld's storage
// (Bildfeld::Stelle); see Simulator::StrahlstellenFuellen. One entry more
// than a list's room, which the walk may write beyond its last cell.
using Strahlstellen = std::array<std::uint16_t, Strahlliste::Platz + 1>;

// A point after a rotation, stored as floats.
struct PunktF
{
    float x = 0.0f, y = 0.0f;
};

// A point in whole pixels of a drawing surface.
struct Punkt
{
    int x = 0, y = 0;

    friend bool operator==(const Punkt&, const Punkt&) = default;
};

using Viereck = std::array<Punkt, 4>;

// The three outlines that CTZeichnen draws: source bar, first and second
// detector bar, each as four corners (the outline closes back to the first).
struct Geraeteumriss
{
    Viereck Sender, Detektor1, Detektor2;
};

// What RoentgenZeichnen draws for one ray: the emitting segment of the source
// (red), the first detector bar's segment in the beam colour, the second
// detector bar's segment in the reading colour, and the red ray line.
struct Strahlbild
{
    Viereck Sender, Detektor1, Detektor2;
    Farbe Strahl, Anzeige;
    Punkt Anfang, Ende;
};

// How much of a scan is drawn: every projection, every tenth angle step
// (the angles divisible by 10 * Winkelschritt), or only the end.
enum class Darstellung { Alles, Zwischenstufe, Endergebnis };

// Whether the projection at `drehwinkel` is drawn: always with Alles, with
// Zwischenstufe when the angle is divisible by 10 * winkelschritt, never with
// Endergebnis.
bool SchrittWirdGezeigt(Darstellung d, int drehwinkel, int winkelschritt);

// ---------------------------------------------------------------------------
// Scanbeobachter: what a scan shows and when it stops.
//
// The model calls these in the order of the scan and never waits itself; an
// observer that shows the scan does its drawing and waiting in them.
//
//   Abbruch()                 the stop test, before every ray (and every empty
//                             ray beside the grid at 0 and 90 degrees). True
//                             ends the running projection at once: nothing
//                             further of it is drawn or added. Answering true
//                             must not clear whatever made it true.
//   SchrittGezeigt(a)         whether the projection at angle a is drawn
//                             (SchrittWirdGezeigt for the display chosen now).
//                             It is asked again at every point the scan needs
//                             it, so a change of the display during a
//                             projection takes effect within it.
//   CTZeichnen(a)             a drawn step begins or a ray was drawn: the
//                             outlines of source and detector at angle a
//                             (CTUmrisse).
//   RoentgenZeichnen(a,k,n)   ray k at angle a crossed n pattern cells: the
//                             ray with its beam and reading colours
//                             (RoentgenTeile); an observer that shows rays one
//                             by one may wait here.
//   Faerben(bild)             the CT picture as it stands, to be shown in the
//                             default colouring (ct::Faerben): after every
//                             drawn projection and once at the end of a scan.
//
//   The angle loop (Simulator::Tomographie) adds:
//   SchleifeBeginn(p)         before the loop: p projections follow.
//   SchleifeAbbruch()         the loop's own stop test at the start of every
//                             angle; true ends the scan at once, without the
//                             final colouring and without SchleifeEnde.
//   WinkelBeginn(a)           the projection at angle a begins; the model then
//                             calls CTZeichnen(a) and projects.
//   WinkelEnde(a)             the projection at angle a is done (or was ended
//                             by the stop test); an observer that shows the
//                             scan lets it be seen and waits here.
//   SchleifeEnde()            after the last angle, once Faerben has shown the
//                             finished picture.
//
//   Beside the drawing, for windows that show the measurements:
//   ZeileGemessen(a)          after the projection at angle a has run through
//                             all its rays, before WinkelEnde(a): its row of
//                             readings is now the last measured row of
//                             Simulator::Messung. Not called for a projection
//                             that a stop test ended (its measured rays are
//                             recorded as a part of a row). Does nothing
//                             unless overridden.
//
// A test or a benchmark uses StillerBeobachter, which draws nothing and never
// stops, or derives from it to record what it needs.
// ---------------------------------------------------------------------------
class Scanbeobachter
{
public:
    virtual ~Scanbeobachter() = default;

    virtual bool Abbruch() = 0;
    virtual bool SchrittGezeigt(int drehwinkel) = 0;
    virtual void CTZeichnen(int drehwinkel) = 0;
    virtual void RoentgenZeichnen(int drehwinkel, int strahl, int anzahl) = 0;
    virtual void Faerben(const Bildfeld& bild) = 0;

    virtual void SchleifeBeginn(int projektionen) = 0;
    virtual bool SchleifeAbbruch() = 0;
    virtual void WinkelBeginn(int drehwinkel) = 0;
    virtual void WinkelEnde(int drehwinkel) = 0;
    virtual void SchleifeEnde() = 0;

    virtual void ZeileGemessen(int /*drehwinkel*/) {}
};

class StillerBeobachter : public Scanbeobachter
{
public:
    bool Abbruch() override { return false; }
    bool SchrittGezeigt(int) override { return false; }
    void CTZeichnen(int) override {}
    void RoentgenZeichnen(int, int, int) override {}
    void Faerben(const Bildfeld&) override {}

    void SchleifeBeginn(int) override {}
    bool SchleifeAbbruch() override { return false; }
    void WinkelBeginn(int) override {}
    void WinkelEnde(int) override {}
    void SchleifeEnde() override {}
};

// Reads the colour of one pixel of the pattern image as 0xRRGGBB; a byte
// above those 24 bits (the alpha of a 32-bit pixel) is ignored.
using Pixelleser = std::function<std::uint32_t(int x, int y)>;

// The simulator's values and its arithmetic. A scan runs: CTBildLoeschen,
// Einlesen of the pattern, and unless Weisszahl is n * n (an empty pattern)
// Tomographie with a Scanbeobachter, then BildgrenzenSetzen.
// The public values carry the names the rest of the program knows them by;
// the simulator's state sets Winkelschritt and Faltung from its settings.
class Simulator
{
public:
    // Initial values; lays out the default grid of 38 cells for a layout
    // width of 800 with no offset, so the values are complete at once; a
    // user lays it out again with its own width and offsets.
    Simulator();

    // --- Grid and layout --------------------------------------------------
    int Raster = 38;            // n, cells per side: 4, 20, 38 or 56
    int Kaestchengroesse = 0;   // c, cell size in pixels
    int RasterMin = 0;          // grid bounds in grid pixels: 0 ...
    int RasterMax = 0;          // ... n * c
    int Strahlzahl = 0;         // parallel rays per projection

    // Scan-drawing geometry, in pixels of the scan drawing.
    float VersatzX = 0.0f, VersatzY = 0.0f;   // pattern image within the scan drawing
    float Halbraster = 0.0f;                  // n * c * 0.5
    float MitteX = 0.0f, MitteY = 0.0f;       // grid centre in the scan drawing
    float Diagonale = 0.0f;                   // n * sqrt(2) * c
    float Balkendicke = 0.0f;                 // layout width * 10 div 800

    // Sine and cosine of whole degrees 0 ... 180.
    std::array<float, 181> SinTab{}, CosTab{};
    // Room for the values of rays 1 ... 80, by ray number; index 0 is unused.
    static constexpr int Strahlplatz = 81;
    // Centre of ray k across the beam before rotation, k = 1 ... Strahlzahl;
    // 0 up to index 80. Index 0 is unused.
    std::array<float, Strahlplatz> Strahlposition{};

    // --- Pictures ---------------------------------------------------------
    Bildfeld CTBild;            // pattern flags and accumulated values
    Bildfeld FilterBild;        // the result of the last filter
    int Weisszahl = 0;          // white cells when the pattern was last read
    // The readings of the last scan, one row per finished projection and
    // the measured rays of a projection a stop ended (see core/Sinogramm.h).
    // Tomographie lays it out anew and fills it; deleting the CT picture
    // empties it.
    Sinogramm Messung;

    // --- Scan state -------------------------------------------------------
    int Drehwinkel = 0;         // current projection angle
    int Winkelschritt = 2;      // 1, 2, 10, 45 or 90
    bool Faltung = false;       // convolution switched on
    float Zellschwaechung = 10.0f;   // what one pattern cell adds to a ray
    float Faltungsmitte = 1.0f;      // divisor of the centre term
    float Faltungsnachbar = 2.0f;    // divisor of the neighbour term
    float VorigerStrahlwert = 0.0f;  // the previous ray's value
    // The cells of an oblique ray as listed by StrahlkaestchenFuellen. A
    // projection finds the same cells by the same rules but keeps only the
    // positions of those inside the grid; the previous ray's list is empty
    // at the start of every oblique ray, so oblique rays have no neighbour
    // term.
    Strahlliste Strahlkaestchen;
    Strahlliste VorigeStrahlkaestchen;

    // --- Results -----------------------------------------------------------
    // The bounds of the picture shown: of CTBild after a scan; a filter sets
    // the maximum from its result.
    float Bildmaximum = 0.0f, Bildminimum = 0.0f;

    // --- Operations -------------------------------------------------------

    // Lays out the grid for n cells per side (4, 20, 38 or 56) and a layout
    // width of 800 or 1024, with the pattern image at (versatzX, versatzY)
    // in the scan drawing: cell size and ray count, grid bounds, the drawing
    // geometry, the ray positions, and a fresh CT picture. For another width
    // the cell size keeps its previous value. Another n changes nothing and
    // gives false.
    bool RasterEinrichten(int n, int breite, float versatzX, float versatzY);

    // Every cell of the whole field: value 0, part of the pattern; and no
    // recorded measurements (an empty Messung).
    void CTBildLoeschen();

    // Reads the pattern from the pattern image: a cell whose centre pixel
    // ((x-1)*c + c div 2, (y-1)*c + c div 2) is exactly white is empty and
    // counted in Weisszahl; any other colour makes it a pattern cell.
    void Einlesen(const Pixelleser& pixel);

    // Bildmaximum and Bildminimum from the n x n cells of CTBild.
    void BildgrenzenSetzen();

    // The scan's angle loop: projections at 0, s, 2s, ... below 180 for the
    // angle step s = Winkelschritt, then the colouring. False when it was
    // stopped (SchleifeAbbruch); the values added so far stay in CTBild.
    // Records the readings in Messung, laid out afresh before the first
    // angle: a row for each projection that ran through all its rays. A
    // projection ended by a stop test has added part of its values to
    // CTBild and leaves the readings of those rays as a part of a row
    // (Sinogramm::Teilstrahlen), so that the readings and CTBild agree.
    bool Tomographie(Scanbeobachter& b);

    // One projection at Drehwinkel, dispatched by angle: rows at 0, columns
    // at 90, oblique rays across the vertical grid lines at 1 ... 45 and
    // 135 ... 179, across the horizontal ones at 46 ... 134. False when a
    // stop test ended it.
    bool AlleStrahlSchnitt(Scanbeobachter& b);

    // --- Geometry ---------------------------------------------------------

    // Rotation by a whole degrees about the grid centre (DrehenB, grid
    // pixels) or about the grid centre in the scan drawing (DrehenG).
    PunktF DrehenB(int a, long double x, long double y) const;
    PunktF DrehenG(int a, long double x, long double y) const;

    // The crossing of a ray (middle point p, slope tan) with the vertical
    // grid line at x: (x div c, crossed row), the cell left of the line; or
    // with the horizontal line at y: (crossed column, y div c), the cell
    // above it. (0, 0) when the crossing lies off the grid.
    Kaestchen SchiefSenkrecht(int x, float tan, PunktF p) const;
    Kaestchen SchiefWaagrecht(int y, float tan, PunktF p) const;

    // Fills Strahlkaestchen with the cells that oblique ray k touches at
    // angle a (1 ... 179 without 90) and returns it. Rows and columns at 0
    // and 90 degrees need no list; the list stays empty there.
    const Strahlliste& StrahlkaestchenFuellen(int a, int k);

    // The cells inside the grid that ray k adds its value to at angle a
    // (0 ... 179), exactly those of a projection: the ray's row at 0
    // degrees, its column at 90, the cells of StrahlkaestchenFuellen inside
    // the grid otherwise; none for a ray beside the grid or k outside
    // 1 ... Strahlzahl. Writes their positions to `stellen` and returns their
    // number.
    int StrahlstellenFuellen(int a, int k, Strahlstellen& stellen) const;

    // The edges of the bars, before rotation, in scan-drawing pixels: the
    // source's inner edge X0, the detector's inner edge X1, and the top and
    // bottom of the beam.
    long double SenderKante() const;
    long double DetektorKante() const;
    long double BalkenOben() const;
    long double BalkenUnten() const;

    // What CTZeichnen and RoentgenZeichnen draw at angle a, every corner
    // rotated with DrehenG and rounded to whole pixels.
    Geraeteumriss CTUmrisse(int a) const;
    Strahlbild RoentgenTeile(int a, int k, int anzahl) const;

    // The angle gauge of height h: the needle's outer end for angle a (it
    // runs to (h, h)).
    Punkt Zeigerspitze(int a, int h) const;

private:
    struct Richtung;

    bool GeradeSchnitt(Scanbeobachter& b, bool spalten);
    bool SchiefSchnitt(Scanbeobachter& b);
    Richtung RichtungBei(int a) const;
    int Strahlzellen(const Richtung& r, int k, std::uint16_t* stellen) const;
    Viereck Vierecksecken(int a, long double x1, long double x2, long double oben, long double unten) const;
    Punkt Gerundet(PunktF p) const;

    // The readings of the running projection, by ray 1 ... Strahlzahl, and
    // how many of its rays have added their values so far.
    std::array<float, Strahlplatz> m_strahlwerte{};
    int m_gemesseneStrahlen = 0;
};

}  // namespace ct
