#include "app/Kursseite.h"

#include "app/HauptBlatt.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QEvent>
#include <QPushButton>
#include <QShowEvent>

Kursseite::Kursseite(const QString& name)
{
    setObjectName(name);
    fensterart(this, Rahmen::Ohne, Lage::Flaeche);
    setFont(arial(13));
    weissHinterlegen(this);
    resize(800, 520);
    WeiterButton = knopf(this, QStringLiteral("WeiterButton"), tr("Continue"), 0, 0, 75, 25);
}

void Kursseite::seiteEinrichten()
{
    Skalierung::fensterSkalieren(this, Bildschirmbreite, Bildschirmhoehe);
    setGeometry(Bildschirm::versatz(), 18, Bildschirmbreite, Bildschirmhoehe - Leistenhoehe);
    WeiterButton->move(-100, WeiterButton->y());
}

void Kursseite::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

bool Kursseite::event(QEvent* e)
{
    const bool ergebnis = QWidget::event(e);
    if (e->type() == aktivierungsereignis() && isVisible())
        FormActivate();
    return ergebnis;
}
