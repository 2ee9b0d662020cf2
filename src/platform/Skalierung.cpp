#include "platform/Skalierung.h"

#include "platform/Fensterart.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QVariant>
#include <QWidget>
#include <cstdint>

namespace Skalierung {

int mulDivRund(int a, int m, int d)
{
    const std::int64_t z = std::int64_t(a) * m;
    const std::int64_t betrag = (2 * (z < 0 ? -z : z) + d) / (2 * std::int64_t(d));
    return int(z < 0 ? -betrag : betrag);
}

int punkteAusPixeln(int pixel)
{
    return mulDivRund(pixel, 72, 96);
}

int pixelAusPunkten(int punkte)
{
    return mulDivRund(punkte, 96, 72);
}

namespace {

bool istSteuerelement(const QWidget* w)
{
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return false;
    return !qobject_cast<const QMenuBar*>(w) && !qobject_cast<const QMenu*>(w) && !qobject_cast<const QScrollBar*>(w)
        && !qobject_cast<const QTabBar*>(w);
}

void schriftSkalieren(QWidget* w, int m)
{
    QFont f = w->font();
    const int pixel = f.pixelSize() > 0 ? f.pixelSize() : pixelAusPunkten(int(f.pointSizeF() + 0.5));
    const int punkte = mulDivRund(punkteAusPixeln(pixel), m, 800);
    f.setPixelSize(pixelAusPunkten(punkte));
    w->setFont(f);
}

void kinderSkalieren(QWidget* eltern, int m)
{
    for (QObject* o : eltern->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        steuerelementSkalieren(w, m);
    }
}

}  // namespace

void steuerelementSkalieren(QWidget* w, int m)
{
    if (istSteuerelement(w)) {
        const QRect g = w->geometry();
        const int l = mulDivRund(g.left(), m, 800);
        const int t = mulDivRund(g.top(), m, 800);
        const int b = mulDivRund(g.left() + g.width(), m, 800) - l;
        const int h = mulDivRund(g.top() + g.height(), m, 800) - t;
        if (w->testAttribute(Qt::WA_SetFont))
            schriftSkalieren(w, m);
        w->setGeometry(l, t, b, h);
        if (w->property("autoSize").toBool())
            w->adjustSize();
    }
    kinderSkalieren(w, m);
}

void fensterSkalieren(QWidget* fenster, int breite, int hoehe)
{
    if (breite == 800 && hoehe == 600)
        return;
    const int clientHoehe = fenster->height() * hoehe / 600;
    const int clientBreite = fenster->width() * hoehe / 800;
    if (fenster->testAttribute(Qt::WA_SetFont))
        schriftSkalieren(fenster, breite);
    kinderSkalieren(fenster, breite);
    setzeClientgroesse(fenster, mulDivRund(clientBreite, breite, 800), mulDivRund(clientHoehe, breite, 800));
}

}  // namespace Skalierung
