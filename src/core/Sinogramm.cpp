#include "core/Sinogramm.h"

#include <algorithm>
#include <cstddef>

namespace ct {

Sinogramm::Sinogramm(int n, int c, int strahlzahl, int winkelschritt, Messart art)
    : m_raster(n), m_kaestchengroesse(c), m_strahlzahl(std::max(strahlzahl, 0)), m_winkelschritt(winkelschritt),
      m_zeilenzahl(winkelschritt >= 1 ? 180 / winkelschritt : 0), m_art(art)
{
    // The room for every row at once, so that a scan never allocates.
    m_werte.assign(static_cast<std::size_t>(m_zeilenzahl) * static_cast<std::size_t>(m_strahlzahl), 0.0f);
}

int Sinogramm::GemesseneStrahlen(int zeile) const
{
    if (Gemessen(zeile))
        return m_strahlzahl;
    return zeile == m_gemessen ? m_teilstrahlen : 0;
}

bool Sinogramm::Gemessen(int zeile, int strahl) const
{
    return strahl >= 1 && strahl <= GemesseneStrahlen(zeile);
}

float Sinogramm::Messwert(int zeile, int strahl) const
{
    if (!Gemessen(zeile, strahl))
        return 0.0f;
    return m_werte[static_cast<std::size_t>(zeile * m_strahlzahl + strahl - 1)];
}

void Sinogramm::ZeileAnfuegen(const float* werte)
{
    if (m_gemessen >= m_zeilenzahl || m_teilstrahlen > 0)
        return;
    float* zeile = m_werte.data() + static_cast<std::ptrdiff_t>(m_gemessen) * m_strahlzahl;
    for (int k = 1; k <= m_strahlzahl; ++k) {
        zeile[k - 1] = werte[k];
        m_hoechstwert = std::max(m_hoechstwert, werte[k]);
    }
    ++m_gemessen;
}

void Sinogramm::TeilzeileAnfuegen(const float* werte, int strahlen)
{
    if (m_gemessen >= m_zeilenzahl || m_teilstrahlen > 0 || strahlen < 1 || strahlen >= m_strahlzahl)
        return;
    float* zeile = m_werte.data() + static_cast<std::ptrdiff_t>(m_gemessen) * m_strahlzahl;
    for (int k = 1; k <= strahlen; ++k) {
        zeile[k - 1] = werte[k];
        m_hoechstwert = std::max(m_hoechstwert, werte[k]);
    }
    m_teilstrahlen = strahlen;
}

}  // namespace ct
