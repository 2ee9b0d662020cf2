#include "app/Kursseite.h"

#include "app/HauptBlatt.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"
#include "platform/Zugang.h"

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

Kurszustand& Kursseite::kurs()
{
    return FormHaupt->Zustand;
}

void Kursseite::seiteEinrichten()
{
    Skalierung::fensterSkalieren(this, Layout::breite(), Layout::hoehe());
    setGeometry(Layout::versatz(), 18, Layout::breite(), Layout::hoehe() - Layout::leistenhoehe());
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

bool Kursseite::focusNextPrevChild(bool next)
{
    const QList<QWidget*> folge = Zugang::tabfolge(this);
    QWidget* jetzt = focusWidget();
    const bool amRand = folge.isEmpty() || jetzt == (next ? folge.last() : folge.first());
    if (amRand && FormHaupt->leisteBetreten(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}
