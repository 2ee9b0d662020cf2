#include "pages/Bausteine.h"

#include "platform/Bildanzeige.h"
#include "platform/Steuerelemente.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QUrl>

namespace Bausteine {

const QString Webadresse = QStringLiteral("https://www.example.org/ct-course/");
const QString Mailadresse = QStringLiteral("course@example.org");
const QString Mailverweis = QStringLiteral("mailto:course@example.org");

QPlainTextEdit* memo(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, const QString& datei)
{
    QString text = ressourcentext(QStringLiteral(":/pages/texte/%1.txt").arg(datei));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return textfeld(eltern, name, x, y, breite, hoehe, text);
}

QLineEdit* zeichenfeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, const QString& text,
                       int pixel)
{
    QLineEdit* f = eingabefeld(eltern, name, x, y, breite, hoehe, text);
    f->setReadOnly(true);
    setzeRahmen(f, false);
    f->setFocusPolicy(Qt::NoFocus);
    f->setFont(arial(pixel));
    f->setCursor(Qt::ArrowCursor);
    f->setContentsMargins(0, 0, 0, 0);
    f->setTextMargins(0, 0, 0, 0);
    f->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    f->setAttribute(Qt::WA_TranslucentBackground, true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Base, Qt::transparent);
    pal.setColor(QPalette::Window, Qt::transparent);
    f->setPalette(pal);
    f->setAutoFillBackground(false);
    return f;
}

QLineEdit* ueberschrift(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite,
                        int pixel)
{
    QLineEdit* f = eingabefeld(eltern, name, x, y, breite, pixel + 6, text);
    f->setReadOnly(true);
    setzeRahmen(f, false);
    f->setFocusPolicy(Qt::NoFocus);
    f->setFont(arial(pixel, true));
    f->setCursor(Qt::ArrowCursor);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Base, Qt::white);
    f->setPalette(pal);
    return f;
}

Bildanzeige* bild(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, const QString& quelle,
                  const QString& hinweis)
{
    auto* b = new Bildanzeige(eltern, name);
    b->setGeometry(x, y, breite, hoehe);
    b->setzeGestreckt(true);
    if (!quelle.isEmpty())
        quelleSetzen(b, quelle);
    if (!hinweis.isEmpty()) {
        b->setToolTip(hinweis);
        b->setAccessibleName(hinweis);
    }
    return b;
}

void quelleSetzen(Bildanzeige* bild, const QString& quelle)
{
    // A picture control draws its source at its size at once, and again
    // whenever it is resized. A control that has not been shown yet receives
    // its resize only when it is first shown; so with no size while the
    // source is set, the picture is drawn once, when it is first seen, at the
    // size the layout has given it by then.
    const QSize groesse = bild->size();
    bild->resize(0, 0);
    bild->setzeBildquelle(quelle);
    bild->resize(groesse);
}

QScrollArea* rollkasten(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, int innenBreite,
                        int innenHoehe)
{
    auto* kasten = new QScrollArea(eltern);
    kasten->setObjectName(name);
    kasten->setGeometry(x, y, breite, hoehe);
    kasten->setWidgetResizable(false);
    kasten->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    kasten->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    kasten->setFocusPolicy(Qt::NoFocus);
    auto* innen = new QWidget;
    innen->setObjectName(name + QStringLiteral("Innen"));
    innen->setAutoFillBackground(true);
    QPalette pal = innen->palette();
    pal.setColor(QPalette::Window, Qt::white);
    innen->setPalette(pal);
    innen->resize(innenBreite, innenHoehe);
    kasten->setWidget(innen);
    kasten->verticalScrollBar()->setSingleStep(15);
    return kasten;
}

QTabWidget* notizbuch(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
{
    auto* buch = new QTabWidget(eltern);
    buch->setObjectName(name);
    buch->setGeometry(x, y, breite, hoehe);
    buch->setFocusPolicy(Qt::NoFocus);
    buch->tabBar()->setFocusPolicy(Qt::NoFocus);
    buch->setUsesScrollButtons(false);
    return buch;
}

QWidget* seite(QTabWidget* buch, const QString& name, const QString& titel)
{
    auto* s = new QWidget;
    s->setObjectName(name);
    s->setAutoFillBackground(true);
    QPalette pal = s->palette();
    pal.setColor(QPalette::Window, Qt::white);
    s->setPalette(pal);
    s->setAccessibleName(titel);
    buch->addTab(s, titel);
    return s;
}

namespace {
// The application's style with other margins beside the tab titles.
class Reiterstil : public QProxyStyle
{
public:
    Reiterstil(const QString& grundstil, int abstand) : QProxyStyle(grundstil), m_abstand(abstand) {}
    int pixelMetric(PixelMetric pm, const QStyleOption* option, const QWidget* widget) const override
    {
        if (pm == PM_TabBarTabHSpace)
            return m_abstand;
        return QProxyStyle::pixelMetric(pm, option, widget);
    }

private:
    int m_abstand;
};
}  // namespace

void reiterEinpassen(QTabWidget* buch)
{
    QTabBar* leiste = buch->tabBar();
    const int platz = buch->width() - 4;
    const int ueblich = leiste->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, leiste);
    constexpr int Mindestabstand = 8;
    for (int pixel : {13, 12, 11}) {
        const QFontMetrics fm(arial(pixel));
        int titel = 0;
        for (int i = 0; i < leiste->count(); ++i)
            titel += fm.horizontalAdvance(leiste->tabText(i));
        const int abstand = std::min(ueblich, (platz - titel) / std::max(1, leiste->count()));
        if (abstand < Mindestabstand && pixel > 11)
            continue;
        if (pixel != 13)
            leiste->setFont(arial(pixel));
        if (abstand < ueblich) {
            auto* stil = new Reiterstil(leiste->style()->name(), std::max(abstand, 0));
            stil->setParent(leiste);
            leiste->setStyle(stil);
        }
        return;
    }
}

QPushButton* endeKnopf(QWidget* eltern, int x, int y)
{
    return knopf(eltern, QStringLiteral("EndeButton"), QCoreApplication::translate("Bausteine", "Close"), x, y, 75, 25);
}

void breiteSichern(QPlainTextEdit* memo)
{
    const QFontMetrics fm(memo->font());
    int breiteste = 0;
    for (QString zeile : memo->toPlainText().split(QLatin1Char('\n'))) {
        // blanks at the end of a line are not seen
        while (zeile.endsWith(QLatin1Char(' ')))
            zeile.chop(1);
        breiteste = std::max(breiteste, fm.horizontalAdvance(zeile));
    }
    // The viewport is not laid out before the window is first shown, so the
    // room for the text comes from the box's own size: no frame, and a
    // vertical scroll bar only where the lines do not fit the height.
    const int noetig = breiteste + 2 * int(memo->document()->documentMargin()) + 2;
    const int zeilen = memo->document()->blockCount();
    const int hoehe = zeilen * fm.lineSpacing() + 2 * int(memo->document()->documentMargin());
    int platz = memo->width() - 2 * memo->frameWidth();
    if (hoehe > memo->height() - 2 * memo->frameWidth())
        platz -= memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo);
    if (noetig > platz)
        memo->resize(memo->width() + noetig - platz, memo->height());
}

QList<int> markenErsetzen(QPlainTextEdit* memo, QChar marke)
{
    QList<int> stellen;
    QTextDocument* dok = memo->document();
    for (;;) {
        QTextCursor c = dok->find(QString(marke));
        if (c.isNull())
            break;
        stellen.append(c.selectionStart());
        c.insertText(QStringLiteral("  "));
    }
    return stellen;
}

QRect ort(const QPlainTextEdit* memo, int stelle)
{
    // From the font's metrics, so that the place is right before the box has
    // been laid out; the box has no frame.
    const QTextDocument* dok = memo->document();
    const QFontMetrics fm(memo->font());
    const QTextBlock block = dok->findBlock(stelle);
    const int rand = int(dok->documentMargin());
    const int links = rand + fm.horizontalAdvance(block.text().left(stelle - block.position()));
    const int oben = rand + block.blockNumber() * fm.lineSpacing();
    return QRect(memo->pos() + QPoint(links, oben), QSize(fm.horizontalAdvance(QStringLiteral("  ")), fm.lineSpacing()));
}

int grundlinie(const QPlainTextEdit* memo)
{
    return QFontMetrics(memo->font()).ascent();
}

void adresseOeffnen(const QString& adresse)
{
    // A desktop without a browser or mail program simply does nothing.
    (void)QDesktopServices::openUrl(QUrl(adresse));
}

namespace {
class Verweis : public QObject
{
public:
    Verweis(QObject* eltern, QString adresse) : QObject(eltern), m_adresse(std::move(adresse)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            adresseOeffnen(m_adresse);
            return true;
        }
        return e->type() == QEvent::MouseButtonDblClick || e->type() == QEvent::MouseButtonRelease;
    }

private:
    QString m_adresse;
};
}  // namespace

void alsVerweis(QWidget* feld, const QString& adresse)
{
    feld->installEventFilter(new Verweis(feld, adresse));
    feld->setCursor(Qt::PointingHandCursor);
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) {
        zeile->setFocusPolicy(Qt::NoFocus);
        zeile->setReadOnly(true);
    }
}

}  // namespace Bausteine
