#include "pages/LexRoentgenstrahlung.h"

#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

TFormLexikonRoentgenstrahlung::TFormLexikonRoentgenstrahlung()
{
    setObjectName(QStringLiteral("FormLexikonRoentgenstrahlung"));
    setWindowTitle(tr("X-rays"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 646, 532);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    PageControl1 = Bausteine::notizbuch(this, QStringLiteral("PageControl1"), 8, 8, 630, 481);
    QWidget* s1 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet1"), tr("Creation"));
    QWidget* s2 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet2"), tr("Attenuation"));
    QWidget* s3 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet3"),
                                   tr("Conversion to electrical impulse"));

    // Creation: the tube beside its text, the three spectra below
    // The subscripts of the voltages: a letter over the place its mark leaves in the text.
    const auto tiefgestellt = [s1](QPlainTextEdit* memo, QChar marke, const QString& name, const QString& zeichen) {
        const QRect ort = Bausteine::ort(memo, Bausteine::markenErsetzen(memo, marke).value(0));
        return Bausteine::zeichenfeld(s1, name, ort.left(), ort.bottom() - 9, 9, 13, zeichen, 10);
    };
    Memo1 = Bausteine::memo(s1, QStringLiteral("Memo1"), 8, 8, 336, 206, QStringLiteral("lex_roentgen_memo1"));
    Edit1 = tiefgestellt(Memo1, QChar(0x2095), QStringLiteral("Edit1"), QStringLiteral("H"));
    Edit2 = tiefgestellt(Memo1, QChar(0x2090), QStringLiteral("Edit2"), QStringLiteral("a"));
    BildRoentgenroehre = Bausteine::bild(s1, QStringLiteral("BildRoentgenroehre"), 352, 8, 262, 184,
                                         QStringLiteral(":/pages/bilder/roentgenroehre.svg"),
                                         tr("Schematic of an X-ray tube"));
    LabelRoehre = bezeichnung(s1, QStringLiteral("LabelRoehre"), tr("Schematic of  an x-ray tube"), 404,
                              196);
    const int spektrumY = 222;
    Bildanzeige** spektren[] = {&BildRoentgenspektrum1, &BildRoentgenspektrum2, &BildRoentgenspektrum3};
    QLabel** schilder[] = {&LabelBild1, &LabelBild2, &LabelBild3};
    for (int i = 0; i < 3; ++i) {
        const int x = 8 + i * 204;
        *spektren[i] = Bausteine::bild(s1, QStringLiteral("BildRoentgenspektrum%1").arg(i + 1), x, spektrumY, 196,
                                       124, QStringLiteral(":/pages/bilder/spektrum%1.svg").arg(i + 1),
                                       tr("X-ray spectrum, picture %1").arg(i + 1));
        *schilder[i] = bezeichnung(s1, QStringLiteral("LabelBild%1").arg(i + 1), tr("Picture %1").arg(i + 1),
                                   x + 72, spektrumY + 126);
    }
    Memo1a = Bausteine::memo(s1, QStringLiteral("Memo1a"), 8, 366, 610, 82, QStringLiteral("lex_roentgen_memo1a"));
    Edit3 = tiefgestellt(Memo1a, QChar(0x2090), QStringLiteral("Edit3"), QStringLiteral("a"));
    for (QLineEdit* f : {Edit1, Edit2, Edit3})
        f->raise();

    // Attenuation: the photoelectric effect, then Compton scattering
    Memo2 = Bausteine::memo(s2, QStringLiteral("Memo2"), 8, 8, 366, 216, QStringLiteral("lex_roentgen_memo2"));
    BildPhotoeffekt = Bausteine::bild(s2, QStringLiteral("BildPhotoeffekt"), 382, 8, 236, 210,
                                      QStringLiteral(":/pages/bilder/photoeffekt.svg"),
                                      tr("The photoelectric effect"));
    BildComptoneffekt = Bausteine::bild(s2, QStringLiteral("BildComptoneffekt"), 8, 232, 236, 210,
                                        QStringLiteral(":/pages/bilder/comptoneffekt.svg"),
                                        tr("The Compton effect"));
    Memo2a = Bausteine::memo(s2, QStringLiteral("Memo2a"), 252, 232, 366, 216, QStringLiteral("lex_roentgen_memo2a"));

    // Conversion: the two kinds of detector
    Memo3 = Bausteine::memo(s3, QStringLiteral("Memo3"), 8, 8, 610, 62, QStringLiteral("lex_roentgen_memo3"));
    BildXenonGasDetektor = Bausteine::bild(s3, QStringLiteral("BildXenonGasDetektor"), 8, 76, 226, 180,
                                           QStringLiteral(":/pages/bilder/xenon_detektor.svg"),
                                           tr("A xenon gas detector"));
    Memo3a = Bausteine::memo(s3, QStringLiteral("Memo3a"), 242, 76, 376, 180, QStringLiteral("lex_roentgen_memo3a"));
    BildSzintillationsdetektor = Bausteine::bild(s3, QStringLiteral("BildSzintillationsdetektor"), 8, 264, 226, 180,
                                                 QStringLiteral(":/pages/bilder/szintillationsdetektor.svg"),
                                                 tr("A scintillation detector"));
    Memo3b = Bausteine::memo(s3, QStringLiteral("Memo3b"), 242, 264, 376, 180, QStringLiteral("lex_roentgen_memo3b"));

    EndeButton = Bausteine::endeKnopf(this, 287, 500);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
    fokusfalleFuerAlleTexte(this, EndeButton);
}
