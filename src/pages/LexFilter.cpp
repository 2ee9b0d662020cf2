#include "pages/LexFilter.h"

#include "pages/Bausteine.h"
#include "pages/Koerperbilder.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

TFormLexikonFilter::TFormLexikonFilter()
{
    setObjectName(QStringLiteral("FormLexikonFilter"));
    setWindowTitle(tr("Filter and Convolution"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 578, 470);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    PageControl1 = Bausteine::notizbuch(this, QStringLiteral("PageControl1"), 8, 8, 562, 417);
    QWidget* s1 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet1"), tr("General"));
    QWidget* s2 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet2"), tr("Linear Filter"));
    QWidget* s3 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet3"), tr("Nonlinear Filter"));
    QWidget* s4 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet4"), tr("Convolutiion"));

    Memo1 = Bausteine::memo(s1, QStringLiteral("Memo1"), 8, 8, 540, 196, QStringLiteral("lex_filter_allgemein"));
    Image2 = Bausteine::bild(s1, QStringLiteral("Image2"), 8, 212, 540, 170, {},
                             tr("A noisy picture, smoothed by a low pass, and its edges found by a high pass"));

    Memo2 = Bausteine::memo(s2, QStringLiteral("Memo2"), 8, 8, 310, 376, QStringLiteral("lex_filter_linear"));
    BildLineareFilter = Bausteine::bild(s2, QStringLiteral("BildLineareFilter"), 326, 8, 222, 376,
                                        QStringLiteral(":/pages/bilder/lineare_filter.svg"),
                                        tr("A linear filter at work"));

    Memo3 = Bausteine::memo(s3, QStringLiteral("Memo3"), 8, 8, 310, 376, QStringLiteral("lex_filter_nichtlinear"));
    BildNichtLineareFilter = Bausteine::bild(s3, QStringLiteral("BildNichtLineareFilter"), 326, 8, 222, 376,
                                             QStringLiteral(":/pages/bilder/nichtlineare_filter.svg"),
                                             tr("Rank filters at work"));

    Memo4 = Bausteine::memo(s4, QStringLiteral("Memo4"), 8, 8, 540, 200, QStringLiteral("lex_filter_faltung"));
    BildFaltungsProfil1 = Bausteine::bild(s4, QStringLiteral("BildFaltungsProfil1"), 8, 216, 250, 150,
                                          QStringLiteral(":/pages/bilder/faltungsprofil.svg"),
                                          tr("A profile before and after the convolution"));
    BildohneFaltung = Bausteine::bild(s4, QStringLiteral("BildohneFaltung"), 270, 216, 130, 130, {},
                                      tr("Back-projection without convolution"));
    BildmitFaltung = Bausteine::bild(s4, QStringLiteral("BildmitFaltung"), 416, 216, 130, 130, {},
                                     tr("Back-projection with convolution"));
    LabelohneFaltung = bezeichnung(s4, QStringLiteral("LabelohneFaltung"), tr("without convolution"), 277,
                                   350);
    LabelmitFaltung = bezeichnung(s4, QStringLiteral("LabelmitFaltung"), tr("with convolution"), 432, 350);

    EndeButton = Bausteine::endeKnopf(this, 251, 436);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
    fokusfalleFuerAlleTexte(this, EndeButton);
}

void TFormLexikonFilter::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // The computed pictures are made when the window is first shown.
    if (m_bilderDa)
        return;
    m_bilderDa = true;
    Image2->setzeBild(Koerperbilder::filterbeispiel(Image2->width(), Image2->height()));
    BildohneFaltung->setzeBild(Koerperbilder::rueckprojektion(BildohneFaltung->width(), BildohneFaltung->height(), false));
    BildmitFaltung->setzeBild(Koerperbilder::rueckprojektion(BildmitFaltung->width(), BildmitFaltung->height(), true));
}
