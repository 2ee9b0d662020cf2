#include "platform/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace Bildschirm {

namespace {
std::optional<Anzeigedaten>& ersatz()
{
    static std::optional<Anzeigedaten> daten;
    return daten;
}

QSize& layout()
{
    static QSize groesse;
    return groesse;
}

Anzeigedaten echt()
{
    if (ersatz())
        return *ersatz();
    Anzeigedaten d;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        d.ppi = int(std::lround(s->logicalDotsPerInch()));
        d.farbtiefe = s->depth();
        d.breite = s->geometry().width();
        d.hoehe = s->geometry().height();
    }
    return d;
}
}  // namespace

Anzeigedaten abfragen()
{
    Anzeigedaten d = echt();
    if (eingepasst()) {
        d.breite = layout().width();
        d.hoehe = layout().height();
    }
    return d;
}

void ersetzen(const Anzeigedaten& daten)
{
    ersatz() = daten;
}

void zuruecksetzen()
{
    ersatz().reset();
    layout() = QSize();
}

void einpassen(QSize groesse)
{
    layout() = groesse.isEmpty() ? QSize() : groesse;
}

bool eingepasst()
{
    return !layout().isEmpty();
}

QRect flaeche()
{
    const Anzeigedaten d = echt();
    return QRect(0, 0, d.breite, d.hoehe);
}

int versatz()
{
    return eingepasst() ? std::max(0, (echt().breite - layout().width()) / 2) : 0;
}

QRect layoutrahmen()
{
    const Anzeigedaten d = abfragen();
    return QRect(versatz(), 0, d.breite, d.hoehe);
}

}  // namespace Bildschirm
