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

QSize& ganzerBildschirm()
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
    einpassen({});
}

void einpassen(QSize groesse, QSize bildschirm)
{
    layout() = groesse.isEmpty() ? QSize() : groesse;
    ganzerBildschirm() = groesse.isEmpty() ? QSize() : bildschirm;
}

bool eingepasst()
{
    return !layout().isEmpty();
}

QRect flaeche()
{
    const Anzeigedaten d = echt();
    return QRect(QPoint(0, 0), QSize(d.breite, d.hoehe).expandedTo(ganzerBildschirm()));
}

int versatz()
{
    return eingepasst() ? std::max(0, (flaeche().width() - layout().width()) / 2) : 0;
}

QRect layoutrahmen()
{
    const Anzeigedaten d = abfragen();
    return QRect(versatz(), 0, d.breite, d.hoehe);
}

}  // namespace Bildschirm
