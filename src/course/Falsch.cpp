#include "course/Falsch.h"

#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPushButton>

namespace {
QLabel* urteilsfeld(QWidget* eltern, const QString& name, const QString& text, int x, int y, int b, int h,
                    Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setGeometry(x, y, b, h);
    l->setAlignment(ausrichtung);
    l->hide();
    return l;
}
}  // namespace

TFormFalsch::TFormFalsch()
{
    fensterAnlegen(this, QStringLiteral("FormFalsch"), QString(), Rahmen::NurSchliessen, Lage::Dialog);
    setzeClientgroesse(this, 265, 140);

    Bild1 = new Bildanzeige(this, QStringLiteral("Bild1"));
    Bild1->setGeometry(14, 14, 78, 113);
    Bild1->setzeGestreckt(true);
    Bild1->setAccessibleName(tr("Röntgenbild des menschlichen Kopfes"));
    Falsch1 = urteilsfeld(this, QStringLiteral("Falsch1"), tr("That's not right."), 123, 32, 110, 16);
    Falsch2 = urteilsfeld(this, QStringLiteral("Falsch2"), tr("Not yet right"), 109, 32, 138, 16,
                          Qt::AlignHCenter | Qt::AlignTop);
    Richtig = urteilsfeld(this, QStringLiteral("Richtig"), tr("Very good! Correct!"), 125, 32, 107, 16);
    OKButton = knopf(this, QStringLiteral("OKButton"), tr("OK"), 151, 80, 55, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    setAccessibleName(tr("Verdict"));

    Skalierung::fensterSkalieren(this, Bildschirm::breite(), Bildschirm::hoehe());
    if (Layout::breite() == 1024)
        setzeAussengroesse(this, 349, 213);
    // A verdict is never cut off: a label narrower than its text grows to the
    // right (the centred one on both sides).
    for (QLabel* l : {Falsch1, Falsch2, Richtig}) {
        const int fehlt = l->sizeHint().width() - l->width();
        if (fehlt > 0)
            l->setGeometry(l->alignment() & Qt::AlignHCenter ? l->x() - fehlt / 2 : l->x(), l->y(),
                           l->width() + fehlt, std::max(l->height(), l->sizeHint().height()));
    }
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

void TFormFalsch::Urteil(QLabel* urteil)
{
    for (QLabel* l : {Falsch1, Falsch2, Richtig})
        l->setVisible(l == urteil);
    if (urteil == Richtig)
        Bild1->setzeBildquelle(Kurs::Portrait);
    else {
        Bild1->setzeBildquelle({});
        Bild1->setzeBild(Kurs::kopf());
    }
    Kurs::ansagen(this, urteil->text());
    modalZeigen(this);
}

void TFormFalsch::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FormShow();
}

void TFormFalsch::FormShow()
{
    // The hint follows the verdict of this showing.
    Bild1->setToolTip(Richtig->isVisibleTo(this)
                          ? tr("Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays")
                          : tr("Röntgenbild des menschlichen Kopfes"));
    Bild1->setAccessibleName(Bild1->toolTip());
}

void TFormFalsch::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    FormClose();
}

void TFormFalsch::FormClose()
{
    // However the dialog was closed (OK, close box, Escape), the next caller
    // starts from three hidden verdicts.
    Falsch1->hide();
    Falsch2->hide();
    Richtig->hide();
}
