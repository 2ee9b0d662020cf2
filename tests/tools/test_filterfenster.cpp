// The filter window and the kernel input window: every filter choice with
// its six steps, filters that do not chain, the selected filter clicked
// again, "Create a filter", the weight fields' keys, applying own kernels
// (divisor rule, hint text, a field that is no integer), and placement.
#include "Werkzeughilfe.h"

#include "platform/Fensterart.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Testumgebung;
using namespace Werkzeughilfe;

namespace {

QRadioButton* knopfZuCode(int code)
{
    return FormFilter->Knopf(ct::Filterart(code));
}

// A scan, the filter window open and the gray-scale knob away from 0.
void bildMitFilterfenster()
{
    kleinesBild();
    Form12->GraucodezeigenButton->click();
    streifenKlick(120);
    Form12->FilterzeigenButton->click();
}

void kernEingeben(const QStringList& texte)
{
    for (int i = 0; i < 9; ++i) {
        FormEingabe->Feld(i)->clear();
        QTest::keyClicks(FormEingabe->Feld(i), texte.value(i));
    }
}

// Everything the window must leave alone when it refuses to act.
struct Zustand
{
    int schieber, filternummer;
    bool filterAktiv;
    QString status;
    float maximum;
    ct::Bildfeld filterbild;
    QImage bild;

    static Zustand jetzt()
    {
        const ct::Simulator& m = Form12->Modell;
        return {FormGraucode->Schieberposition(), int(Form12->Zustand.Filternummer()), Form12->Zustand.FilterAktiv(),
                Form12->Statustext(4), m.Bildmaximum, m.FilterBild, Form12->Image3->flaeche().bild()};
    }
    bool operator==(const Zustand&) const = default;
};

}  // namespace

class TestFilterfenster : public QObject
{
    Q_OBJECT
private slots:
    void init() { simulatorZeigen(); }

    void filterWaehlen_data()
    {
        QTest::addColumn<int>("code");
        for (const ct::Filterangabe& f : ct::Filtertabelle())
            if (f.Weg == ct::Rechenweg::Linear || f.Weg == ct::Rechenweg::Rang)
                QTest::newRow(std::to_string(int(f.Art)).c_str()) << int(f.Art);
    }

    void filterWaehlen()
    {
        QFETCH(int, code);
        bildMitFilterfenster();
        const ct::Simulator& m = Form12->Modell;
        const float minimum = m.Bildminimum;
        const ct::Bildfeld ctbild = m.CTBild;
        knopfZuCode(code)->click();

        ct::Bildfeld erwartet;
        QVERIFY(ct::FilterAnwenden(ct::Filterart(code), ctbild, erwartet, 4));
        QCOMPARE(FormGraucode->Schieberposition(), 0);
        QCOMPARE(pixel(FormGraucode->Skala, 2, 10), 0xFF000000);
        QCOMPARE(int(Form12->Zustand.Filternummer()), code);
        QVERIFY(Form12->Zustand.FilterAktiv());
        QCOMPARE(Form12->Statustext(4), QStringLiteral("Filter: ") + Statustexte::filtername(ct::Filterart(code)));
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                QCOMPARE(m.FilterBild(x, y).Wert, erwartet(x, y).Wert);
        QCOMPARE(m.Bildmaximum, ct::Maximum(erwartet, 4));
        QCOMPARE(m.Bildminimum, minimum);
        QVERIFY(m.CTBild == ctbild);
        QCOMPARE(zellgrau(), standardfarben(erwartet));

        // "No filter" shows the CT picture again with its own maximum
        FormFilter->keinFilter->click();
        QVERIFY(!Form12->Zustand.FilterAktiv());
        QVERIFY(Form12->Zustand.Filternummer() == ct::Filterart::Keiner);
        QCOMPARE(Form12->Statustext(4), QStringLiteral("Filter: kein Filter"));
        QCOMPARE(m.Bildmaximum, ct::Maximum(ctbild, 4));
        QCOMPARE(zellgrau(), standardfarben(ctbild));
    }

    void filterKettenNicht()
    {
        bildMitFilterfenster();
        const ct::Bildfeld ctbild = Form12->Modell.CTBild;
        FormFilter->Gaussfilter->click();
        FormFilter->Rechtecksfilter->click();
        ct::Bildfeld erwartet;
        ct::FilterAnwenden(ct::Filterart::Rechteck, ctbild, erwartet, 4);
        QCOMPARE(zellgrau(), standardfarben(erwartet));
        QCOMPARE(Form12->Modell.Bildmaximum, ct::Maximum(erwartet, 4));
    }

    void gewaehltenFilterNochmal()
    {
        bildMitFilterfenster();
        FormFilter->MedianMaske2->click();
        streifenKlick(60);
        const Zustand vorher = Zustand::jetzt();
        QTest::mouseClick(FormFilter->MedianMaske2, Qt::LeftButton);
        QVERIFY(Zustand::jetzt() == vorher);
        QCOMPARE(FormGraucode->Schieberposition(), 60);
    }

    void eigenkreationZeigtNurDasFenster()
    {
        bildMitFilterfenster();
        FormFilter->Laplacefilter->click();
        streifenKlick(60);
        const Zustand vorher = Zustand::jetzt();
        FormFilter->Eigenkreation->click();
        QVERIFY(FormEingabe->isVisible());
        QVERIFY(Zustand::jetzt() == vorher);
        // centred over the filter window
        QCOMPARE(aussenort(FormEingabe).x(), aussenort(FormFilter).x() + (aussenbreite(FormFilter) - aussenbreite(FormEingabe)) / 2);
        QCOMPARE(aussenort(FormEingabe).y(), aussenort(FormFilter).y() + (aussenhoehe(FormFilter) - aussenhoehe(FormEingabe)) / 2);
        // Abort keeps the texts; the selected button does not reopen it
        QTest::keyClicks(FormEingabe->Feld5, QStringLiteral("7"));
        FormEingabe->EndeButton->click();
        QVERIFY(!FormEingabe->isVisible());
        QTest::mouseClick(FormFilter->Eigenkreation, Qt::LeftButton);
        QVERIFY(!FormEingabe->isVisible());
        QCOMPARE(FormEingabe->Feld5->text(), QStringLiteral("7"));
    }

    void tasten_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("text");
        QTest::newRow("Ziffern") << "12" << "12";
        QTest::newRow("höchstens drei") << "1234" << "123";
        QTest::newRow("Minus") << "-5" << "-5";
        QTest::newRow("Buchstabe, Blank, Punkt") << "a1 .x2" << "12";
        QTest::newRow("Komma, Plus") << "+3,4" << "34";
    }

    void tasten()
    {
        QFETCH(QString, getippt);
        QFETCH(QString, text);
        FormEingabe->show();
        FormEingabe->Feld1->clear();
        QTest::keyClicks(FormEingabe->Feld1, getippt);
        QCOMPARE(FormEingabe->Feld1->text(), text);
        // Backspace takes one back; pasting brings nothing in
        QTest::keyClick(FormEingabe->Feld1, Qt::Key_Backspace);
        QCOMPARE(FormEingabe->Feld1->text(), text.chopped(1));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QTest::keyClick(FormEingabe->Feld1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(FormEingabe->Feld1, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(FormEingabe->Feld1->text(), text.chopped(1));
        // Delete works as in every field
        QTest::keyClick(FormEingabe->Feld1, Qt::Key_Home);
        QTest::keyClick(FormEingabe->Feld1, Qt::Key_Delete);
        QCOMPARE(FormEingabe->Feld1->text(), text.chopped(1).mid(1));
    }

    void enterGehtWeiter()
    {
        FormEingabe->show();
        FormEingabe->Feld1->setFocus();
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(FormEingabe->Feld(i), Qt::Key_Return);
            QCOMPARE(FormEingabe->focusWidget(), FormEingabe->Feld(i + 1));
            QCOMPARE(FormEingabe->Feld(i)->text(), QString());
        }
        QTest::keyClick(FormEingabe->Feld9, Qt::Key_Enter);
        QCOMPARE(FormEingabe->focusWidget(), FormEingabe->UebernehmenButton);
        // Tab goes on as well
        FormEingabe->Feld4->setFocus();
        QTest::keyClick(FormEingabe->Feld4, Qt::Key_Tab);
        QCOMPARE(FormEingabe->focusWidget(), FormEingabe->Feld5);
    }

    void eigenerKern_data()
    {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<int>("divisor");
        QTest::newRow("leer") << QStringList() << "1/1(0,0,0,0,0,0,0,0,0)" << 1;
        QTest::newRow("Nullen") << QStringList({"0", "0", "0", "0", "00", "0", "0", "0", "-0"})
                                << "1/1(0,0,0,0,00,0,0,0,-0)" << 1;
        QTest::newRow("Einsen") << QStringList({"1", "1", "1", "1", "1", "1", "1", "1", "1"})
                                << "1/9(1,1,1,1,1,1,1,1,1)" << 9;
        QTest::newRow("negative Summe") << QStringList({"", "-1", "", "", "1", "", "", "-1", ""})
                                        << "1/-1(0,-1,0,0,1,0,0,-1,0)" << -1;
        QTest::newRow("schief") << QStringList({"", "", "1"}) << "1/1(0,0,1,0,0,0,0,0,0)" << 1;
    }

    void eigenerKern()
    {
        QFETCH(QStringList, felder);
        QFETCH(QString, hinweis);
        QFETCH(int, divisor);
        bildMitFilterfenster();
        FormFilter->Eigenkreation->click();
        kernEingeben(felder);
        const ct::Bildfeld ctbild = Form12->Modell.CTBild;
        FormEingabe->UebernehmenButton->click();

        ct::Kern w{};
        for (int i = 0; i < 9; ++i) {
            QVERIFY(!FormEingabe->Feld(i)->text().isEmpty());
            w[std::size_t(i)] = felder.value(i).toInt();
        }
        ct::Bildfeld erwartet;
        ct::LineareFilter(ctbild, erwartet, 4, w, divisor);
        const ct::Simulator& m = Form12->Modell;
        QCOMPARE(FormFilter->Eigenkreation->toolTip(), hinweis);
        QVERIFY(FormFilter->Eigenkreation->isChecked());
        QVERIFY(Form12->Zustand.Filternummer() == ct::Filterart::Eigen);
        QVERIFY(Form12->Zustand.FilterAktiv());
        QCOMPARE(Form12->Statustext(4), QStringLiteral("Filter: Eigenkreation"));
        QCOMPARE(FormGraucode->Schieberposition(), 0);
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                QCOMPARE(m.FilterBild(x, y).Wert, erwartet(x, y).Wert);
        QCOMPARE(m.Bildmaximum, ct::Maximum(erwartet, 4));
        QCOMPARE(zellgrau(), standardfarben(erwartet));
        QVERIFY(FormEingabe->isVisible());
        if (QTest::currentDataTag() == QLatin1String("schief"))  // one cell to the left and one down
            QCOMPARE(m.FilterBild(2, 3).Wert, ctbild(3, 2).Wert);
        if (QTest::currentDataTag() == QLatin1String("negative Summe"))
            QCOMPARE(m.FilterBild(2, 2).Wert, -(ctbild(2, 2).Wert - ctbild(2, 1).Wert - ctbild(2, 3).Wert));
    }

    void keineGanzeZahl_data()
    {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QString>("falsch");
        QTest::newRow("Minus allein") << QStringList({"1", "-", "1"}) << "-";
        QTest::newRow("Minus hinten") << QStringList({"", "", "", "", "", "", "", "4-"}) << "4-";
        QTest::newRow("zwei Minus") << QStringList({"--1", "", "", "", "9-"}) << "--1";
    }

    void keineGanzeZahl()
    {
        QFETCH(QStringList, felder);
        QFETCH(QString, falsch);
        bildMitFilterfenster();
        FormFilter->Gaussfilter->click();
        streifenKlick(70);
        FormFilter->Eigenkreation->click();
        kernEingeben(felder);
        const Zustand vorher = Zustand::jetzt();
        FormEingabe->UebernehmenButton->click();
        QCOMPARE(meldungen().size(), 1);
        QCOMPARE(meldungen().first().text, QStringLiteral("'%1' is not a valid integer value").arg(falsch));
        // nothing changed: the status bar still names what is shown
        QVERIFY(Zustand::jetzt() == vorher);
        QCOMPARE(FormGraucode->Schieberposition(), 70);
        QCOMPARE(Form12->Statustext(4), QString::fromUtf8("Filter: Gaußfilter"));
        QCOMPARE(FormFilter->Eigenkreation->toolTip(), QString());
        QCOMPARE(FormEingabe->focusWidget()->objectName(),
                 QStringLiteral("Feld%1").arg(felder.indexOf(falsch) + 1));
    }
};

QUORVEL_GUI_TEST_MAIN(TestFilterfenster)
#include "test_filterfenster.moc"
