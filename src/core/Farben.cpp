#include "core/Farben.h"

#include "core/Arithmetik.h"

#include <algorithm>

namespace ct {

Farbe Strahlfarbe(int anzahl)
{
    if (anzahl <= 0)
        return Rot;
    const long double p = Zweipot(anzahl);
    return {255, static_cast<std::uint8_t>(Runden((p - 1.0L) * 255.0L / p)),
            static_cast<std::uint8_t>(Runden((p - 1.0L) * 255.0L / p))};
}

Farbe Anzeigefarbe(int anzahl)
{
    if (anzahl <= 0)
        return Weiss;
    // A ray can cross more than 51 pattern cells on the large grids; the
    // reading stays black there.
    return Farbe::Grau(std::max(0, 255 - 5 * anzahl));
}

float Maximum(const Bildfeld& bild, int n)
{
    float m = bild(1, 1).Wert;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (m < bild(x, y).Wert)
                m = bild(x, y).Wert;
    return m;
}

float Minimum(const Bildfeld& bild, int n)
{
    float m = bild(1, 1).Wert;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (bild(x, y).Wert < m)
                m = bild(x, y).Wert;
    return m;
}

int FaerbenGrau(float wert, float min, float max)
{
    const long double d = (static_cast<long double>(wert) - min) * 255.0L
                          / (static_cast<long double>(max) - min + 1.0L);
    return 255 - static_cast<int>(Runden(d));
}

Graufeld Faerben(const Bildfeld& bild, int n)
{
    Graufeld stufen;
    stufen.Fuellen(255);
    const float max = Maximum(bild, n);
    const float min = Minimum(bild, n);
    // The divisor is the same for every cell; the quotient is still formed
    // per cell, as the rounding depends on it.
    const long double teiler = static_cast<long double>(max) - min + 1.0L;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const long double d = (static_cast<long double>(bild(x, y).Wert) - min) * 255.0L / teiler;
            stufen(x, y) = static_cast<std::uint8_t>(255 - Runden(d));
        }
    return stufen;
}

float Graucodeschwelle(float min, float max, int P)
{
    const long double anteil = static_cast<long double>(P) * (1.0L / 255.0L);
    return static_cast<float>(anteil * (static_cast<long double>(max) - min) + min);
}

namespace {

int Graustufe(float wert, float T, long double breite)
{
    if (wert < T || breite <= 0.0L)
        return 255;
    long double m = (static_cast<long double>(wert) - T) / breite * 255.0L;
    m = std::min(m, 255.0L);
    return 255 - static_cast<int>(Runden(m));
}

}  // namespace

int GraucodeGrau(float wert, float T, float max)
{
    return Graustufe(wert, T, static_cast<long double>(max) - T);
}

Graufeld GraucodeAenderung(int P, const Bildfeld& bild, int n, float min, float max)
{
    Graufeld stufen;
    stufen.Fuellen(255);
    const float T = Graucodeschwelle(min, max, P);
    const long double breite = static_cast<long double>(max) - T;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            stufen(x, y) = static_cast<std::uint8_t>(Graustufe(bild(x, y).Wert, T, breite));
    return stufen;
}

}  // namespace ct
