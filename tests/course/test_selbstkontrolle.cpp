// The self-check page: the correction chain with its messages and reactions,
// the colouring and the final check, restart and exit during a beam run.
#include "support/Testumgebung.h"

#include "Antworter.h"
#include "app/Ausstieg.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace Testumgebung;

namespace {
constexpr QRgb Rot = 0xFFFF0000;

int rote(Bildanzeige* b)
{
    int n = 0;
    for (int y = 0; y < b->flaeche().hoehe(); ++y)
        for (int x = 0; x < b->flaeche().breite(); ++x)
            n += b->flaeche().pixel(x, y) == Rot;
    return n;
}

void tippen(const std::vector<QLineEdit*>& felder, const QStringList& werte)
{
    for (std::size_t i = 0; i < felder.size(); ++i) {
        felder[i]->clear();
        QTest::keyClicks(felder[i], werte[int(i)]);
    }
}

std::vector<QLineEdit*> felder(const auto& feld, int von, int bis)
{
    std::vector<QLineEdit*> v;
    for (int n = von; n <= bis; ++n)
        v.push_back(feld[std::size_t(n)]);
    return v;
}

QString bild(QPushButton* knopf)
{
    return knopf->property("Bild").toString();
}

const QString FehltHorFaktor = QStringLiteral(
    "Tragen Sie bitte zuerst die Schwächungs-|faktoren nach der horizontalen Durch-|leuchtung ein !");
}  // namespace

class TestSelbstkontrolle : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        starten();
        FormHaupt->ZugNeu(11);
    }

    // "Add" before anything else: the missing horizontal factors come first.
    void summeZuerst()
    {
        TForm11* f = Form11;
        Antworter antworter;
        klicken(f->SummenButton);
        QCOMPARE(antworter.texte(), QStringList{FehltHorFaktor});
        QVERIFY(antworter.antworten[0].kopf);
        QCOMPARE(f->focusWidget(), f->StartHoriButton);
        for (QPushButton* k : {f->StartHoriButton, f->HorizontalButton, f->StartVertiButton, f->VertikalButton})
            QCOMPARE(bild(k), QStringLiteral("LeerButton"));
        QVERIFY(!f->Panel3->isVisible());
    }

    // A wrong horizontal factor clears its mark and opens the factors again,
    // without running the beams a second time.
    void falscherFaktor()
    {
        TForm11* f = Form11;
        Antworter antworter;
        klicken(f->StartHoriButton);
        QCOMPARE(bild(f->StartHoriButton), QStringLiteral("PfeilButton"));
        QCOMPARE(f->Schritt, 10);
        QVERIFY(!f->Int[1]->isReadOnly());
        tippen(felder(f->Int, 1, 3), {"0", "0", "0"});
        // wipe the beams: a second run would draw them again
        Kurs::gitterbild(f->Bild1, 54, 3, 3, 0);
        klicken(f->HorizontalButton);
        QCOMPARE(antworter.texte(),
                 QStringList{QStringLiteral("Schauen Sie sich bitte die Schwächungs-|faktoren nach der horizontalen "
                                            "Durch-|leuchtung noch einmal an !")});
        QCOMPARE(rote(f->Bild1), 0);
        QVERIFY(!f->Int[1]->isReadOnly());
        QCOMPARE(f->focusWidget(), f->Int[1]);
        QCOMPARE(f->Schritt, 10);
        QVERIFY(f->HorizontalButton->isEnabled());
        QVERIFY(f->Hor[1]->isReadOnly());
    }

    // A field emptied after its group was marked as entered counts as not
    // entered: nothing is read from an empty field.
    void geleertesFeld()
    {
        TForm11* f = Form11;
        Antworter antworter;
        klicken(f->StartHoriButton);
        tippen(felder(f->Int, 1, 3), {"4", "0", "0"});
        klicken(f->SummenButton);  // marks the factors as entered, then misses the shares
        QCOMPARE(antworter.texte().last(),
                 QStringLiteral("Tragen Sie bitte zuerst die Verteilung der|horizontalen Schwächungsfaktoren ein !|"));
        QCOMPARE(f->focusWidget(), f->HorizontalButton);
        f->Int[2]->clear();
        klicken(f->HorizontalButton);
        QCOMPARE(antworter.texte().last(), FehltHorFaktor);
        QCOMPARE(bild(f->StartHoriButton), QStringLiteral("LeerButton"));
        QVERIFY(f->Hor[1]->isReadOnly());
    }

    // Any non-zero factor of the first row passes when everything follows
    // from it; the colouring is checked by the labels' backgrounds.
    void ganzerDurchlauf_data()
    {
        QTest::addColumn<QString>("a");
        QTest::newRow("1") << "1";
        QTest::newRow("7") << "7";
        QTest::newRow("250") << "250";
    }

    void ganzerDurchlauf()
    {
        QFETCH(QString, a);
        const int wert = a.toInt();
        TForm11* f = Form11;
        Antworter antworter;
        klicken(f->StartHoriButton);
        tippen(felder(f->Int, 1, 3), {a, "0", "0"});
        klicken(f->HorizontalButton);
        QCOMPARE(bild(f->StartHoriButton), QStringLiteral("CheckButton"));
        QVERIFY(!f->StartHoriButton->isEnabled());
        QCOMPARE(f->Schritt, 12);
        tippen(felder(f->Hor, 1, 9), {a, a, a, "0", "0", "0", "0", "0", "0"});
        klicken(f->StartVertiButton);
        QCOMPARE(f->Schritt, 11);
        tippen(felder(f->Int, 4, 6), {a, "0", "0"});
        klicken(f->VertikalButton);
        QCOMPARE(f->Schritt, 13);
        // a wrong vertical share opens the vertical shares again
        tippen(felder(f->Ver, 1, 9), {a, "0", "0", a, "0", "0", "0", "0", "0"});
        klicken(f->SummenButton);
        QCOMPARE(antworter.texte(), QStringList{QStringLiteral(
                                        "Schauen Sie sich bitte die Verteilung|der vertikalen Schwächungsfaktoren|noch "
                                        "einmal an !")});
        QCOMPARE(f->Schritt, 13);
        QVERIFY(!f->Ver[7]->isReadOnly());
        tippen({f->Ver[7]}, {a});
        klicken(f->SummenButton);
        QCOMPARE(antworter.antworten.size(), 1);
        const QString z = QString::number(2 * wert), e = a;
        QStringList summen;
        for (int n = 1; n <= 9; ++n)
            summen << f->Summe[n]->text();
        QCOMPARE(summen, QStringList({z, e, e, e, "0", "0", e, "0", "0"}));
        QVERIFY(f->Panel3->isVisible());
        QVERIFY(f->Memo3->isVisible());
        QVERIFY(f->FertigButton->isEnabled());
        QVERIFY(f->Farbe1->isChecked());
        QCOMPARE(f->Schritt, 8);
        QCOMPARE(bild(f->SummenButton), QStringLiteral("CheckButton"));

        // colouring: a wrong one first, then the right one
        klicken(f->Summe[1]);
        klicken(f->FertigButton);
        QCOMPARE(antworter.texte().last(),
                 QStringLiteral("Schauen Sie sich bitte die Graukodie-|rung noch einmal an !|"));
        QVERIFY(!f->Memo2->isVisible());
        klicken(f->Farbe2);
        const int c = 54;
        for (auto [r, j] : {std::pair{1, 2}, {1, 3}, {2, 1}, {3, 1}})
            klicken(f->Bild2, QPoint(j * c + 8, r * c + 8));  // beside the label, on the grid
        QCOMPARE(QColor(pixel(f->Bild2, 2 * c + c / 2, c + 4)), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(QColor(pixel(f->Bild2, c + 4, c + 4)), QColor(0x80, 0x80, 0x80));
        klicken(f->FertigButton);
        QCOMPARE(antworter.texte().last(), QStringLiteral("Alles richtig !|Sehr gut !|"));
        QVERIFY(!antworter.antworten.last().kopf);
        QVERIFY(f->Memo2->isVisible());
        QVERIFY(f->FertigButton->isEnabled());

        // "&New" empties the page again
        FormHaupt->Neu->trigger();
        QVERIFY(!f->Panel3->isVisible());
        QVERIFY(!f->Memo2->isVisible());
        QVERIFY(!f->FertigButton->isEnabled());
        QCOMPARE(f->Int[1]->text(), QString());
        QVERIFY(f->StartHoriButton->isEnabled());
        QCOMPARE(bild(f->StartHoriButton), QStringLiteral("LeerButton"));
        QCOMPARE(Kurs::hintergrund(f->Summe[1]), QColor(Qt::white));
    }

    // "Exit" answered "Yes" during a beam run ends it without another dash.
    void ausstiegImStrahl()
    {
        TForm11* f = Form11;
        int roteBeimJa = -1;
        QTimer::singleShot(120, [&] {
            QTimer::singleShot(30, [&] {
                roteBeimJa = rote(f->Bild1);
                FormAusstieg->ButtonJa->click();
            });
            FormHaupt->Beenden->trigger();
        });
        klicken(f->StartHoriButton);
        QVERIFY(Programmende());
        QVERIFY(roteBeimJa > 0);
        QCOMPARE(rote(f->Bild1), roteBeimJa);
        QVERIFY(f->Int[1]->isReadOnly());
    }
};

QUORVEL_GUI_TEST_MAIN(TestSelbstkontrolle)
#include "test_selbstkontrolle.moc"
