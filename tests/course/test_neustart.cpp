// "&New" while an exercise page animates: whichever beam run or distribution
// is under way, the page ends up exactly as a restart leaves it when nothing
// runs, and nothing of the stopped run (moving on to the next step, enabling
// buttons, filling fields, drawing) follows later.
#include "support/Testumgebung.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "platform/Bildanzeige.h"
#include "platform/Steuerelemente.h"

#include <QAbstractButton>
#include <QAction>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMap>
#include <QTimer>

using namespace Testumgebung;

namespace {

QString farbe(const QWidget* w, QPalette::ColorRole rolle)
{
    return w->palette().color(rolle).name();
}

QString pruefsumme(const QImage& bild)
{
    const QByteArray daten(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(daten, QCryptographicHash::Md5).toHex().left(16));
}

// Everything a learner can see or reach on an exercise page, one line per
// control: place, visibility, enabled state, texts, field switches, colours,
// the tab order of the fields, the pictures' pixels; then the focus and the
// page's step, flags and done marks.
QStringList zustand(QWidget* seite)
{
    QStringList z;
    auto* u = qobject_cast<Uebungsseite*>(seite);
    z << QStringLiteral("Schritt %1, Abbruch %2").arg(u->Schritt).arg(u->Abbruch);
    if (auto* m = qobject_cast<Modusseite*>(seite))
        z << QStringLiteral("Phase %1").arg(m->Phase);
    const QWidget* fokus = seite->focusWidget();
    z << QStringLiteral("Fokus ") + (fokus ? fokus->objectName() : QStringLiteral("-"));
    for (QWidget* w : seite->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        auto* knopf = qobject_cast<QPushButton*>(w);
        QString zeile = QStringLiteral("%1 %2 %3 %4 [%5,%6 %7x%8] erledigt %9")
                            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                 w->isVisibleTo(seite) ? QStringLiteral("sichtbar") : QStringLiteral("verborgen"),
                                 w->isEnabled() ? QStringLiteral("frei") : QStringLiteral("gesperrt"))
                            .arg(w->x())
                            .arg(w->y())
                            .arg(w->width())
                            .arg(w->height())
                            .arg(knopf && u->erledigt(knopf));
        if (auto* l = qobject_cast<QLabel*>(w))
            zeile += QStringLiteral(" \"%1\" %2 %3 %4")
                         .arg(l->text(), l->autoFillBackground() ? QStringLiteral("deckend") : QStringLiteral("klar"),
                              farbe(l, QPalette::Window), farbe(l, QPalette::WindowText));
        if (auto* f = qobject_cast<QLineEdit*>(w)) {
            const QWidget* naechstes = f->nextInFocusChain();
            zeile += QStringLiteral(" \"%1\" rahmen %2 nurlesen %3 fokusart %4 %5 -> %6")
                         .arg(f->text())
                         .arg(f->hasFrame())
                         .arg(f->isReadOnly())
                         .arg(int(f->focusPolicy()))
                         .arg(farbe(f, QPalette::Text), naechstes ? naechstes->objectName() : QString());
        }
        if (auto* k = qobject_cast<QAbstractButton*>(w))
            zeile += QStringLiteral(" \"%1\" %2 %3").arg(k->text()).arg(k->isChecked()).arg(k->property("Bild").toString());
        if (auto* b = qobject_cast<Bildanzeige*>(w))
            zeile += QStringLiteral(" bild ") + pruefsumme(b->flaeche().bild());
        z << zeile;
    }
    return z;
}

QWidget* seite(int k)
{
    return Fenstersatz::seite(k);
}

// The button that starts a page's first beams.
QAbstractButton* startknopf(int k)
{
    return element<QAbstractButton>(seite(k), k == 11 ? QStringLiteral("StartHoriButton") : QStringLiteral("Start1Button"));
}

void seiteAufrufen(int k, bool lernen, int breite)
{
    starten(breite);
    // Coming through the course: page 8 enables "&New", which page 9 leaves as it is.
    FormHaupt->ZugNeu(7);
    FormHaupt->ZugNeu(k);
    (lernen ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->trigger();
}

// Clicks the named step buttons one after the other (each runs to its end);
// "Name=Text" types a field's text instead.
void schritte(int k, const QStringList& liste)
{
    for (const QString& s : liste) {
        const int gleich = s.indexOf(QLatin1Char('='));
        if (gleich > 0)
            element<QLineEdit>(seite(k), s.left(gleich))->setText(s.mid(gleich + 1));
        else
            klicken(element<QWidget>(seite(k), s));
    }
}

// A page as "&New" leaves it when nothing runs (the first beams ran to their
// end before it), or, `nachgestartet`, the same page after its first beams
// have run once more.
QStringList referenz(int k, bool lernen, int breite, bool nachgestartet)
{
    static QMap<QString, QStringList> fertig;
    const QString schluessel = QStringLiteral("%1/%2/%3/%4").arg(k).arg(lernen).arg(breite).arg(nachgestartet);
    if (!fertig.contains(schluessel)) {
        seiteAufrufen(k, lernen, breite);
        klicken(startknopf(k));
        FormHaupt->Neu->trigger();
        if (nachgestartet)
            klicken(startknopf(k));
        fertig.insert(schluessel, zustand(seite(k)));
    }
    return fertig[schluessel];
}

}  // namespace

class TestNeustart : public QObject
{
    Q_OBJECT
private slots:
    void neustartImLauf_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("lernen");
        QTest::addColumn<int>("breite");
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("nachMs");
        // The page shown first takes "&New" out of its disabled state while a distribution runs.
        QTest::addColumn<bool>("umweg");
        // Right after "&New" the first beams are started anew (and run to their end) within the same wait.
        QTest::addColumn<bool>("nachstarten");
        // The mode items are enabled once the stopped run is over.
        QTest::addColumn<bool>("modusFrei");

        const QStringList tf11Waagrecht{"StartHoriButton", "Int1=1", "Int2=0", "Int3=0", "Hor1=1", "Hor2=1",
                                        "Hor3=1",          "Hor4=0", "Hor5=0", "Hor6=0", "Hor7=0", "Hor8=0", "Hor9=0"};
        QTest::newRow("8 Strahlen") << 7 << true << 800 << QStringList{} << "Start1Button" << 150 << false << false
                                    << true;
        QTest::newRow("8 waagrechte Verteilung")
            << 7 << true << 800 << QStringList{"Start1Button"} << "HorizontalButton" << 100 << true << false << true;
        QTest::newRow("8 senkrechte Verteilung")
            << 7 << true << 800 << QStringList{"Start1Button", "HorizontalButton", "Start2Button"} << "VertikalButton"
            << 100 << true << false << true;
        QTest::newRow("9 Anleitung Strahlen")
            << 8 << true << 800 << QStringList{} << "Start1Button" << 150 << false << false << false;
        QTest::newRow("9 waagrechte Verteilung")
            << 8 << false << 800 << QStringList{"Start1Button"} << "HorizontalButton" << 100 << true << false << true;
        QTest::newRow("9 senkrechte Verteilung 1024")
            << 8 << false << 1024 << QStringList{"Start1Button", "HorizontalButton", "Start2Button"} << "VertikalButton"
            << 250 << true << false << true;
        QTest::newRow("9 Verteilung, nachgestartet")
            << 8 << false << 800 << QStringList{"Start1Button"} << "HorizontalButton" << 100 << true << true << true;
        QTest::newRow("10 D1-Verteilung")
            << 9 << false << 800 << QStringList{"Start1Button"} << "D1Button" << 300 << true << false << true;
        QTest::newRow("10 D2-Strahlen") << 9 << false << 800 << QStringList{"Start1Button", "D1Button"}
                                        << "Start2Button" << 200 << false << false << false;
        QTest::newRow("10 D2-Verteilung")
            << 9 << false << 800 << QStringList{"Start1Button", "D1Button", "Start2Button"} << "D2Button" << 500
            << true << false << true;
        QTest::newRow("12 waagrecht") << 11 << true << 800 << QStringList{} << "StartHoriButton" << 100 << false
                                      << false << true;
        QTest::newRow("12 senkrecht") << 11 << true << 800 << tf11Waagrecht << "StartVertiButton" << 100 << false
                                      << false << true;
    }

    void neustartImLauf()
    {
        QFETCH(int, k);
        QFETCH(bool, lernen);
        QFETCH(int, breite);
        QFETCH(QStringList, vorher);
        QFETCH(QString, knopf);
        QFETCH(int, nachMs);
        QFETCH(bool, umweg);
        QFETCH(bool, nachstarten);
        QFETCH(bool, modusFrei);
        const QStringList erwartet = referenz(k, lernen, breite, nachstarten);

        seiteAufrufen(k, lernen, breite);
        schritte(k, vorher);
        bool neuFrei = false;
        bool gelaufen = false;
        QTimer::singleShot(nachMs, FormHaupt, [&] {
            if (umweg) {
                const int anderswo = k == 9 ? 8 : 9;
                klicken(FormHaupt->Zug[std::size_t(anderswo)]);
                klicken(FormHaupt->Zug[std::size_t(k)]);
                // The page's activation comes before "&New", as with a learner's pace.
                QCoreApplication::processEvents();
            }
            neuFrei = FormHaupt->Neu->isEnabled();
            FormHaupt->Neu->trigger();
            if (nachstarten)
                klicken(startknopf(k));
            gelaufen = true;
        });
        klicken(element<QWidget>(seite(k), knopf));
        QVERIFY(gelaufen);
        QVERIFY(neuFrei);
        QCOMPARE(zustand(seite(k)), erwartet);
        QCOMPARE(FormHaupt->Zustand.seite(), k);
        QVERIFY(FormHaupt->Neu->isEnabled());
        QCOMPARE(FormHaupt->Demonstration1->isEnabled(), modusFrei);
        QCOMPARE(FormHaupt->Lernprogramm1->isEnabled(), modusFrei);
    }
};

QUORVEL_GUI_TEST_MAIN(TestNeustart)
#include "test_neustart.moc"
