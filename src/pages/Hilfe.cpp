#include "pages/Hilfe.h"

#include "pages/Bausteine.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace {
constexpr int Innenbreite = 423;
constexpr int Rand = 1;  // the text boxes' margin above their first line

int zeilenhoehe(const QWidget* w)
{
    return QFontMetrics(w->font()).lineSpacing();
}

// Height of a text box that shows all its lines without scrolling.
int textHoehe(const QPlainTextEdit* memo)
{
    return memo->document()->blockCount() * zeilenhoehe(memo) + 2 * Rand + 4;
}

// A text whose lines "# Heading" (bold 16 px) and "## Heading" (bold 13 px)
// become headings over two empty lines (with abstandVorKopf after one more
// empty line where a text goes before); "# Heading @y" puts the heading at
// the line that starts at y or just below it, so that a help button can
// scroll straight to it.
struct Gegliedert
{
    QString text;
    struct Kopf
    {
        QString titel;
        int zeile;
        int pixel;
        int anker;   // the y of "@y", -1 without
    };
    QList<Kopf> koepfe;
};

Gegliedert gliedern(const QString& roh, int zeilenhoehe, bool abstandVorKopf)
{
    static const QRegularExpression ziel(QStringLiteral("^(#+)\\s*(.*?)\\s*(?:@(\\d+))?$"));
    Gegliedert g;
    QStringList aus;
    for (const QString& zeile : roh.split(QLatin1Char('\n'))) {
        if (!zeile.startsWith(QLatin1Char('#'))) {
            aus.append(zeile);
            continue;
        }
        const QRegularExpressionMatch m = ziel.match(zeile);
        // an empty line between a text and the next heading
        if (abstandVorKopf && !aus.isEmpty() && !aus.last().isEmpty())
            aus.append(QString());
        int anker = -1;
        if (!m.captured(3).isEmpty()) {
            anker = m.captured(3).toInt();
            while (Rand + aus.size() * zeilenhoehe < anker)
                aus.append(QString());
        }
        g.koepfe.append({m.captured(2), int(aus.size()), m.captured(1).size() == 1 ? 16 : 13, anker});
        aus.append(QString());
        aus.append(QString());
    }
    while (!aus.isEmpty() && aus.last().isEmpty())
        aus.removeLast();
    g.text = aus.join(QLatin1Char('\n'));
    return g;
}
}  // namespace

TFormHilfe::TFormHilfe()
{
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(tr("Help"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 509, 410);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    PageControl1 = Bausteine::notizbuch(this, QStringLiteral("PageControl1"), 14, 14, 479, 350);
    QWidget* s1 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet1"), tr("General"));
    QWidget* s2 = Bausteine::seite(PageControl1, QStringLiteral("TabSheet2"), tr("Computer Tomography"));
    ScrollBox1 = Bausteine::rollkasten(s1, QStringLiteral("ScrollBox1"), 14, 14, 443, 291, Innenbreite, 300);
    ScrollBox2 = Bausteine::rollkasten(s2, QStringLiteral("ScrollBox2"), 14, 14, 443, 291, Innenbreite, 1800);
    allgemeinAnlegen(ScrollBox1->widget());
    computertomographieAnlegen(ScrollBox2->widget());
    EndeButton = Bausteine::endeKnopf(this, 216, 375);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
    fokusfalleFuerAlleTexte(this, EndeButton);
    connect(PageControl1->tabBar(), &QTabBar::tabBarClicked, this, [this] { EndeButton->setFocus(); });
}

void TFormHilfe::allgemeinAnlegen(QWidget* innen)
{
    // The menu list: one file, the command and its explanation separated by a tab.
    const QString roh = ressourcentext(QStringLiteral(":/pages/texte/hilfe_menue.txt"));
    QStringList links, rechts;
    for (const QString& zeile : roh.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1Char('#'))) {
            links.append(zeile);
            rechts.append(QString());
            continue;
        }
        const int tab = zeile.indexOf(QLatin1Char('\t'));
        links.append(tab < 0 ? zeile : zeile.left(tab));
        rechts.append(tab < 0 ? QString() : zeile.mid(tab + 1));
    }
    const int zh = QFontMetrics(font()).lineSpacing();
    const Gegliedert l = gliedern(links.join(QLatin1Char('\n')), zh, false);
    // the right column keeps its line beside every line of the left one
    QStringList rechtsAus;
    {
        int z = 0;
        for (const QString& zeile : links) {
            if (zeile.startsWith(QLatin1Char('#'))) {
                rechtsAus << QString() << QString();
            } else {
                rechtsAus << rechts.value(z);
            }
            ++z;
        }
    }
    const int oben = 30;
    Memo3 = textfeld(innen, QStringLiteral("Memo3"), 0, oben, 104, 100, l.text);
    Memo1 = textfeld(innen, QStringLiteral("Memo1"), 112, oben, Innenbreite - 112, 100,
                     rechtsAus.join(QLatin1Char('\n')));
    const int listenhoehe = textHoehe(Memo1);
    Memo3->resize(Memo3->width(), listenhoehe);
    Memo1->resize(Memo1->width(), listenhoehe);
    Trennlinie = new Panel(innen, QStringLiteral("Trennlinie"), 107, oben, 1, listenhoehe, Qt::black);
    Ueberschriften.append(Bausteine::ueberschrift(innen, QStringLiteral("Ueberschrift1"), tr("The Menu"), 0,
                                                  2, Innenbreite));
    for (const Gegliedert::Kopf& k : l.koepfe)
        Ueberschriften.append(Bausteine::ueberschrift(innen,
                                                      QStringLiteral("Ueberschrift%1").arg(Ueberschriften.size() + 1),
                                                      k.titel, 0, oben + Rand + k.zeile * zh, 100, k.pixel));
    const int unten = oben + listenhoehe + 12;
    Ueberschriften.append(Bausteine::ueberschrift(innen,
                                                  QStringLiteral("Ueberschrift%1").arg(Ueberschriften.size() + 1),
                                                  tr("Contol of instruction"), 0, unten, Innenbreite));
    Memo4 = Bausteine::memo(innen, QStringLiteral("Memo4"), 0, unten + 26, Innenbreite, 100,
                            QStringLiteral("hilfe_steuerung"));
    Memo4->resize(Innenbreite, textHoehe(Memo4));
    innen->resize(Innenbreite, Memo4->y() + Memo4->height() + 4);
}

void TFormHilfe::computertomographieAnlegen(QWidget* innen)
{
    const int zh = QFontMetrics(font()).lineSpacing();
    const Gegliedert g = gliedern(ressourcentext(QStringLiteral(":/pages/texte/hilfe_ct.txt")), zh, true);
    Memo2 = textfeld(innen, QStringLiteral("Memo2"), 0, 0, Innenbreite, 1800, g.text);
    // The box ends with the text, and never above the 1800 pixels the
    // sections' scroll positions were laid out in.
    const int hoehe = std::max(1800, textHoehe(Memo2));
    Memo2->resize(Innenbreite, hoehe);
    innen->resize(Innenbreite, hoehe);
    for (const Gegliedert::Kopf& k : g.koepfe) {
        const int y = Rand + k.zeile * zh - 1;
        Ueberschriften.append(Bausteine::ueberschrift(innen,
                                                      QStringLiteral("Ueberschrift%1").arg(Ueberschriften.size() + 1),
                                                      k.titel, 0, y, Innenbreite, k.pixel));
        // A heading the text before it pushed a line or more below its
        // anchor is scrolled to where it stands.
        if (k.anker >= 0 && y - k.anker >= zh)
            m_anker.insert(k.anker, y);
    }
}

void TFormHilfe::HilfeZeigen(int seite, int position)
{
    PageControl1->setCurrentIndex(seite);
    zeigenVorn(this);
    if (position >= 0) {
        QScrollArea* kasten = seite == Computertomographie ? ScrollBox2 : ScrollBox1;
        if (seite == Computertomographie)
            position = m_anker.value(position, position);
        // The text was made taller while the window was hidden; a scroll
        // area learns a new size of its content only from a resize event.
        QWidget* innen = kasten->widget();
        QResizeEvent groesse(innen->size(), innen->size());
        QCoreApplication::sendEvent(innen, &groesse);
        kasten->verticalScrollBar()->setValue(position);
    }
}
