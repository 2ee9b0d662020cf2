#include "course/Blatt8.h"

#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The factors of the second sample body: tumours in row 2, column 2 and row 3, column 3.
constexpr int Faktor[9] = {0, 0, 1, 1, 0, 0, 1, 1, 0};
}  // namespace

TForm8::TForm8()
    : Modusseite(QStringLiteral("Form8"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 14, 30, 465, 75,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo1.txt")));
    Memo2 = textfeld(this, QStringLiteral("Memo2"), 14, 120, 434, 281,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo2.txt")));
    Memo3 = textfeld(this, QStringLiteral("Memo3"), 14, 406, 465, 115,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo3.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), tr("Start"), 390, 50, 75, 25);
    HorizontalButton = knopf(this, QStringLiteral("HorizontalButton"), {}, 390, 196, 75, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), tr("Start"), 390, 244, 75, 25);
    VertikalButton = knopf(this, QStringLiteral("VertikalButton"), {}, 390, 292, 75, 25);
    SummenButton = knopf(this, QStringLiteral("SummenButton"), tr("Add"), 390, 342, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), tr("Gray Scale"), 390, 376, 81, 25);
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton, SummenButton, FaerbeButton})
        k->setEnabled(false);

    bilderAnlegen({480, 0, 320, 521}, {5, 0, 255, 257}, {5, 250, 270, 270}, true);
    const int intX[5] = {0, 68, 114, 159, 203};
    for (int i = 1; i <= 4; ++i) {
        Int[i] = strahlbeschriftung(QStringLiteral("Int%1").arg(i), QString::number(Faktor[i]),
                                    {264, 60 + 45 * (i - 1)}, Qt::red);
        Int[4 + i] = strahlbeschriftung(QStringLiteral("Int%1").arg(4 + i), QString::number(Faktor[4 + i]),
                                        {intX[i], 256}, Qt::blue);
    }
    anteilfelder(Hor, QStringLiteral("Hor%1"), Ver, QStringLiteral("Ver%1"), [](int) { return 15; });
    summenfelder(Summe, 4, {70, 308}, 45, true);
    loeschknoepfe();
    Durchgaenge = {Durchgang{.start = Start1Button, .knopf = HorizontalButton, .loeschen = Loeschen1Button,
                             .weiter = Start2Button, .felder = &Hor, .erstesFeld = Hor[1], .feldschritt = 8,
                             .gruppen = zeilen(), .soll = [](int r, int) { return Faktor[r]; },
                             .strahlen = [this] { return StrahlenHorizontal(); }, .name = tr("horizontal beams")},
                   Durchgang{.start = Start2Button, .knopf = VertikalButton, .loeschen = Loeschen2Button,
                             .weiter = SummenButton, .felder = &Ver, .erstesFeld = Ver[1], .feldschritt = 9,
                             .gruppen = spalten(), .soll = [](int, int j) { return Faktor[4 + j]; },
                             .strahlen = [this] { return StrahlenVertikal(); }, .name = tr("vertical beams")}};
    anteilfelderEinrichten({});
    zellennamen(Hor, 4, tr("share of the horizontal beam"));
    zellennamen(Ver, 4, tr("share of the vertical beam"));

    seiteEinrichten();

    hoehenBei1024({{Start1Button, 65},
                   {HorizontalButton, 236},
                   {Start2Button, 293},
                   {VertikalButton, 350},
                   {SummenButton, 420},
                   {FaerbeButton, 466},
                   {Memo3, 509}});
    strahlengitter(45, {25, 68}, {67, 25});
    gitterZeichnen(2);
    Phase = 0;
    Schritt = 1;
    Schrittziele = {nullptr,      Start1Button, HorizontalButton, Start2Button, VertikalButton,
                    SummenButton, FaerbeButton, WeiterButton,     Hor[1],       Ver[1]};
    beschriften();
    BreiteGeschlossen = 15;
    tabfolge({SummenButton, FaerbeButton});

    for (QPlainTextEdit* m : {Memo1, Memo2, Memo3})
        Kurs::beiMausdruck(m, [this] { Memo1MouseDown(); });
    for (int n = 1; n <= 16; ++n)
        for (QLineEdit* f : {Hor[n], Ver[n]})
            Kurs::beiMausdruckWenn(f, [f] { return f->isReadOnly(); }, [this] { Memo1MouseDown(); });
    connect(Start1Button, &QPushButton::clicked, this, &TForm8::Start1ButtonClick);
    connect(HorizontalButton, &QPushButton::clicked, this, &TForm8::HorizontalButtonClick);
    connect(Loeschen1Button, &QPushButton::clicked, this, &TForm8::Loeschen1ButtonClick);
    connect(Start2Button, &QPushButton::clicked, this, &TForm8::Start2ButtonClick);
    connect(VertikalButton, &QPushButton::clicked, this, &TForm8::VertikalButtonClick);
    connect(Loeschen2Button, &QPushButton::clicked, this, &TForm8::Loeschen2ButtonClick);
    connect(SummenButton, &QPushButton::clicked, this, &TForm8::SummenButtonClick);
    connect(FaerbeButton, &QPushButton::clicked, this, &TForm8::FaerbeButtonClick);
}

bool TForm8::StrahlenHorizontal()
{
    return zeilenstrahlen(Int);
}

bool TForm8::StrahlenVertikal()
{
    return spaltenstrahlen(Int);
}

void TForm8::HorizontalButtonClick()
{
    if (kurs().lernmodus()) {
        if (!anteileRichtig(0) || erledigt(HorizontalButton))
            return;
        bestaetigen(0);
        Schritt = 2;
        markieren(HorizontalButton, true);
        Loeschen1Button->hide();
    } else {
        if (!vorfuehren(0))
            return;
        kurs().modiAnbieten(true);
    }
    anteileSchliessen(0);
    if (Abbruch == 1)
        schrittSetzen(1, Start1Button);
    else
        schrittWeiter(HorizontalButton, 3, Start2Button);
}

void TForm8::VertikalButtonClick()
{
    if (kurs().lernmodus()) {
        if (!anteileRichtig(1))
            return;
        bestaetigen(1);
        Loeschen2Button->hide();
    } else {
        if (!vorfuehren(1))
            return;
        kurs().modiAnbieten(true);
    }
    anteileSchliessen(1);
    schrittWeiter(VertikalButton, 5, SummenButton);
}

void TForm8::SummenButtonClick()
{
    summieren(Hor, Ver, Summe);
    schrittWeiter(SummenButton, 6, FaerbeButton);
    Phase = 5;
}

void TForm8::FaerbeButtonClick()
{
    schrittWeiter(FaerbeButton, 7, WeiterButton);
    Phase = 6;
    graustufen(Summe, {2, 3, 5, 8, 9, 12, 14, 15}, {6, 7, 10, 11});
}

void TForm8::FormActivate()
{
    Modusseite::FormActivate();
    // In instruction mode the activation also puts the focus back on the
    // step the page has reached after the second pass.
    if (kurs().lernmodus() && Phase >= 4 && Phase <= 6) {
        Schritt = Phase + 1;
        Kurs::fokus(schrittziel(), WeiterButton);
    }
}

void TForm8::seiteZuruecksetzen()
{
    gitterZeichnen(2);
    for (int i = 1; i <= 8; ++i)
        Int[i]->hide();
    for (int n = 1; n <= 16; ++n) {
        Summe[n]->hide();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::black);
    }
    SummenButton->setEnabled(false);
    FaerbeButton->setEnabled(false);
}
