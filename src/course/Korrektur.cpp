#include "course/Korrektur.h"

#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

TFormKorrektur::TFormKorrektur()
{
    fensterAnlegen(this, QStringLiteral("FormKorrektur"), QString(), Rahmen::NurSchliessen, Lage::Dialog);
    setzeClientgroesse(this, 371, 145);

    Bild1 = new Bildanzeige(this, QStringLiteral("Bild1"));
    Bild1->setGeometry(24, 15, 78, 113);
    Bild1->setzeGestreckt(true);
    Bild1->setAccessibleName(tr("Röntgenbild des menschlichen Kopfes"));
    Zeile1 = bezeichnung(this, QStringLiteral("Zeile1"), {}, 128, 16);
    Zeile2 = bezeichnung(this, QStringLiteral("Zeile2"), {}, 128, 48);
    Zeile3 = bezeichnung(this, QStringLiteral("Zeile3"), {}, 128, 80);
    OKButton = knopf(this, QStringLiteral("OKButton"), tr("OK"), 297, 104, 55, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    setAccessibleName(tr("Correction"));

    Skalierung::fensterSkalieren(this, Bildschirm::breite(), Bildschirm::hoehe());
    if (Layout::breite() == 1024)
        setzeAussengroesse(this, 451, 217);
    m_breite = width();
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);
}

void TFormKorrektur::Meldung(const QString& z1, const QString& z2, const QString& z3, bool lob)
{
    for (auto [zeile, text] : {std::pair{Zeile1, z1}, std::pair{Zeile2, z2}, std::pair{Zeile3, z3}}) {
        zeile->setText(text);
        zeile->adjustSize();
    }
    // The message must be readable in full: a line longer than the dialog
    // (the fixed size of the large layout is narrow for its larger font)
    // widens it, and the OK button keeps its margin to the right edge.
    const int okRand = Skalierung::mulDivRund(19, Bildschirm::breite() > 800 ? Layout::breite() : 800, 800);
    const int textrand = Skalierung::mulDivRund(3, okRand, 19);
    int noetig = m_breite;
    for (QLabel* zeile : {Zeile1, Zeile2, Zeile3})
        noetig = std::max(noetig, zeile->x() + zeile->width() + textrand);
    if (!isVisible()) {
        if (noetig != width()) {
            setzeClientgroesse(this, noetig, height());
            aufBildschirmZentrieren(this);
        }
        OKButton->move(width() - okRand - OKButton->width(), OKButton->y());
    }
    if (lob) {
        Bild1->setzeBildquelle(Kurs::Portrait);
        Bild1->setToolTip(tr("Wilhelm Conrad Röntgen (1845–1923), the discoverer of X-rays"));
    } else {
        Bild1->setzeBildquelle({});
        Bild1->setzeBild(Kurs::kopf());
        Bild1->setToolTip(tr("Röntgenbild des menschlichen Kopfes"));
    }
    Bild1->setAccessibleName(Bild1->toolTip());
    QStringList zeilen{z1};
    for (const QString& z : {z2, z3})
        if (!z.isEmpty())
            zeilen << z;
    Kurs::ansagen(this, zeilen.join(QLatin1Char(' ')));
    modalZeigen(this);
}
