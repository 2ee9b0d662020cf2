#include "platform/Bildschirm.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <optional>

namespace Bildschirm {

namespace {
std::optional<Anzeigedaten>& ersatz()
{
    static std::optional<Anzeigedaten> daten;
    return daten;
}
}  // namespace

Anzeigedaten abfragen()
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

void ersetzen(const Anzeigedaten& daten)
{
    ersatz() = daten;
}

void zuruecksetzen()
{
    ersatz().reset();
}

}  // namespace Bildschirm
