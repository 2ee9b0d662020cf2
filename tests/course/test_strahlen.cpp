// The ray exercises: the guided first exercise, the horizontal and vertical
// exercise in both modes, the diagonal exercise.
#include "support/Testumgebung.h"

#include "Antworter.h"
#include "app/HauptBlatt.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "platform/Bildanzeige.h"
#include "course/Kurshilfen.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Testumgebung;

namespace {
constexpr QRgb Rot = 0xFFFF0000, Blau = 0xFF0000FF, Schwarz = 0xFF000000, Grau = 0xFF808080;

int zaehle(Bildanzeige* b, QRgb farbe)
{
    int n = 0;
    for (int y = 0; y < b->flaeche().hoehe(); ++y)
        for (int x = 0; x < b->flaeche().breite(); ++x)
            n += b->flaeche().pixel(x, y) == farbe;
    return n;
}

// Separate runs of a colour along the line y = a + s x (s = 1 or -1).
int laeufe(Bildanzeige* b, QRgb farbe, int a, int s)
{
    int n = 0;
    bool vorher = false;
    for (int x = 0; x < b->flaeche().breite(); ++x) {
        const bool jetzt = b->flaeche().pixel(x, a + s * x) == farbe;
        n += jetzt && !vorher;
        vorher = jetzt;
    }
    return n;
}

QStringList texte(const auto& felder, int von, int bis)
{
    QStringList l;
    for (int n = von; n <= bis; ++n)
        l << felder[std::size_t(n)]->text();
    return l;
}

void tippen(QLineEdit* feld, const QString& text)
{
    feld->clear();
    QTest::keyClicks(feld, text);
}
}  // namespace

class TestStrahlen : public QObject
{
    Q_OBJECT
private slots:
    void ersteUebung_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<QPoint>("spitze");   // tip of the first horizontal beam
        QTest::newRow("800") << 800 << QPoint(249, 68);
        QTest::newRow("1024") << 1024 << QPoint(32 + 36 * 8, 87);
    }

    // All six steps: beams, distributions, sums, gray scale.
    void ersteUebung()
    {
        QFETCH(int, breite);
        QFETCH(QPoint, spitze);
        starten(breite);
        FormHaupt->ZugNeu(7);
        TForm7* f = Form7;
        QVERIFY(FormHaupt->Neu->isEnabled());
        // a restart before the first start changes nothing
        FormHaupt->Neu->trigger();
        QVERIFY(f->Start1Button->isEnabled());
        QVERIFY(!f->HorizontalButton->isEnabled());

        klicken(f->Start1Button);
        QCOMPARE(pixel(f->Bild1, spitze.x(), spitze.y()), Rot);
        QCOMPARE(pixel(f->Bild1, spitze.x() + 8, spitze.y()), 0xFFFFFFFFu);
        QCOMPARE(texte(f->Int, 1, 4), QStringList({"0", "1", "0", "0"}));
        QVERIFY(f->Int[4]->isVisible());
        QVERIFY(!f->Start1Button->isEnabled());
        QCOMPARE(f->Schritt, 2);
        QCOMPARE(f->focusWidget(), f->HorizontalButton);

        klicken(f->HorizontalButton);
        QVERIFY(f->Hor[16]->isVisible());
        QVERIFY(FormHaupt->Neu->isEnabled());
        QCOMPARE(f->Schritt, 3);
        klicken(f->Start2Button);
        QCOMPARE(texte(f->Int, 5, 8), QStringList({"0", "1", "0", "0"}));
        QVERIFY(f->Int[8]->isVisible());
        klicken(f->VertikalButton);
        QCOMPARE(f->Schritt, 5);
        klicken(f->SummenButton);
        QCOMPARE(texte(f->Summe, 1, 16),
                 QStringList({"0", "1", "0", "0", "1", "2", "1", "1", "0", "1", "0", "0", "0", "1", "0", "0"}));
        QVERIFY(!f->Hor[1]->isVisible());
        klicken(f->FaerbeButton);
        QCOMPARE(f->Schritt, 7);
        QVERIFY(!f->FaerbeButton->isEnabled());
        const int c = breite * 45 / 800;
        for (int n = 1; n <= 16; ++n) {
            const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
            const int summe = f->Summe[n]->text().toInt();
            const QRgb erwartet = summe == 2 ? Schwarz : summe == 1 ? Grau : 0xFFFFFFFFu;
            QCOMPARE(pixel(f->Bild2, j * c + c / 2, r * c + 5), erwartet);
            QCOMPARE(Kurs::hintergrund(f->Summe[n]).rgb(), erwartet);
        }
        QCOMPARE(Kurs::schriftfarbe(f->Summe[6]), QColor(Qt::white));
    }

    // "&New" during a beam run: the run stops at its next dash, without
    // arrowhead and label, and the page is back at its first step.
    void neustartImStrahl()
    {
        starten();
        FormHaupt->ZugNeu(7);
        int roteVorher = -1;
        QTimer::singleShot(120, [&] {
            roteVorher = zaehle(Form7->Bild1, Rot);
            FormHaupt->Neu->trigger();
        });
        klicken(Form7->Start1Button);
        QVERIFY(roteVorher > 0);
        QCOMPARE(zaehle(Form7->Bild1, Rot), 0);
        for (int i = 1; i <= 8; ++i)
            QVERIFY(!Form7->Int[i]->isVisible());
        QVERIFY(Form7->Start1Button->isEnabled());
        QVERIFY(!Form7->erledigt(Form7->Start1Button));
        QCOMPARE(Form7->Schritt, 1);
        // and the next start runs in full
        klicken(Form7->Start1Button);
        QVERIFY(Form7->Int[4]->isVisible());
        QCOMPARE(Form7->Schritt, 2);
    }

    // Instruction mode: the key filter, Enter, and the three verdicts.
    void anleitung()
    {
        starten();
        FormHaupt->ZugNeu(8);
        TForm8* f = Form8;
        QVERIFY(FormHaupt->Zustand.lernmodus());
        QCOMPARE(f->HorizontalButton->text(), QStringLiteral("Korrektur"));
        klicken(f->Start1Button);
        QCOMPARE(f->Phase, 1);
        QCOMPARE(f->Schritt, 8);
        QVERIFY(f->Loeschen1Button->isVisible());
        QVERIFY(!f->Hor[5]->isReadOnly());
        QVERIFY(FormHaupt->Demonstration1->isEnabled());

        // letters, signs and a second digit cannot be typed; Enter moves on
        QTest::keyClicks(f->Hor[1], QStringLiteral("a-+1,2x"));
        QCOMPARE(f->Hor[1]->text(), QStringLiteral("1"));
        f->Hor[1]->setFocus();
        QTest::keyClick(f->Hor[1], Qt::Key_Return);
        QCOMPARE(f->focusWidget(), f->Hor[2]);
        QCOMPARE(f->Hor[1]->text(), QStringLiteral("1"));

        Antworter antworter;
        const QString richtig = QStringLiteral("0000111111110000");
        for (int n = 1; n <= 15; ++n)
            tippen(f->Hor[n], richtig.mid(n - 1, 1));
        f->Hor[16]->clear();
        klicken(f->HorizontalButton);
        tippen(f->Hor[16], QStringLiteral("1"));
        klicken(f->HorizontalButton);
        QCOMPARE(antworter.texte(), QStringList({"That's not right.", "Not yet right"}));
        QCOMPARE(f->Phase, 1);
        QCOMPARE(f->Hor[16]->text(), QStringLiteral("1"));  // the entries stay as typed
        // "Delete" empties the horizontal entries
        klicken(f->Loeschen1Button);
        QCOMPARE(texte(f->Hor, 1, 16).join(QString()), QString());
        for (int n = 1; n <= 16; ++n)
            tippen(f->Hor[n], richtig.mid(n - 1, 1));
        klicken(f->HorizontalButton);
        QCOMPARE(antworter.texte().last(), QStringLiteral("Very good! Correct!"));
        QVERIFY(!antworter.antworten.last().kopf);
        QCOMPARE(f->Phase, 2);
        QCOMPARE(f->Schritt, 3);
        QVERIFY(f->Hor[1]->isReadOnly());
        QVERIFY(!f->Loeschen1Button->isVisible());
        QVERIFY(f->Start2Button->isEnabled());
        QVERIFY(!f->HorizontalButton->isEnabled());
    }

    // Switching to demonstration while the shares are open clears them and
    // lets the page distribute; the whole page then runs to its end.
    void demonstration()
    {
        starten();
        FormHaupt->ZugNeu(8);
        TForm8* f = Form8;
        klicken(f->Start1Button);
        tippen(f->Hor[1], QStringLiteral("1"));
        FormHaupt->Demonstration1->trigger();
        QVERIFY(!FormHaupt->Zustand.lernmodus());
        QVERIFY(FormHaupt->Demonstration1->isChecked());
        QCOMPARE(f->HorizontalButton->text(), QStringLiteral("Verteilung"));
        QVERIFY(!f->Loeschen1Button->isVisible());
        QCOMPARE(f->Hor[1]->text(), QString());
        QVERIFY(f->Hor[1]->isReadOnly());
        QCOMPARE(f->Schritt, 2);

        // during the distribution "&New" and the mode items are disabled
        bool neuWaehrend = true, modusWaehrend = true;
        QTimer::singleShot(100, [&] {
            neuWaehrend = FormHaupt->Neu->isEnabled();
            modusWaehrend = FormHaupt->Lernprogramm1->isEnabled();
        });
        klicken(f->HorizontalButton);
        QVERIFY(!neuWaehrend);
        QVERIFY(!modusWaehrend);
        QVERIFY(FormHaupt->Neu->isEnabled());
        QVERIFY(FormHaupt->Lernprogramm1->isEnabled());
        QCOMPARE(texte(f->Hor, 1, 16).join(QString()), QStringLiteral("0000111111110000"));
        QCOMPARE(f->Phase, 2);
        klicken(f->Start2Button);
        QCOMPARE(f->Schritt, 4);
        klicken(f->VertikalButton);
        klicken(f->SummenButton);
        QCOMPARE(texte(f->Summe, 1, 16).join(QString()), QStringLiteral("0110122112210110"));
        klicken(f->FaerbeButton);
        QCOMPARE(f->Phase, 6);
        for (int n : {6, 7, 10, 11})
            QCOMPARE(Kurs::hintergrund(f->Summe[n]), QColor(Qt::black));
        for (int n : {1, 4, 13, 16})
            QCOMPARE(Kurs::hintergrund(f->Summe[n]), QColor(Qt::white));
        QCOMPARE(Kurs::hintergrund(f->Summe[2]), QColor(0x80, 0x80, 0x80));

        // "&New" returns to the start, both "Delete" buttons hidden
        FormHaupt->Neu->trigger();
        QCOMPARE(f->Phase, 0);
        QVERIFY(!f->Summe[6]->isVisible());
        QVERIFY(!f->Hor[1]->isVisible());
        QVERIFY(f->Start1Button->isEnabled());
    }

    // The diagonal beams: dash counts, the D1 checks, the D2 beams alone.
    void diagonalen()
    {
        starten();
        FormHaupt->ZugNeu(9);
        TForm9* f = Form9;
        klicken(f->Start1Button);
        // 29 dashes along the main diagonal (and the arrowhead's corner on it)
        QCOMPARE(laeufe(f->Bild1, Rot, 0, 1), 29 + 1);
        QCOMPARE(f->IntD1[4]->text(), QStringLiteral("2"));
        QVERIFY(f->IntD1[7]->isVisible());
        QCOMPARE(f->Schritt, 10);
        QCOMPARE(f->focusWidget(), f->D1[1]);

        Antworter antworter;
        for (int n = 1; n <= 16; ++n)
            tippen(f->D1[n], QStringLiteral("0"));
        klicken(f->D1Button);
        for (int n = 1; n <= 16; ++n)
            tippen(f->D1[n], (n - 1) / 4 == (n - 1) % 4 ? QStringLiteral("2") : QStringLiteral("0"));
        tippen(f->D1[2], QStringLiteral(","));
        QCOMPARE(f->D1[2]->text(), QStringLiteral(","));
        klicken(f->D1Button);
        tippen(f->D1[2], QStringLiteral("0"));
        f->D1[7]->clear();
        klicken(f->D1Button);
        QCOMPARE(antworter.texte(), QStringList({"Not yet right", "Not yet right", "That's not right."}));
        QCOMPARE(f->Phase, 1);
        tippen(f->D1[7], QStringLiteral("0"));
        klicken(f->D1Button);
        QCOMPARE(antworter.texte().last(), QStringLiteral("Very good! Correct!"));
        QCOMPARE(f->Schritt, 3);
        QVERIFY(FormHaupt->Demonstration1->isEnabled());

        klicken(f->Start2Button);
        // the D1 beams and labels are gone; 28 dashes along the anti-diagonal
        QCOMPARE(zaehle(f->Bild1, Rot), 0);
        QVERIFY(!f->IntD1[4]->isVisible());
        QCOMPARE(laeufe(f->Bild1, Blau, 226, -1), 28 + 1);
        QCOMPARE(f->Schritt, 11);
        QCOMPARE(f->focusWidget(), f->D2[1]);
    }

    // Demonstration of the diagonal page to its end: the totals and the three gray levels.
    void diagonalenDemonstration()
    {
        starten();
        FormHaupt->ZugNeu(9);
        FormHaupt->Demonstration1->trigger();
        TForm9* f = Form9;
        QCOMPARE(f->D1Button->text(), QStringLiteral("Verteilung"));
        for (QPushButton* k : {f->Start1Button, f->D1Button, f->Start2Button, f->D2Button, f->Summen1Button,
                               f->ZeigeButton, f->Summen2Button, f->FaerbeButton})
            klicken(k);
        QCOMPARE(texte(f->Summe, 1, 16).join(QString()), QStringLiteral("2120152222510212"));
        QCOMPARE(f->Schritt, 9);
        const QColor farbe[6] = {Qt::white, QColor(0xCC, 0xCC, 0xCC), QColor(0x99, 0x99, 0x99), {}, {}, Qt::black};
        const int c = 45;
        for (int n = 1; n <= 16; ++n) {
            const int summe = f->Summe[n]->text().toInt();
            QCOMPARE(Kurs::hintergrund(f->Summe[n]), farbe[summe]);
            const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
            QCOMPARE(QColor(pixel(f->Bild2, j * c + c / 2, r * c + 5)), farbe[summe]);
        }
    }
};

QUORVEL_GUI_TEST_MAIN(TestStrahlen)
#include "test_strahlen.moc"
