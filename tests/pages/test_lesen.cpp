#include "support/Testumgebung.h"

#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "platform/Steuerelemente.h"
#include "app/HauptBlatt.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Blatt0.h"
#include "pages/Blatt1.h"
#include "pages/Blatt10.h"
#include "pages/Blatt2.h"
#include "pages/Blatt5.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "platform/Bildanzeige.h"
#include "platform/Fensterart.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

// Receives the addresses the desktop is asked to open.
class Verweisempfaenger : public QObject
{
    Q_OBJECT
public:
    QStringList adressen;
public slots:
    void oeffnen(const QUrl& url) { adressen << url.toString(); }
};

class TestLesen : public QObject
{
    Q_OBJECT

private slots:
    void init() { Testumgebung::starten({96, 24, 800, 600}); }

    // A click into any text of a reading page leaves the focus on the off-screen button.
    void fokusfalle_data()
    {
        QTest::addColumn<int>("seite");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 name") << 0 << "Namensfeld";
        QTest::newRow("1 memo") << 0 << "Memo1";
        QTest::newRow("2 memo2") << 1 << "Memo2";
        QTest::newRow("2 subscript") << 1 << "Edit3";
        QTest::newRow("3 blank field") << 2 << "Edit1";
        QTest::newRow("4 memo") << 3 << "Memo2";
        QTest::newRow("5 memo") << 4 << "Memo1";
        QTest::newRow("6 memo") << 5 << "Memo1";
        QTest::newRow("11 memo") << 10 << "Memo2";
    }
    void fokusfalle()
    {
        QFETCH(int, seite);
        QFETCH(QString, text);
        FormHaupt->ZugNeu(seite);
        QWidget* s = Fenstersatz::seite(seite);
        QWidget* feld = Testumgebung::element(s, text);
        QVERIFY(feld);
        auto* memo = qobject_cast<QPlainTextEdit*>(feld);
        QWidget* ziel = memo ? memo->viewport() : feld;
        QTest::mouseClick(ziel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(s->focusWidget(), s->findChild<QWidget*>(QStringLiteral("WeiterButton")));
        if (memo)
            QVERIFY(!memo->textCursor().hasSelection());
    }

    // The gray bar: 20 bands from 243 down to black, each 6 pixels below the last, in a black outline.
    void graukeil()
    {
        QWidget* bild = Form10->Bild3;
        QCOMPARE(bild->geometry(), QRect(209, 39, 36, 124));
        const int grau[20] = {243, 230, 218, 205, 192, 179, 166, 154, 141, 128,
                              115, 102, 90,  77,  64,  51,  38,  26,  13,  0};
        for (int i = 1; i <= 20; ++i) {
            const int y = 1 + 6 * (i - 1) + 3;
            QCOMPARE(Testumgebung::pixel(bild, 18, y), qRgb(grau[i - 1], grau[i - 1], grau[i - 1]));
        }
        QCOMPARE(Testumgebung::pixel(bild, 18, 1), qRgb(0, 0, 0));
        QCOMPARE(Testumgebung::pixel(bild, 35, 60), qRgb(0, 0, 0));
        QCOMPARE(Testumgebung::pixel(bild, 18, 123), qRgb(0, 0, 0));
        QCOMPARE(Testumgebung::pixel(bild, 0, 60), qRgb(255, 255, 255));
    }

    // Formula pictures and subscripts: design values at 800 x 600, the large variants at 1024 x 768.
    void formeln_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }
    void formeln()
    {
        QFETCH(int, breite);
        Testumgebung::starten({96, 24, breite, breite == 800 ? 600 : 768});
        if (breite == 800) {
            QCOMPARE(Form1->Gesetz1->bildquelle(), QStringLiteral(":/pages/bilder/gesetz1_klein.svg"));
            QCOMPARE(Form1->Panel1->geometry(), QRect(78, 248, 381, 40));
            QCOMPARE(Form2->Gesetz2->bildquelle(), QStringLiteral(":/pages/bilder/gesetz2_klein.svg"));
            QCOMPARE(Form2->Edit1->geometry(), QRect(136, 245, 20, 13));
            return;
        }
        QCOMPARE(Form1->Gesetz1->bildquelle(), QStringLiteral(":/pages/bilder/gesetz1_gross.svg"));
        QCOMPARE(Form1->Gesetz1->size(), QSize(245, 45));
        QCOMPARE(Form1->Panel1->height(), 45);
        QCOMPARE(Form1->Panel1->y(), 308);
        QCOMPARE(Form1->Panel1->x(), (Form1->Memo1->width() - Form1->Panel1->width()) / 2);
        QCOMPARE(Form1->Edit1->pos(), QPoint(514, 158));
        QCOMPARE(Form1->Edit2->pos(), QPoint(48, 403));
        QCOMPARE(Form1->Edit3->pos(), QPoint(488, 461));
        for (QLineEdit* f : {Form1->Edit1, Form1->Edit2, Form1->Edit3}) {
            QCOMPARE(f->height(), 13);
            QCOMPARE(f->font().pixelSize(), 11);
        }
        QCOMPARE(Form2->Gesetz2->bildquelle(), QStringLiteral(":/pages/bilder/gesetz2_gross.svg"));
        QCOMPARE(Form2->Gesetz2->size(), QSize(260, 45));
        QCOMPARE(Form2->Panel1->geometry().topLeft(),
                 QPoint((Form2->Memo1->width() - Form2->Panel1->width()) / 2, 223));
        QCOMPARE(Form2->Edit1->pos(), QPoint(176, 310));
        QCOMPARE(Form10->Bild3->geometry(), QRect(209, 39, 36, 124));
    }

    // F1 shows "General" again after the learner switched tabs; the simulator's
    // help positions scroll to their sections.
    void hilfe()
    {
        FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 830);
        QCOMPARE(FormHilfe->PageControl1->currentIndex(), 1);
        QCOMPARE(FormHilfe->ScrollBox2->verticalScrollBar()->value(), 830);
        FormHilfe->PageControl1->tabBar()->setCurrentIndex(1);
        FormHilfe->close();
        FormHaupt->Hilfe->trigger();
        QVERIFY(FormHilfe->isVisible());
        QCOMPARE(FormHilfe->PageControl1->currentIndex(), 0);
    }
    void hilfepositionen_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("simulator") << 1 << "General";
        QTest::newRow("settings") << 324 << "Adjustments to the computer tomography";
        QTest::newRow("gray scale") << 830 << "Gray scaling";
        QTest::newRow("filter") << 1100 << "Filter";
        QTest::newRow("archive") << 1367 << "Archive";
    }
    void hilfepositionen()
    {
        QFETCH(int, position);
        QFETCH(QString, ueberschrift);
        FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, position);
        QLineEdit* kopf = nullptr;
        for (QLineEdit* k : FormHilfe->Ueberschriften)
            if (k->text() == ueberschrift && k->parentWidget() == FormHilfe->ScrollBox2->widget())
                kopf = k;
        QVERIFY(kopf);
        // the heading is wholly visible in the upper part of the scroll box
        const int oben = kopf->y() - FormHilfe->ScrollBox2->verticalScrollBar()->value();
        QVERIFY2(oben >= -1 && oben < 40, qPrintable(QString::number(oben)));
        // and the long text fits its box without a scroll bar of its own
        QVERIFY(FormHilfe->Memo2->document()->blockCount() * QFontMetrics(FormHilfe->Memo2->font()).lineSpacing()
                <= 1800);
    }

    // The acknowledgements: labels 1 to 14 appear, vanish in the same order, one empty tick, again.
    void danksagung()
    {
        TFormDanksagung* d = FormDanksagung;
        FormHaupt->Danksagung1->trigger();
        QVERIFY(d->Timer1->isActive());
        QCOMPARE(d->Timer1->interval(), 300);
        d->Timer1->stop();  // ticks driven by hand
        const auto sichtbar = [d] {
            QString s;
            for (QLabel* l : d->Label)
                s += l->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
            return s;
        };
        QCOMPARE(sichtbar(), QString(20, QLatin1Char('0')));
        for (int t = 1; t <= 14; ++t) {
            d->Timer1Timer();
            QCOMPARE(sichtbar(), QString(t, QLatin1Char('1')) + QString(20 - t, QLatin1Char('0')));
        }
        for (int t = 1; t <= 14; ++t) {
            d->Timer1Timer();
            QCOMPARE(sichtbar(), QString(t, QLatin1Char('0')) + QString(14 - t, QLatin1Char('1')) + QString(6, QLatin1Char('0')));
        }
        d->Timer1Timer();  // the empty tick
        QCOMPARE(sichtbar(), QString(20, QLatin1Char('0')));
        d->Timer1Timer();
        QCOMPARE(sichtbar(), QStringLiteral("1") + QString(19, QLatin1Char('0')));
        for (int i = 0; i < 11; ++i)
            QVERIFY(!d->Label[std::size_t(i)]->text().isEmpty());
        for (int i = 11; i < 20; ++i)
            QVERIFY(d->Label[std::size_t(i)]->text().isEmpty());
        // closing stops the timer; showing again starts over with every label hidden
        d->EndeButton->click();
        QVERIFY(!d->Timer1->isActive());
        FormHaupt->Danksagung1->trigger();
        QVERIFY(d->Timer1->isActive());
        QCOMPARE(d->Zaehler, 1);
        QCOMPARE(sichtbar(), QString(20, QLatin1Char('0')));
    }

    // Changing the page closes every open reference window, the timer included.
    void seitenwechselSchliesst()
    {
        FormHaupt->ZugNeu(5);
        Form5->BilderButton->click();
        QVERIFY(FormBilderGehirn->isVisible());
        QWidget* const fenster[] = {FormHilfe, FormLexikonRoentgenstrahlung, FormLexikonComputertomograph,
                                    FormLexikonFilter, FormQuellen, FormInfo, FormDanksagung};
        for (QWidget* f : fenster)
            zeigenVorn(f);
        FormHaupt->ZugNeu(6);
        QVERIFY(!FormBilderGehirn->isVisible());
        for (QWidget* f : fenster)
            QVERIFY2(!f->isVisible(), qPrintable(f->objectName()));
        QVERIFY(!FormDanksagung->Timer1->isActive());
        FormHaupt->ZugNeu(10);
        Form10->BilderButton->click();
        QVERIFY(FormBilderLunge->isVisible());
        FormHaupt->ZugNeu(9);
        QVERIFY(!FormBilderLunge->isVisible());
    }

    // At 1024 x 768 the reference windows keep their design size; the info window is 676 x 538.
    void groessen()
    {
        Testumgebung::starten({96, 24, 1024, 768});
        const struct { QWidget* f; QSize s; } soll[] = {
            {FormHilfe, {509, 410}}, {FormLexikonRoentgenstrahlung, {646, 532}},
            {FormLexikonComputertomograph, {612, 524}}, {FormLexikonFilter, {578, 470}},
            {FormQuellen, {542, 348}}, {FormDanksagung, {504, 348}}, {FormBilderGehirn, {502, 396}},
            {FormBilderLunge, {464, 321}}};
        for (const auto& s : soll)
            QCOMPARE(s.f->size(), s.s);
        QCOMPARE(aussenbreite(FormInfo), 676);
        QCOMPARE(aussenhoehe(FormInfo), 538);
    }

    // The links open their addresses through the desktop; the sources' mail field writes a new mail.
    void verweise()
    {
        Verweisempfaenger empfaenger;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &empfaenger, "oeffnen");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &empfaenger, "oeffnen");
        zeigenVorn(FormQuellen);
        QTest::mousePress(FormQuellen->Edit1, Qt::LeftButton);
        QTest::mousePress(FormQuellen->Edit2, Qt::LeftButton);
        zeigenVorn(FormInfo);
        QTest::mousePress(FormInfo->InternetLink2, Qt::LeftButton);
        QTest::mousePress(FormInfo->EMailLink, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(empfaenger.adressen.size(), 4);
        QVERIFY(empfaenger.adressen[0].startsWith(QLatin1String("https://www.example.org")));
        QVERIFY(empfaenger.adressen[1].startsWith(QLatin1String("mailto:")));
        QVERIFY(empfaenger.adressen[1].endsWith(QLatin1String("@example.org")));
        QCOMPARE(empfaenger.adressen[2], empfaenger.adressen[0]);
        QCOMPARE(empfaenger.adressen[3], empfaenger.adressen[1]);
        QVERIFY(Testumgebung::meldungen().isEmpty());
    }

    // The info and heads windows show the start window's picture; the lung pictures differ as windowing predicts.
    void bilder()
    {
        const QImage kopf = FormAnfang->Bild1->flaeche().bild();
        QCOMPARE(FormInfo->Bild1->flaeche().bild(), kopf);
        QCOMPARE(FormBilderGehirn->BildGehirnneu->flaeche().bild(), kopf);
        QCOMPARE(FormInfo->LabelVersion->text(), FormAnfang->LabelVersion->text());
        // outside the body air: dark in both windows; the lung field: gray in the lung
        // window, black in the soft tissue window; fat under the skin: white in the lung window
        // the lung pictures are computed when their window is first shown
        zeigenVorn(FormBilderLunge);
        auto* l1 = FormBilderLunge->BildLunge1;
        auto* l2 = FormBilderLunge->BildLunge2;
        const QPoint lunge(40, 90), fett(99, 40);
        QVERIFY(qGray(Testumgebung::pixel(l1, lunge.x(), lunge.y())) > 40);
        QVERIFY(qGray(Testumgebung::pixel(l2, lunge.x(), lunge.y())) < 5);
        QCOMPARE(qGray(Testumgebung::pixel(l1, fett.x(), fett.y())), 255);
        QVERIFY(qGray(Testumgebung::pixel(l2, fett.x(), fett.y())) < 80);
    }
};

QUORVEL_GUI_TEST_MAIN(TestLesen)
#include "test_lesen.moc"
