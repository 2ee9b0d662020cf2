#pragma once

// The measurements of one scan: every ray's reading at every angle, one row
// per angle and one column per ray, the data a scanner records and a
// sinogram shows. The scan fills it row by row (Simulator::Messung); the
// reconstructions of core/Rueckprojektion.h and core/Rekonstruktion.h work
// from it alone. A plain value: copy it to keep a scan's data beside its
// picture.

#include <vector>

namespace ct {

// What a reading is. The scan counts the pattern cells a ray touches, each
// adding the same amount (Zaehlung). A detector measures the attenuation
// along the ray's path: the sum over the cells of the length of the ray in
// the cell times the cell's attenuation, in cell sides (Weglaenge).
enum class Messart { Zaehlung, Weglaenge };

class Sinogramm
{
public:
    // No scan: no grid, no rows.
    Sinogramm() = default;

    // The empty sinogram of a scan of an n x n grid with cell size c,
    // `strahlzahl` rays per angle and the angle step s: 180 div s rows for
    // the angles 0, s, 2s, ... below 180, none of them measured yet. A step
    // below 1 gives no rows.
    Sinogramm(int n, int c, int strahlzahl, int winkelschritt, Messart art = Messart::Zaehlung);

    // The scan's geometry, as laid out. Zeilenzahl() is 180 div the angle
    // step; row z holds the angle z * Winkelschritt(). Rays are numbered
    // 1 ... Strahlzahl() as in the simulator.
    int Raster() const { return m_raster; }
    int Kaestchengroesse() const { return m_kaestchengroesse; }
    int Strahlzahl() const { return m_strahlzahl; }
    int Winkelschritt() const { return m_winkelschritt; }
    int Zeilenzahl() const { return m_zeilenzahl; }
    int Winkel(int zeile) const { return zeile * m_winkelschritt; }
    Messart Art() const { return m_art; }

    // Rows are measured in angle order, so the complete ones are the rows
    // 0 ... GemesseneZeilen() - 1. A completed scan has measured all of them;
    // a stopped one fewer. A projection stopped in the middle of its rays
    // leaves the rays it measured, 1 ... Teilstrahlen(), in the row
    // GemesseneZeilen() (Teilstrahlen() is 0 when there is no such part).
    int GemesseneZeilen() const { return m_gemessen; }
    bool Gemessen(int zeile) const { return zeile >= 0 && zeile < m_gemessen; }
    int Teilstrahlen() const { return m_teilstrahlen; }
    // Whether ray k of row z was measured, completely or as part of a row.
    bool Gemessen(int zeile, int strahl) const;
    // The rows holding a measured ray: the complete ones and a part.
    int Messzeilen() const { return m_gemessen + (m_teilstrahlen > 0 ? 1 : 0); }
    // The rays measured in row z: Strahlzahl() for a complete row, the part's
    // rays, or 0.
    int GemesseneStrahlen(int zeile) const;
    bool Vollstaendig() const { return m_gemessen == m_zeilenzahl && m_zeilenzahl > 0; }

    // The reading of ray k (1 ... Strahlzahl) in row z: for Zaehlung the
    // number of pattern cells the ray touched times Zellschwaechung, the
    // value the simulator added to those cells; for Weglaenge the ray's
    // attenuation along its path. 0 for a reading not measured or a ray out
    // of range.
    float Messwert(int zeile, int strahl) const;

    // The largest reading of the measured rays; 0 while none is measured.
    float Hoechstwert() const { return m_hoechstwert; }

    // Records the next row from werte[1 ... Strahlzahl] (werte[0] is not
    // read). Does nothing once every row is measured or a part of a row is.
    void ZeileAnfuegen(const float* werte);
    // Records the rays 1 ... strahlen (fewer than Strahlzahl) of the next
    // row from werte[1 ... strahlen]: the part of a projection that a stop
    // ended. Nothing more can be added after it.
    void TeilzeileAnfuegen(const float* werte, int strahlen);

    friend bool operator==(const Sinogramm&, const Sinogramm&) = default;

private:
    int m_raster = 0, m_kaestchengroesse = 0, m_strahlzahl = 0, m_winkelschritt = 0;
    int m_zeilenzahl = 0, m_gemessen = 0, m_teilstrahlen = 0;
    Messart m_art = Messart::Zaehlung;
    float m_hoechstwert = 0.0f;
    std::vector<float> m_werte;   // row by row, Strahlzahl readings each
};

}  // namespace ct
