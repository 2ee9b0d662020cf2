// The shadow page and the two answer dialogs, at both layouts; the head
// pictures they show.
#include "support/Testumgebung.h"

#include "Antworter.h"
#include "app/HauptBlatt.h"
#include "app/Programmbilder.h"
#include "course/Blatt6.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"

#include <QLabel>
#include <QPushButton>

using namespace Testumgebung;

namespace {
constexpr QRgb Grau = 0xFF808080;

// Gray pixels in one column (the shadow's height) or one row (its width).
int grauInSpalte(Bildanzeige* b, int x)
{
    int n = 0;
    for (int y = 0; y < b->flaeche().hoehe(); ++y)
        n += b->flaeche().pixel(x, y) == Grau;
    return n;
}

int grauInZeile(Bildanzeige* b, int y)
{
    int n = 0;
    for (int x = 0; x < b->flaeche().breite(); ++x)
        n += b->flaeche().pixel(x, y) == Grau;
    return n;
}

int grauGesamt(Bildanzeige* b)
{
    int n = 0;
    for (int y = 0; y < b->flaeche().hoehe(); ++y)
        n += grauInZeile(b, y);
    return n;
}

bool an(QPushButton* lampe)
{
    return lampe->icon().cacheKey() == Form6->LampeAn->icon().cacheKey();
}

bool aus(QPushButton* lampe)
{
    return lampe->icon().cacheKey() == Form6->LampeAus->icon().cacheKey();
}
}  // namespace

class TestSchatten : public QObject
{
    Q_OBJECT
private slots:
    // Lit from the left both figures throw a shadow as high as they are;
    // lit from below the square's shadow is as wide as the square, the
    // ellipse's only as wide as the ellipse.
    void schattengroesse_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("lampe");
        QTest::addColumn<int>("hoehe");   // gray pixels in the column just inside the right frame
        QTest::addColumn<int>("weite");   // gray pixels in the row just below the top frame
        QTest::newRow("800 square left") << 800 << 11 << 50 << 0;
        QTest::newRow("800 square below") << 800 << 12 << 0 << 50;
        QTest::newRow("800 ellipse left") << 800 << 21 << 50 << 0;
        QTest::newRow("800 ellipse below") << 800 << 22 << 0 << 30;
        QTest::newRow("1024 square left") << 1024 << 11 << 64 << 0;
        QTest::newRow("1024 square below") << 1024 << 12 << 0 << 64;
        QTest::newRow("1024 ellipse left") << 1024 << 21 << 65 << 0;
        QTest::newRow("1024 ellipse below") << 1024 << 22 << 0 << 38;
    }

    void schattengroesse()
    {
        QFETCH(int, breite);
        QFETCH(int, lampe);
        QFETCH(int, hoehe);
        QFETCH(int, weite);
        starten(breite);
        FormHaupt->ZugNeu(6);
        QVERIFY(!FormHaupt->Neu->isEnabled());
        QPushButton* knopf = lampe == 11 ? Form6->Lampe11 : lampe == 12 ? Form6->Lampe12 : lampe == 21 ? Form6->Lampe21 : Form6->Lampe22;
        Bildanzeige* bild = lampe < 20 ? Form6->Schattenwurf1 : Form6->Schattenwurf2;
        // the pictures' sides after scaling: 140 at 800; 179 and 180 at 1024
        const int seite = breite == 800 ? 140 : lampe < 20 ? 179 : 180;
        QCOMPARE(bild->flaeche().breite(), seite);
        QCOMPARE(grauGesamt(bild), 0);
        // the first click after start switches the lamp on
        klicken(knopf);
        QVERIFY(an(knopf));
        QCOMPARE(grauInSpalte(bild, seite - 3), hoehe);
        QCOMPARE(grauInZeile(bild, 2), weite);
        // the frame stays black
        QCOMPARE(bild->flaeche().pixel(seite - 1, seite / 2), 0xFF000000u);
        QCOMPARE(bild->flaeche().pixel(seite / 2, 0), 0xFF000000u);
    }

    void lampenpaare()
    {
        starten();
        FormHaupt->ZugNeu(6);
        klicken(Form6->Lampe11);
        QCOMPARE(Form6->Lampe1Zustand, 11);
        // the other lamp of the pair moves the shadow upwards
        klicken(Form6->Lampe12);
        QCOMPARE(Form6->Lampe1Zustand, 12);
        QVERIFY(aus(Form6->Lampe11));
        QVERIFY(an(Form6->Lampe12));
        QCOMPARE(grauInSpalte(Form6->Schattenwurf1, 137), 0);
        QCOMPARE(grauInZeile(Form6->Schattenwurf1, 2), 50);
        // the second pair is independent
        klicken(Form6->Lampe21);
        QVERIFY(an(Form6->Lampe12));
        QVERIFY(an(Form6->Lampe21));
        // the same lamp again: off, no shadow, both lamps dark
        klicken(Form6->Lampe12);
        QCOMPARE(Form6->Lampe1Zustand, 10);
        QCOMPARE(grauGesamt(Form6->Schattenwurf1), 0);
        QVERIFY(aus(Form6->Lampe11));
        QVERIFY(aus(Form6->Lampe12));
        // the figure is back, black
        QCOMPARE(Form6->Schattenwurf1->flaeche().pixel(70, 70), 0xFF000000u);
        // the states survive leaving and showing the page again
        FormHaupt->ZugNeu(5);
        FormHaupt->ZugNeu(6);
        QCOMPARE(Form6->Lampe2Zustand, 21);
        QVERIFY(grauGesamt(Form6->Schattenwurf2) > 0);
    }

    // Whichever way the verdict dialog is closed, its labels are hidden
    // afterwards, and the hint follows the verdict of each showing.
    void urteilsdialog_data()
    {
        QTest::addColumn<bool>("schliessfeld");
        QTest::newRow("OK") << false;
        QTest::newRow("close box") << true;
    }

    void urteilsdialog()
    {
        QFETCH(bool, schliessfeld);
        starten();
        Antworter antworter(schliessfeld);
        FormFalsch->Urteil(FormFalsch->Falsch2);
        for (QLabel* l : {FormFalsch->Falsch1, FormFalsch->Falsch2, FormFalsch->Richtig})
            QVERIFY(!l->isVisibleTo(FormFalsch));
        FormFalsch->Urteil(FormFalsch->Richtig);
        FormFalsch->Urteil(FormFalsch->Falsch1);
        QCOMPARE(antworter.antworten.size(), 3);
        QCOMPARE(antworter.antworten[0].text, QStringLiteral("Not yet right"));
        QCOMPARE(antworter.antworten[0].hinweis, QStringLiteral("Röntgenbild des menschlichen Kopfes"));
        QVERIFY(antworter.antworten[0].kopf);
        QCOMPARE(antworter.antworten[1].text, QStringLiteral("Very good! Correct!"));
        QVERIFY(antworter.antworten[1].hinweis.contains(QStringLiteral("Röntgen (1845–1923)")));
        QVERIFY(!antworter.antworten[1].kopf);
        QCOMPARE(antworter.antworten[2].text, QStringLiteral("That's not right."));
        QCOMPARE(antworter.antworten[2].hinweis, QStringLiteral("Röntgenbild des menschlichen Kopfes"));
        QVERIFY(!FormFalsch->isVisible());
    }

    // The dialogs' sizes at both layouts; no verdict and no correction line is cut off.
    void dialoggroessen_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QSize>("falsch");
        QTest::addColumn<QSize>("korrektur");
        QTest::newRow("800") << 800 << QSize(265, 140) << QSize(371, 145);
        QTest::newRow("1024") << 1024 << QSize(349 - 8, 213 - 27) << QSize(451 - 8, 217 - 27);
    }

    void dialoggroessen()
    {
        QFETCH(int, breite);
        QFETCH(QSize, falsch);
        QFETCH(QSize, korrektur);
        starten(breite);
        QCOMPARE(FormFalsch->size(), falsch);
        QCOMPARE(FormKorrektur->size(), korrektur);
        for (QLabel* l : {FormFalsch->Falsch1, FormFalsch->Falsch2, FormFalsch->Richtig}) {
            QVERIFY(l->width() >= l->sizeHint().width());
            QVERIFY(l->x() + l->width() <= FormFalsch->width());
        }
        Antworter antworter;
        FormKorrektur->Meldung(QStringLiteral("Tragen Sie bitte zuerst die Schwächungs-"),
                               QStringLiteral("faktoren nach der horizontalen Durch-"), QStringLiteral("leuchtung ein !"));
        QCOMPARE(antworter.antworten.size(), 1);
        for (QLabel* l : {FormKorrektur->Zeile1, FormKorrektur->Zeile2, FormKorrektur->Zeile3})
            QVERIFY(l->x() + l->width() <= FormKorrektur->width());
        QVERIFY(FormKorrektur->OKButton->x() + FormKorrektur->OKButton->width() <= FormKorrektur->width());
        QVERIFY(FormKorrektur->width() >= korrektur.width());
        if (breite == 800) {
            // at the small layout the message fits the dialog as laid out and OK keeps its place
            QCOMPARE(FormKorrektur->size(), korrektur);
            QCOMPARE(FormKorrektur->OKButton->pos(), QPoint(297, 104));
        }
    }

    // The side X-ray is a radiograph (air black, bone light), the CT slice a
    // slice through the brain window (bone white, brain gray, air black).
    void kopfbilder()
    {
        const QImage roentgen = Programmbilder::kopfRoentgen(156, 226);
        QCOMPARE(roentgen.size(), QSize(156, 226));
        QCOMPARE(qGray(roentgen.pixel(2, 2)), 0);
        int hell = 0;
        for (int y = 0; y < roentgen.height(); ++y)
            for (int x = 0; x < roentgen.width(); ++x)
                hell = std::max(hell, qGray(roentgen.pixel(x, y)));
        QVERIFY(hell > 220);
        // the bottom row crosses the neck: soft tissue gray between black air
        const int unten = roentgen.height() - 2;
        int weich = 0;
        for (int x = 0; x < roentgen.width(); ++x)
            weich = std::max(weich, qGray(roentgen.pixel(x, unten)));
        QCOMPARE(qGray(roentgen.pixel(1, unten)), 0);
        QVERIFY2(weich > 30 && weich < 200, qPrintable(QString::number(weich)));
        // the middle of the skull is lighter than the soft tissue
        QVERIFY(qGray(roentgen.pixel(60, 60)) > weich);

        const QImage schnitt = Programmbilder::kopfschnitt(128, 128);
        QCOMPARE(qGray(schnitt.pixel(1, 1)), 0);
        const int hirn = qGray(schnitt.pixel(64, 40));
        QVERIFY(hirn > 60 && hirn < 200);
        int weiss = 0;
        for (int x = 0; x < 64; ++x)
            weiss += qGray(schnitt.pixel(x, 64)) == 255;
        QVERIFY(weiss >= 2);  // the skull crossed on the way to the centre
    }
};

QUORVEL_GUI_TEST_MAIN(TestSchatten)
#include "test_schatten.moc"
