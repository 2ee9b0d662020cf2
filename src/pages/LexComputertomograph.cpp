#include "pages/LexComputertomograph.h"

#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

TFormLexikonComputertomograph::TFormLexikonComputertomograph()
{
    setObjectName(QStringLiteral("FormLexikonComputertomograph"));
    setWindowTitle(tr("The 'real' comper tomography"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 612, 524);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    PageControl1 = Bausteine::notizbuch(this, QStringLiteral("PageControl1"), 9, 8, 593, 473);
    QWidget* allgemein = Bausteine::seite(PageControl1, QStringLiteral("TabSheet1"), tr("General"));
    Memo1 = Bausteine::memo(allgemein, QStringLiteral("Memo1"), 8, 8, 573, 425, QStringLiteral("lex_ct_allgemein"));

    struct Tafel
    {
        const char* titel;
        const char* datei;
        int hoehe;
        QScrollArea** kasten;
        Bildanzeige** bild;
        const char* name;
    };
    const Tafel tafeln[] = {
        {QT_TR_NOOP("Schwächungsgesetz"), "ct_schwaechungsgesetz", 540, &ScrollBox1, &BildSchwaechungsgesetz,
         "BildSchwaechungsgesetz"},
        {QT_TR_NOOP("Messwerterfassung"), "ct_messwerterfassung", 816, &ScrollBox2, &BildMesswerterfassung,
         "BildMesswerterfassung"},
        {QT_TR_NOOP("Projektionssatz"), "ct_projektionssatz", 1616, &ScrollBox3, &BildProjektionssatz, "BildProjektionssatz"},
        {QT_TR_NOOP("Rückprojektion"), "ct_rueckprojektion", 1312, &ScrollBox4, &BildRueckprojektion, "BildRueckprojektion"},
        {QT_TR_NOOP("Filterung im Ortsraum"), "ct_filterung", 1304, &ScrollBox5, &BildFilterung, "BildFilterung"},
    };
    int nummer = 2;
    for (const Tafel& t : tafeln) {
        QWidget* s = Bausteine::seite(PageControl1, QStringLiteral("TabSheet%1").arg(nummer),
                                      tr(t.titel));
        *t.kasten = Bausteine::rollkasten(s, QStringLiteral("ScrollBox%1").arg(nummer - 1), 8, 8, 573, 425, 548,
                                          t.hoehe);
        *t.bild = Bausteine::bild((*t.kasten)->widget(), QString::fromLatin1(t.name), 9, 0, 530, t.hoehe,
                                  QStringLiteral(":/pages/bilder/%1.svg").arg(QLatin1String(t.datei)));
        (*t.kasten)->verticalScrollBar()->setSingleStep(20);
        (*t.bild)->setAccessibleName(tr("Illustrated page: %1").arg(tr(t.titel)));
        ++nummer;
    }

    // six tabs in the notebook's width
    Bausteine::reiterEinpassen(PageControl1);

    EndeButton = Bausteine::endeKnopf(this, 269, 492);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
    fokusfalleFuerAlleTexte(this, EndeButton);
}
