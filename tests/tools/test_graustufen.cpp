// The gray-scale window: its strips and placement at both layouts, the
// re-colouring of the simulator's picture, the repeat buttons, clicks into
// the tick strip and beside the knob, dragging the knob, Reset and Close.
#include "Werkzeughilfe.h"

#include "platform/Fensterart.h"
#include "tools/BlattFilter.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace Testumgebung;
using namespace Werkzeughilfe;

namespace {

constexpr QRgb Schwarz = 0xFF000000;

TFormGraucode* G()
{
    return FormGraucode;
}

// A scan and the gray-scale window open over it.
void bildMitFenster()
{
    kleinesBild();
    Form12->GraucodezeigenButton->click();
}

// Paints a mark into the picture area: the next re-colouring removes it.
void markieren()
{
    Form12->Image3->flaeche().setPixel(1, 1, qRgb(255, 0, 0));
}

bool markiert()
{
    return pixel(Form12->Image3, 1, 1) == qRgb(255, 0, 0);
}

}  // namespace

class TestGraustufen : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void aufbau_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }

    void aufbau()
    {
        QFETCH(int, breite);
        simulatorZeigen(breite, breite * 3 / 4);
        kleinesBild();
        Form12->GraucodezeigenButton->click();
        QVERIFY(G()->isVisible());
        // The tool window keeps its design size and stands bottom-centred
        // over the simulator.
        QCOMPARE(G()->size(), QSize(332, 215));
        QCOMPARE(aussenort(G()), QPoint((Form12->width() - aussenbreite(G())) / 2, Form12->height() - aussenhoehe(G())));
        // 45 ticks crowding towards the right end, the last one at x = 3
        QSet<int> striche;
        for (int i = 1; i <= 45; ++i)
            striche << 256 - i * i / 8;
        for (int x = 0; x < 256; ++x) {
            QCOMPARE(pixel(G()->Farbe1, x, 0) == Schwarz, striche.contains(x));
            QCOMPARE(pixel(G()->Farbe1, x, 9) == Schwarz, striche.contains(x));
        }
        QVERIFY(striche.contains(3) && striche.contains(255));
        // the ramp runs from white to black
        QCOMPARE(pixel(G()->Farbe2, 0, 10), 0xFFFFFFFF);
        QCOMPARE(pixel(G()->Farbe2, 255, 19), Schwarz);
        QCOMPARE(pixel(G()->Farbe2, 100, 0), qRgb(155, 155, 155));
        // the slider strip's x = P + 2 lies over strip column P
        for (int P : {0, 127, 254})
            QCOMPARE(G()->Skala->mapTo(G(), QPoint(P + 2, 0)).x(), G()->Farbe2->mapTo(G(), QPoint(P, 0)).x());
        // knob at 0 and the full trapezoid
        QCOMPARE(pixel(G()->Skala, 2, 10), Schwarz);
        QCOMPARE(pixel(G()->Skala, 8, 10), qRgb(224, 224, 224));
        QCOMPARE(pixel(G()->Untergrund, 0, 1), qRgb(208, 208, 208));
    }

    void pfeilMitDerLeertaste_data()
    {
        QTest::addColumn<bool>("hoch");
        QTest::addColumn<int>("tasten");
        QTest::addColumn<int>("position");
        QTest::newRow("up, three presses") << true << 3 << 103;
        QTest::newRow("down, one press") << false << 1 << 99;
    }

    void pfeilMitDerLeertaste()
    {
        // each Space on a focused arrow is one step, and re-colours
        QFETCH(bool, hoch);
        QFETCH(int, tasten);
        QFETCH(int, position);
        bildMitFenster();
        streifenKlick(100);
        QToolButton* pfeil = hoch ? G()->ButtonHoch : G()->ButtonRunter;
        QVERIFY(pfeil->focusPolicy() & Qt::TabFocus);
        markieren();
        for (int i = 0; i < tasten; ++i)
            QTest::keyClick(pfeil, Qt::Key_Space);
        QCOMPARE(G()->Schieberposition(), position);
        QVERIFY(!markiert());
    }

    void knopfUndTrapez()
    {
        bildMitFenster();
        streifenKlick(100);
        QCOMPARE(G()->Schieberposition(), 100);
        // the hexagon around x = 102, the rest of the strip in its gray
        QCOMPARE(pixel(G()->Skala, 102, 0), Schwarz);
        QCOMPARE(pixel(G()->Skala, 99, 10), Schwarz);
        QCOMPARE(pixel(G()->Skala, 105, 10), Schwarz);
        QCOMPARE(pixel(G()->Skala, 106, 10), qRgb(224, 224, 224));
        QCOMPARE(pixel(G()->Skala, 98, 10), qRgb(224, 224, 224));
        // the upper edge of the trapezoid begins at P, the lower one at 0
        QCOMPARE(pixel(G()->Untergrund, 95, 0), qRgb(240, 240, 240));
        QCOMPARE(pixel(G()->Untergrund, 101, 0), qRgb(208, 208, 208));
        QCOMPARE(pixel(G()->Untergrund, 10, 31), qRgb(208, 208, 208));
        QCOMPARE(pixel(G()->Untergrund, 0, 20), qRgb(240, 240, 240));
        // closing keeps the position; showing again draws the knob there
        G()->EndeButton->click();
        QVERIFY(!G()->isVisible());
        Form12->GraucodezeigenButton->click();
        QCOMPARE(G()->Schieberposition(), 100);
        QCOMPARE(pixel(G()->Skala, 102, 10), Schwarz);
    }

    void faerbenNachFensterstellung_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("P");
        QTest::newRow("kein Filter, 0") << "keinFilter" << 0;
        QTest::newRow("kein Filter, 128") << "keinFilter" << 128;
        QTest::newRow("kein Filter, 254") << "keinFilter" << 254;
        QTest::newRow("Laplace, 0") << "Laplacefilter" << 0;
        QTest::newRow("Laplace, 200") << "Laplacefilter" << 200;
    }

    void faerbenNachFensterstellung()
    {
        QFETCH(QString, filter);
        QFETCH(int, P);
        bildMitFenster();
        Form12->FilterzeigenButton->click();
        element<QRadioButton>(FormFilter, filter)->click();
        streifenKlick(P);
        const ct::Simulator& m = Form12->Modell;
        const ct::Bildfeld& gezeigt = Form12->Zustand.FilterAktiv() ? m.FilterBild : m.CTBild;
        QCOMPARE(zellgrau(), fensterfarben(P, gezeigt));
        const float T = ct::Graucodeschwelle(m.Bildminimum, m.Bildmaximum, P);
        int unten = 0;
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                const float v = gezeigt(x, y).Wert;
                const int g = qRed(zellfarbe(x, y));
                // the maximum black, the threshold and everything below it white
                if (v == m.Bildmaximum)
                    QCOMPARE(g, 0);
                if (v <= T)
                    QCOMPARE(g, 255);
                unten += v < m.Bildminimum;
            }
        // after Laplace some cells lie below the CT picture's minimum
        if (filter == QLatin1String("Laplacefilter"))
            QVERIFY(unten > 0);
    }

    void wiederholknoepfe_data()
    {
        QTest::addColumn<bool>("hoch");
        QTest::addColumn<int>("von");
        QTest::newRow("hoch") << true << 10;
        QTest::newRow("runter") << false << 200;
    }

    void wiederholknoepfe()
    {
        QFETCH(bool, hoch);
        QFETCH(int, von);
        bildMitFenster();
        streifenKlick(von);
        QToolButton* knopf = hoch ? G()->ButtonHoch : G()->ButtonRunter;
        QTest::mousePress(knopf, Qt::LeftButton);
        // the first step comes one interval after the press
        QCOMPARE(G()->Schieberposition(), von);
        QTRY_VERIFY(qAbs(G()->Schieberposition() - von) >= 3);
        QTest::mouseRelease(knopf, Qt::LeftButton);
        const int los = G()->Schieberposition();
        QCOMPARE(zellgrau(), fensterfarben(los, Form12->Modell.CTBild));
        QTest::qWait(150);
        QCOMPARE(G()->Schieberposition(), los);
        QCOMPARE(pixel(G()->Skala, los + 2, 10), Schwarz);
    }

    void wiederholknoepfeAmEnde_data()
    {
        QTest::addColumn<bool>("hoch");
        QTest::addColumn<int>("ende");
        QTest::newRow("254") << true << 254;
        QTest::newRow("0") << false << 0;
    }

    void wiederholknoepfeAmEnde()
    {
        QFETCH(bool, hoch);
        QFETCH(int, ende);
        bildMitFenster();
        streifenKlick(ende);
        QToolButton* knopf = hoch ? G()->ButtonHoch : G()->ButtonRunter;
        QTimer* zeitgeber = hoch ? G()->Timer1Hoch : G()->Timer1Runter;
        int schritte = 0;
        connect(zeitgeber, &QTimer::timeout, G(), [&schritte] { ++schritte; });
        const QImage skala = G()->Skala->flaeche().bild();
        QTest::mousePress(knopf, Qt::LeftButton);
        QTRY_VERIFY(schritte >= 1);
        // the refused step still re-colours, with the unchanged position
        markieren();
        QTRY_VERIFY(schritte >= 3);
        QVERIFY(!markiert());
        QTest::mouseRelease(knopf, Qt::LeftButton);
        QCOMPARE(G()->Schieberposition(), ende);
        QCOMPARE(G()->Skala->flaeche().bild(), skala);
        QCOMPARE(zellgrau(), fensterfarben(ende, Form12->Modell.CTBild));
    }

    void klickNebenDenKnopf()
    {
        bildMitFenster();
        streifenKlick(50);
        QList<int> stellungen;
        bool richtig = true;
        connect(G()->Timer30, &QTimer::timeout, G(), [&] {
            stellungen << G()->Schieberposition();
            richtig = richtig && zellgrau() == fensterfarben(G()->Schieberposition(), Form12->Modell.CTBild);
        });
        QTest::mousePress(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));
        QTRY_VERIFY(!G()->Timer30->isActive());
        QTest::mouseRelease(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));
        QCOMPARE(stellungen, QList<int>({80, 110, 140, 150}));
        QVERIFY(richtig);
    }

    void klickJenseitsDesEndes()
    {
        bildMitFenster();
        streifenKlick(200);
        // a travel target beyond 254 stops at the last accepted position
        QTest::mousePress(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(258, 10));
        QTRY_VERIFY(!G()->Timer30->isActive());
        QTest::mouseRelease(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(258, 10));
        QCOMPARE(G()->Schieberposition(), 230);
        // the tick strip ends at 255 and refuses it
        streifenKlick(255);
        QCOMPARE(G()->Schieberposition(), 230);
        // releasing the mouse stops a travel where it is
        streifenKlick(0);
        QTest::mousePress(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
        QTRY_VERIFY(G()->Schieberposition() > 0);
        QTest::mouseRelease(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(200, 10));
        const int halt = G()->Schieberposition();
        QTest::qWait(250);
        QCOMPARE(G()->Schieberposition(), halt);
        QVERIFY(halt < 200);
    }

    void ziehen()
    {
        bildMitFenster();
        streifenKlick(40);
        const std::vector<int> vorher = zellgrau();
        QTest::mousePress(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(42, 10));
        QTest::mouseMove(G()->Skala, QPoint(120, 10));
        QTest::mouseMove(G()->Skala, QPoint(180, 12));
        // knob and trapezoid follow, the picture waits for the release
        QCOMPARE(G()->Schieberposition(), 180);
        QCOMPARE(pixel(G()->Skala, 182, 10), Schwarz);
        QCOMPARE(pixel(G()->Untergrund, 181, 0), qRgb(208, 208, 208));
        QCOMPARE(zellgrau(), vorher);
        QTest::mouseRelease(G()->Skala, Qt::LeftButton, Qt::NoModifier, QPoint(180, 12));
        QCOMPARE(zellgrau(), fensterfarben(180, Form12->Modell.CTBild));
        QVERIFY(!G()->Ziehmodus);
        QVERIFY(!G()->Timer30->isActive());
    }

    void zuruecksetzen()
    {
        bildMitFenster();
        streifenKlick(90);
        G()->ResetButton->click();
        QCOMPARE(G()->Schieberposition(), 0);
        QCOMPARE(pixel(G()->Skala, 2, 10), Schwarz);
        QCOMPARE(zellgrau(), fensterfarben(0, Form12->Modell.CTBild));
        QCOMPARE(G()->focusWidget(), G()->EndeButton);
        // deleting the CT picture closes the window and resets the position
        streifenKlick(90);
        Form12->CTLoeschenButton->click();
        QVERIFY(!G()->isVisible());
        QCOMPARE(G()->Schieberposition(), 0);
    }
};

QUORVEL_GUI_TEST_MAIN(TestGraustufen)
#include "test_graustufen.moc"
