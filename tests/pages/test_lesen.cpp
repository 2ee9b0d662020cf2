#include "support/Testumgebung.h"

#include "app/BlattAnfang.h"
#include "app/Fenster.h"
#include "platform/Steuerelemente.h"
#include "app/HauptBlatt.h"
#include "pages/Bausteine.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Blatt0.h"
#include "pages/Blatt1.h"
#include "pages/Blatt10.h"
#include "pages/Blatt2.h"
#include "pages/Blatt3.h"
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

#include <QAction>
#include <QApplication>
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

    // The window set of a layout, built only when the layout changes: the
    // tests below leave no state behind that another one reads.
    static void layout(int breite)
    {
        static int gebaut = 0;
        if (gebaut == breite)
            return;
        Testumgebung::starten({96, 24, breite, breite == 800 ? 600 : 768});
        gebaut = breite;
    }

    static QList<QWidget*> referenzfenster()
    {
        return {FormHilfe, FormLexikonRoentgenstrahlung, FormLexikonComputertomograph, FormLexikonFilter,
                FormQuellen, FormInfo, FormDanksagung, FormBilderGehirn, FormBilderLunge};
    }

    static void layoutSpalten()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800 x 600") << 800;
        QTest::newRow("1024 x 768") << 1024;
    }

private slots:
    void init() { layout(800); }
    void cleanup()
    {
        for (QWidget* f : referenzfenster())
            if (f)
                f->close();
    }

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

    // Formula pictures and subscripts: the small variants at 800 x 600, the large ones at 1024 x 768.
    void formeln_data()
    {
        QTest::addColumn<int>("breite");
        QTest::newRow("800") << 800;
        QTest::newRow("1024") << 1024;
    }
    void formeln()
    {
        QFETCH(int, breite);
        layout(breite);
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
        // Edit2 stands at its own letter, three lines above Edit3 (the tiefgestellt test)
        QCOMPARE(Form1->Edit1->pos(), QPoint(514, 158));
        QCOMPARE(Form1->Edit3->pos(), QPoint(488, 461));
        QCOMPARE(Form1->Edit2->y(), 461 - 3 * QFontMetrics(Form1->Memo2->font()).lineSpacing());
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
    // The help commands of the simulator and its tool windows scroll the
    // simulator's help straight to their sections.
    void hilfepositionen_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("simulator") << "Form12" << "General";
        QTest::newRow("settings") << "FormEinstellungen" << "Adjustments to the computer tomography";
        QTest::newRow("gray scale") << "FormGraucode" << "Gray scaling";
        QTest::newRow("filter") << "FormFilter" << "Filter";
        QTest::newRow("archive") << "FormArchivbearbeiten" << "Archive";
        QTest::newRow("sinogram") << "FormSinogramm" << "Sinogram and reconstruction";
    }
    void hilfepositionen()
    {
        QFETCH(QString, fenster);
        QFETCH(QString, ueberschrift);
        QWidget* w = nullptr;
        for (QWidget* f : Fenstersatz::alle())
            if (f->objectName() == fenster)
                w = f;
        QVERIFY(w);
        if (auto* knopf = w->findChild<QPushButton*>(QStringLiteral("HilfeButton")))
            knopf->click();
        else
            w->findChild<QAction*>(QStringLiteral("Hilfe"))->trigger();
        QVERIFY(FormHilfe->isVisible());
        QCOMPARE(FormHilfe->PageControl1->currentIndex(), int(TFormHilfe::Computertomographie));
        QLineEdit* kopf = nullptr;
        for (QLineEdit* k : FormHilfe->Ueberschriften)
            if (k->text() == ueberschrift && k->parentWidget() == FormHilfe->ScrollBox2->widget())
                kopf = k;
        QVERIFY(kopf);
        // the heading is wholly visible at the top of the scroll box
        const int oben = kopf->y() - FormHilfe->ScrollBox2->verticalScrollBar()->value();
        QVERIFY2(oben >= -1 && oben <= 15, qPrintable(QString::number(oben)));
    }

    // The simulator's help has no empty stretches: from the end of every
    // section's text to the next heading at most two empty lines, and the
    // long text fits its box without a scroll bar of its own.
    void hilfeOhneLuecken()
    {
        const QPlainTextEdit* memo = FormHilfe->Memo2;
        const int zh = QFontMetrics(memo->font()).lineSpacing();
        const QStringList zeilen = memo->toPlainText().split(QLatin1Char('\n'));
        QVERIFY(zeilen.size() * zh <= memo->height());
        QVERIFY(zeilen.size() * zh > memo->height() - 5 * zh);  // the box is used to its end
        QCOMPARE(FormHilfe->ScrollBox2->widget()->height(), memo->height());
        int geprueft = 0;
        for (QLineEdit* k : FormHilfe->Ueberschriften) {
            if (k->parentWidget() != FormHilfe->ScrollBox2->widget() || k->y() < zh)
                continue;
            // the last line with text above the heading
            int z = (k->y() + 1) / zh - 1;
            while (z >= 0 && zeilen.value(z).trimmed().isEmpty())
                --z;
            const int luecke = k->y() - (z + 1) * zh;
            QVERIFY2(luecke <= 2 * zh, qPrintable(k->text() + QStringLiteral(": %1 pixels empty").arg(luecke)));
            ++geprueft;
        }
        QCOMPARE(geprueft, 21);
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

    // At 1024 x 768 the reference windows keep their 800 x 600 size; the info window is 676 x 538.
    void groessen()
    {
        layout(1024);
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

    // No line of any text is cut off or hidden: every text fits its box, and
    // no text box lies over the lines of one made before it.
    void texteSichtbar_data() { layoutSpalten(); }
    void texteSichtbar()
    {
        QFETCH(int, breite);
        layout(breite);
        QList<QWidget*> fenster;
        for (int k : {0, 1, 2, 3, 4, 5, 10})
            fenster << Fenstersatz::seite(k);
        fenster << referenzfenster();
        for (QWidget* f : fenster) {
            const QList<QPlainTextEdit*> memos = f->findChildren<QPlainTextEdit*>();
            for (QPlainTextEdit* m : memos) {
                const QFontMetrics fm(m->font());
                const int rand = int(m->document()->documentMargin());
                int breiteste = 0;
                const QStringList zeilen = m->toPlainText().split(QLatin1Char('\n'));
                for (QString z : zeilen) {
                    while (z.endsWith(QLatin1Char(' ')))  // blanks at a line's end are not seen
                        z.chop(1);
                    breiteste = std::max(breiteste, fm.horizontalAdvance(z));
                }
                const QString wo = f->objectName() + QLatin1Char(' ') + m->objectName();
                QVERIFY2(breiteste + 2 * rand <= m->width(), qPrintable(wo + QStringLiteral(": too narrow")));
                const int hoehe = int(zeilen.size()) * fm.lineSpacing() + 2 * rand;
                QVERIFY2(hoehe <= m->height(), qPrintable(wo + QStringLiteral(": too low")));
                // the lines that carry text, against every later box of the same parent
                const QList<QObject*> geschwister = m->parent()->children();
                for (qsizetype j = geschwister.indexOf(m) + 1; j < geschwister.size(); ++j) {
                    auto* spaeter = qobject_cast<QPlainTextEdit*>(geschwister[j]);
                    if (!spaeter)
                        continue;
                    for (int z = 0; z < zeilen.size(); ++z) {
                        if (zeilen[z].trimmed().isEmpty())
                            continue;
                        const QRect zeile(m->x() + rand, m->y() + rand + z * fm.lineSpacing(),
                                          fm.horizontalAdvance(zeilen[z]), fm.lineSpacing());
                        QVERIFY2(!zeile.intersects(spaeter->geometry()),
                                 qPrintable(wo + QStringLiteral(" line %1 under ").arg(z + 1) + spaeter->objectName()));
                    }
                }
            }
        }
    }

    // Every subscript stands just after its letter and a little below the line,
    // at the larger layout too, where the fields of page 2 have fixed places.
    void tiefgestellt_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("fenster");  // 0: page 2, 1: the X-ray lexicon
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QChar>("marke");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("feld");
        for (int b : {800, 1024}) {
            const QByteArray l = QByteArray::number(b);
            QTest::newRow(l + " page 2, I0 in the first text") << b << 0 << "Memo1" << "blatt1_memo1" << QChar(0x2080) << 0 << "Edit1";
            QTest::newRow(l + " page 2, first I0 in the second text") << b << 0 << "Memo2" << "blatt1_memo2" << QChar(0x2080) << 0 << "Edit2";
            QTest::newRow(l + " page 2, second I0 in the second text") << b << 0 << "Memo2" << "blatt1_memo2" << QChar(0x2080) << 1 << "Edit3";
            QTest::newRow(l + " lexicon, heating voltage") << b << 1 << "Memo1" << "lex_roentgen_memo1" << QChar(0x2095) << 0 << "Edit1";
            QTest::newRow(l + " lexicon, anode voltage") << b << 1 << "Memo1" << "lex_roentgen_memo1" << QChar(0x2090) << 0 << "Edit2";
            QTest::newRow(l + " lexicon, highest energy") << b << 1 << "Memo1a" << "lex_roentgen_memo1a" << QChar(0x2090) << 0 << "Edit3";
        }
    }
    void tiefgestellt()
    {
        QFETCH(int, breite);
        QFETCH(int, fenster);
        QFETCH(QString, text);
        QFETCH(QString, datei);
        QFETCH(QChar, marke);
        QFETCH(int, nummer);
        QFETCH(QString, feld);
        layout(breite);
        QWidget* f = fenster == 0 ? static_cast<QWidget*>(Form1) : static_cast<QWidget*>(FormLexikonRoentgenstrahlung);
        auto* memo = Testumgebung::element<QPlainTextEdit>(f, text);
        auto* zeichen = Testumgebung::element<QLineEdit>(f, feld);
        QVERIFY(memo && zeichen);
        // the place in the shown text: every mark before it became two blanks
        QString roh = ressourcentext(QStringLiteral(":/pages/texte/%1.txt").arg(datei));
        int stelle = -1;
        for (int i = 0, n = 0; i < roh.size(); ++i) {
            if (roh[i] == QChar(0x2080) || roh[i] == QChar(0x2095) || roh[i] == QChar(0x2090)) {
                if (roh[i] == marke && n++ == nummer) {
                    stelle = i + int(roh.left(i).count(QChar(0x2080)) + roh.left(i).count(QChar(0x2095)) +
                                     roh.left(i).count(QChar(0x2090)));
                    break;
                }
            }
        }
        QVERIFY(stelle > 0);
        QCOMPARE(memo->toPlainText().mid(stelle, 2), QStringLiteral("  "));
        const QRect ort = Bausteine::ort(memo, stelle);
        const QPoint feldOrt = zeichen->mapTo(f, QPoint(0, 0)) - memo->parentWidget()->mapTo(f, QPoint(0, 0));
        // the digit begins where the letter ends, to the pixel
        QCOMPARE(feldOrt.x(), ort.left());
        // the character's baseline below the line's, by a little
        const QFontMetrics fz(zeichen->font());
        const int zeichenGrund = feldOrt.y() + zeichen->height() - fz.descent();
        const int zeilenGrund = ort.top() + Bausteine::grundlinie(memo);
        QVERIFY2(zeichenGrund - zeilenGrund >= 1 && zeichenGrund - zeilenGrund <= 6,
                 qPrintable(QStringLiteral("%1 below the line").arg(zeichenGrund - zeilenGrund)));
    }

    // The tabs of every notebook stand in one row inside it.
    void reiter_data() { layoutSpalten(); }
    void reiter()
    {
        QFETCH(int, breite);
        layout(breite);
        for (QWidget* f : referenzfenster()) {
            for (QTabWidget* buch : f->findChildren<QTabWidget*>()) {
                zeigenVorn(f);
                QTabBar* leiste = buch->tabBar();
                const QRect letzter = leiste->tabRect(leiste->count() - 1);
                QVERIFY2(leiste->x() + letzter.right() < buch->width(), qPrintable(f->objectName()));
                QCOMPARE(leiste->tabRect(0).y(), letzter.y());
                f->close();
            }
        }
    }

    // The labels of the info window do not run into each other.
    void infoZeilen_data() { layoutSpalten(); }
    void infoZeilen()
    {
        QFETCH(int, breite);
        layout(breite);
        const QList<QLabel*> schilder = FormInfo->findChildren<QLabel*>();
        for (QLabel* a : schilder)
            for (QLabel* b : schilder)
                if (a != b && !a->text().isEmpty() && !b->text().isEmpty())
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + QLatin1Char(' ') + b->objectName()));
    }

    // The computed X-rays appear when their page is shown: bone lighter than air.
    void roentgenbilder()
    {
        FormHaupt->ZugNeu(3);
        QCoreApplication::processEvents();
        auto* hand = Form3->Bild1;
        auto* kopf = Form3->Bild2;
        QCOMPARE(hand->flaeche().bild().size(), hand->size());
        QCOMPARE(kopf->flaeche().bild().size(), kopf->size());
        // the corner is air, the wrist holds the forearm bones
        QVERIFY(qGray(Testumgebung::pixel(hand, 2, 2)) < 10);
        const int handgelenk = qGray(Testumgebung::pixel(hand, hand->width() * 57 / 100, hand->height() * 96 / 100));
        QVERIFY2(handgelenk > 100, qPrintable(QString::number(handgelenk)));
        QVERIFY(qGray(Testumgebung::pixel(kopf, 2, 2)) < 10);
    }
};

QUORVEL_GUI_TEST_MAIN(TestLesen)
#include "test_lesen.moc"
