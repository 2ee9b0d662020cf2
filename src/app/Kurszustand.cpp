#include "app/Kurszustand.h"

void Kurszustand::setzeSeite(int k)
{
    if (k == m_seite)
        return;
    m_seite = k;
    emit seiteGeaendert(k);
}

void Kurszustand::setzeLernmodus(bool lernen)
{
    m_lernmodus = lernen;
    emit lernmodusGesetzt(lernen);
}

void Kurszustand::neuAnbieten(bool an)
{
    if (an == m_neu)
        return;
    m_neu = an;
    emit neuAngebotGeaendert(an);
}

void Kurszustand::modiAnbieten(bool an)
{
    if (an == m_modi)
        return;
    m_modi = an;
    emit modiAngebotGeaendert(an);
}
