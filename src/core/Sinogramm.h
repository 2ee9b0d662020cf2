#pragma once

// The measurements of one scan: every ray's reading at every angle, one row
// per angle and one column per ray, the data a scanner records and a
// sinogram shows. The scan fills it row by row (Simulator::Messung); the
// reconstructions of core/Rueckprojektion.h work from it alone. A plain
// value: copy it to keep a scan's data beside its picture.

#include <vector>

namespace ct {

class Sinogramm
{
public:
    // No scan: no grid, no rows.
    Sinogramm() = default;

    // The empty sinogram of a scan of an n x n grid with cell size c,
    // `strahlzahl` rays per angle and the angle step s: 180 div s rows for
    // the angles 0, s, 2s, ... below 180, none of them measured yet. A step
    // below 1 gives no rows.
    Sinogramm(int n, int c, int strahlzahl, int winkelschritt);

    // The scan's geometry, as laid out. Zeilenzahl() is 180 div the angle
    // step; row z holds the angle z * Winkelschritt(). Rays are numbered
    // 1 ... Strahlzahl() as in the simulator.
    int Raster() const { return m_raster; }
    int Kaestchengroesse() const { return m_kaestchengroesse; }
    int Strahlzahl() const { return m_strahlzahl; }
    int Winkelschritt() const { return m_winkelschritt; }
    int Zeilenzahl() const { return m_zeilenzahl; }
    int Winkel(int zeile) const { return zeile * m_winkelschritt; }

    // Rows are measured in angle order, so the measured ones are the rows
    // 0 ... GemesseneZeilen() - 1. A completed scan has measured all of them;
    // a stopped one fewer. A projection that was stopped in the middle of its
    // rays leaves no row: a row is complete or absent.
    int GemesseneZeilen() const { return m_gemessen; }
    bool Gemessen(int zeile) const { return zeile >= 0 && zeile < m_gemessen; }
    bool Vollstaendig() const { return m_gemessen == m_zeilenzahl && m_zeilenzahl > 0; }

    // The reading of ray k (1 ... Strahlzahl) in row z: the number of pattern
    // cells the ray touched times Zellschwaechung, the value the simulator
    // added to those cells. 0 for a row not measured or a ray out of range.
    float Messwert(int zeile, int strahl) const;

    // The largest reading of the measured rows; 0 while none is measured.
    float Hoechstwert() const { return m_hoechstwert; }

    // Records the next row from werte[1 ... Strahlzahl] (werte[0] is not
    // read). Does nothing once every row is measured.
    void ZeileAnfuegen(const float* werte);

    friend bool operator==(const Sinogramm&, const Sinogramm&) = default;

private:
    int m_raster = 0, m_kaestchengroesse = 0, m_strahlzahl = 0, m_winkelschritt = 0;
    int m_zeilenzahl = 0, m_gemessen = 0;
    float m_hoechstwert = 0.0f;
    std::vector<float> m_werte;   // row by row, Strahlzahl readings each
};

}  // namespace ct
