// The editions: which one a desktop's languages choose, that every text the
// windows show goes through the translations, and that each edition shows its
// own language only, in controls that hold it.
#include "support/Testumgebung.h"
#include "support/Texte.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Sprache.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QFontMetrics>
#include <QMap>
#include <QPlainTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Testumgebung;
using Sprache::Ausgabe;

Q_DECLARE_METATYPE(Sprache::Ausgabe)

namespace {

// Marks every text it is asked for: a text without the marks did not go
// through the translations.
class Markierer : public QTranslator
{
public:
    QString translate(const char*, const char* quelle, const char*, int) const override
    {
        return QStringLiteral("\u2039") + QString::fromUtf8(quelle) + QStringLiteral("\u203A");
    }
    bool isEmpty() const override { return false; }
};

bool hatBuchstaben(const QString& t)
{
    static const QRegularExpression buchstabe(QStringLiteral("\\p{L}"));
    // (one letter marks a formula's index; addresses are no language)
    return t.trimmed().size() > 1 && t.contains(buchstabe) && !t.contains(QLatin1Char('@'))
        && !t.contains(QLatin1String("://"));
}

// The lines of the long texts (help headings without their marks): texts
// the windows show from an edition's own files, not through translations.
QSet<QString> dateizeilen()
{
    static const QRegularExpression marken(QStringLiteral("^#+\\s*|\\s*@\\d+$"));
    QSet<QString> zeilen;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            for (const QString& z : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n')))
                zeilen.insert(QString(z).remove(marken).trimmed());
    }
    return zeilen;
}

// The designed texts of one language, read from the translation sources: a
// German one is its own German translation and not its English one; an
// English one the other way round.
struct Designtexte
{
    QSet<QString> deutsch;
    QSet<QString> englisch;
};

Designtexte designtexte()
{
    QMap<QString, QMap<QString, QString>> uebersetzt;  // source -> language -> translation
    for (const QString& sprache : {QStringLiteral("de"), QStringLiteral("en")}) {
        QFile f(QStringLiteral(QUORVEL_QUELLEN "/translations/quorvel_%1.ts").arg(sprache));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(f.fileName()));
        QXmlStreamReader xml(&f);
        QString quelle;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("source"))
                quelle = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == QLatin1String("translation"))
                uebersetzt[quelle][sprache] = xml.readElementText();
        }
    }
    Designtexte d;
    for (auto it = uebersetzt.cbegin(); it != uebersetzt.cend(); ++it) {
        const QString& q = it.key();
        const bool bleibtDeutsch = it->value(QStringLiteral("de")) == q;
        const bool bleibtEnglisch = it->value(QStringLiteral("en")) == q;
        if (bleibtDeutsch && !bleibtEnglisch)
            d.deutsch.insert(q);
        if (bleibtEnglisch && !bleibtDeutsch)
            d.englisch.insert(q);
    }
    return d;
}

// Long texts that are the same in the German edition as designed: page 12's
// designed German farewell and the list of literature.
const QStringList GleicheLangtexte = {
    QStringLiteral("FormHaupt/Form11/Memo2"),
    QStringLiteral("FormHaupt/RahmenFormQuellen/FormQuellen/ScrollBox1/qt_scrollarea_viewport/ScrollBox1Innen/Memo2"),
};

// The pairs of a text-showing control and a sibling it overlaps ("a|b").
QSet<QString> ueberlappungen(const QList<Texte::Fundstelle>& texte)
{
    QSet<QString> paare;
    for (const Texte::Fundstelle& f : texte) {
        QWidget* w = f.element;
        if (w->isWindow() || !w->parentWidget() || f.ort.endsWith(QLatin1String("tooltip"))
            || f.ort.endsWith(QLatin1String("caption")))
            continue;
        for (QObject* o : w->parentWidget()->children()) {
            auto* nachbar = qobject_cast<QWidget*>(o);
            if (nachbar && nachbar != w && !nachbar->isWindow() && !nachbar->isHidden()
                && nachbar->geometry().intersects(w->geometry()))
                paare.insert(f.ort + QLatin1Char('|') + nachbar->objectName());
        }
    }
    return paare;
}

QString ohneKuerzel(QString t)
{
    return t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

}  // namespace

class TestAusgaben : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Sprache::setzen(Ausgabe::Entwurf);
    }

    void ausgabeWaehlen_data()
    {
        QTest::addColumn<QStringList>("sprachen");
        QTest::addColumn<Ausgabe>("ausgabe");
        // as QLocale::uiLanguages() lists them
        QTest::newRow("de_DE") << QStringList{"de-DE", "de-Latn-DE", "de"} << Ausgabe::Deutsch;
        QTest::newRow("de_AT") << QStringList{"de-AT", "de-Latn-AT"} << Ausgabe::Deutsch;
        QTest::newRow("en_GB") << QStringList{"en-GB", "en-Latn-GB"} << Ausgabe::Englisch;
        QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << Ausgabe::Englisch;
        QTest::newRow("fr:de") << QStringList{"fr", "fr-Latn-FR", "fr-FR", "de", "de-Latn-DE", "de-DE"}
                               << Ausgabe::Deutsch;
        QTest::newRow("en:de") << QStringList{"en", "de"} << Ausgabe::Englisch;
        QTest::newRow("C") << QStringList{"C"} << Ausgabe::Entwurf;
        QTest::newRow("POSIX") << QStringList{"POSIX"} << Ausgabe::Entwurf;
        QTest::newRow("none") << QStringList{} << Ausgabe::Englisch;
    }
    void ausgabeWaehlen()
    {
        QFETCH(QStringList, sprachen);
        QFETCH(Ausgabe, ausgabe);
        QCOMPARE(Sprache::waehlen(sprachen), ausgabe);
    }

    // Every text of every window goes through the translations.
    void jederTextUebersetzbar()
    {
        Markierer markierer;
        QCoreApplication::installTranslator(&markierer);
        aufbauen({96, 24, 800, 600});
        const QSet<QString> ausDateien = dateizeilen();
        QStringList ohne;
        for (const Texte::Fundstelle& f : Texte::alle())
            if (hatBuchstaben(f.text) && !f.text.contains(QStringLiteral("\u2039"))
                && !f.element->inherits("QPlainTextEdit") && !ausDateien.contains(f.text.trimmed()))
                ohne << f.ort + QStringLiteral(": ") + f.text;
        QCoreApplication::removeTranslator(&markierer);
        abbauen();
        if (!ohne.isEmpty())
            qWarning("%s", qPrintable(ohne.join(QLatin1Char('\n'))));
        QVERIFY2(ohne.isEmpty(), "texts that do not go through the translations");
    }

    // In every edition the help positions of the simulator's windows show
    // their section's heading at the top, though a longer edition's text
    // pushes the headings below the positions they were laid out for.
    void hilfeAbschnitte_data()
    {
        QTest::addColumn<Ausgabe>("ausgabe");
        QTest::addColumn<int>("stelle");
        QTest::addColumn<QString>("ueberschrift");
        const struct
        {
            int stelle;
            const char* englisch;
            const char* deutsch;
        } abschnitte[] = {
            {324, "Adjustments to the computer tomography", "Einstellungen des Computertomographen"},
            {830, "Gray scaling", "Graustufen"},
            {1100, "Filter", "Filter"},
            {1367, "Archive", "Archiv"},
            {1800, "Sinogram and reconstruction", "Sinogramm und Rekonstruktion"},
        };
        for (const auto& a : abschnitte) {
            QTest::addRow("designed %d", a.stelle) << Ausgabe::Entwurf << a.stelle << a.englisch;
            QTest::addRow("English %d", a.stelle) << Ausgabe::Englisch << a.stelle << a.englisch;
            QTest::addRow("German %d", a.stelle) << Ausgabe::Deutsch << a.stelle << a.deutsch;
        }
    }
    void hilfeAbschnitte()
    {
        QFETCH(Ausgabe, ausgabe);
        QFETCH(int, stelle);
        QFETCH(QString, ueberschrift);
        Sprache::setzen(ausgabe);
        aufbauen({96, 24, 1024, 768});
        FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, stelle);
        const int oben = FormHilfe->ScrollBox2->verticalScrollBar()->value();
        QLineEdit* kopf = nullptr;
        for (QLineEdit* k : FormHilfe->Ueberschriften)
            if (k->text() == ueberschrift && k->parentWidget() == FormHilfe->ScrollBox2->widget())
                kopf = k;
        QVERIFY(kopf);
        QVERIFY2(kopf->y() - oben >= -1 && kopf->y() - oben <= 15, qPrintable(QString::number(kopf->y() - oben)));
    }

    void eigeneSprache_data()
    {
        QTest::addColumn<Ausgabe>("ausgabe");
        QTest::addColumn<int>("breite");
        for (int b : {800, 1024}) {
            QTest::addRow("designed %d", b) << Ausgabe::Entwurf << b;
            QTest::addRow("English %d", b) << Ausgabe::Englisch << b;
            QTest::addRow("German %d", b) << Ausgabe::Deutsch << b;
        }
    }
    // Each edition shows its own language only (names and formulas aside,
    // which the translation sources keep in both), its long texts are its own,
    // and every one-line text fits its control.
    void eigeneSprache()
    {
        QFETCH(Ausgabe, ausgabe);
        QFETCH(int, breite);
        static const Designtexte design = designtexte();
        static const QSet<QString> keine;
        const QSet<QString>& fremd = ausgabe == Ausgabe::Englisch ? design.deutsch
                                     : ausgabe == Ausgabe::Deutsch ? design.englisch
                                                                   : keine;
        const QSize groesse = layoutgroesse(breite);

        aufbauen({96, 24, groesse.width(), groesse.height()});
        QMap<QString, QString> langeEntwurf;
        const QList<Texte::Fundstelle> entwurf = Texte::alle();
        for (const Texte::Fundstelle& f : entwurf)
            if (f.element->inherits("QPlainTextEdit"))
                langeEntwurf[f.ort] = f.text;
        const QSet<QString> schonImEntwurf = ueberlappungen(entwurf);

        Sprache::setzen(ausgabe);
        aufbauen({96, 24, groesse.width(), groesse.height()});
        const QList<Texte::Fundstelle> texte = Texte::alle();
        QStringList falsch, zuLang, nichtEigen;
        // a control that grows with its text does not run into another one
        for (const QString& paar : ueberlappungen(texte))
            if (!schonImEntwurf.contains(paar))
                zuLang << QStringLiteral("%1 runs into its neighbour").arg(paar);
        for (const Texte::Fundstelle& f : texte) {
            if (fremd.contains(f.text))
                falsch << f.ort + QStringLiteral(": ") + f.text;
            if (f.element->inherits("QPlainTextEdit") && langeEntwurf.value(f.ort) == f.text
                && ausgabe == Ausgabe::Deutsch && hatBuchstaben(f.text) && !GleicheLangtexte.contains(f.ort))
                nichtEigen << f.ort;
            // a designed German long text has the English edition's own; the
            // list of literature keeps its titles
            static const QRegularExpression deutsch(QStringLiteral("\\b(und|ich|Sie|nicht|der|die|das)\\b"));
            if (f.element->inherits("QPlainTextEdit") && langeEntwurf.value(f.ort) == f.text
                && ausgabe == Ausgabe::Englisch && f.text.contains(deutsch) && !f.ort.contains(QLatin1String("FormQuellen")))
                nichtEigen << f.ort;
            // A long text's lines stay in view where the designed text's did: a
            // box taller than the text shows no scroll bar, so lines that run
            // below its window's edge are lost.
            if (auto* memo = qobject_cast<QPlainTextEdit*>(f.element); memo && langeEntwurf.contains(f.ort)) {
                const int zeilenhoehe = QFontMetrics(memo->font()).lineSpacing();
                const int rand = 2 * int(memo->document()->documentMargin());
                const auto hoehe = [&](const QString& t) { return int(t.count(QLatin1Char('\n')) + 1) * zeilenhoehe + rand; };
                const int sichtbar = std::min(memo->height(), memo->parentWidget()->height() - memo->y());
                const int noetig = hoehe(f.text);
                if (noetig > sichtbar && noetig <= memo->height() && hoehe(langeEntwurf.value(f.ort)) <= sichtbar)
                    zuLang << QStringLiteral("%1: %2 px of lines, %3 px in view").arg(f.ort).arg(noetig).arg(sichtbar);
            }
            if (f.einzeilig && !f.feld.isEmpty()) {
                const int noetig = QFontMetrics(f.schrift).horizontalAdvance(ohneKuerzel(f.text));
                if (noetig > f.feld.width())
                    zuLang << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(f.ort, f.text).arg(noetig).arg(f.feld.width());
            }
        }
        for (const QStringList* l : {&falsch, &nichtEigen, &zuLang})
            if (!l->isEmpty())
                qWarning("%s", qPrintable(l->join(QLatin1Char('\n'))));
        QVERIFY2(falsch.isEmpty(), "texts of the other language");
        QVERIFY2(nichtEigen.isEmpty(), "long texts without the edition's own text");
        QVERIFY2(zuLang.isEmpty(), "texts that do not fit their control");
    }
};

QUORVEL_GUI_TEST_MAIN(TestAusgaben)
#include "test_ausgaben.moc"
