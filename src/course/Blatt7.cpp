#include "course/Blatt7.h"

#include "app/Ausstieg.h"
#include "app/Fenster.h"
#include "course/Kurshilfen.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The values of the first sample body: one tumour in row 2, column 2.
constexpr const char* Faktoren[9] = {"", "0", "1", "0", "0", "0", "1", "0", "0"};
}  // namespace

TForm7::TForm7()
    : Uebungsseite(QStringLiteral("Form7"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 6, 6, 466, 499,
                     Kurs::text(QStringLiteral(":/course/texte/blatt7_memo1.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), tr("Start"), 390, 33, 75, 25);
    HorizontalButton = knopf(this, QStringLiteral("HorizontalButton"), tr("Distribution"), 390, 145, 81, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), tr("Start"), 390, 224, 75, 25);
    VertikalButton = knopf(this, QStringLiteral("VertikalButton"), tr("Distribution"), 390, 271, 81, 25);
    SummenButton = knopf(this, QStringLiteral("SummenButton"), tr("Add"), 390, 321, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), tr("Gray Scale"), 390, 417, 81, 25);
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton, SummenButton, FaerbeButton})
        k->setEnabled(false);

    bilderAnlegen({480, 0, 320, 529}, {5, 0, 255, 257}, {5, 253, 270, 270}, true);
    for (int i = 1; i <= 4; ++i) {
        Int[i] = strahlbeschriftung(QStringLiteral("Int%1").arg(i), QString::fromLatin1(Faktoren[i]),
                                    {260, 60 + 45 * (i - 1)}, Qt::red);
        Int[4 + i] = strahlbeschriftung(QStringLiteral("Int%1").arg(4 + i), QString::fromLatin1(Faktoren[4 + i]),
                                        {70 + 44 * (i - 1), 256}, Qt::blue);
    }
    anteilfelder(Hor, QStringLiteral("Hor%1"), Ver, QStringLiteral("Ver%1"), [](int j) { return j == 3 ? 13 : 12; });
    // The shares stand from the start: 1 in the tumour's row and column.
    for (int n = 1; n <= 16; ++n) {
        Hor[n]->setText(zeile(n) == 2 ? QStringLiteral("1") : QStringLiteral("0"));
        Ver[n]->setText(spalte(n) == 2 ? QStringLiteral("1") : QStringLiteral("0"));
        Kurs::schliessen(Hor[n]);
        Kurs::schliessen(Ver[n]);
    }
    summenfelder(Summe, 4, {70, 308}, 45, true);
    zellennamen(Hor, 4, tr("share of the horizontal beam"));
    zellennamen(Ver, 4, tr("share of the vertical beam"));
    benennen(Start1Button, tr("horizontal beams"));
    benennen(HorizontalButton, tr("horizontal beams"));
    benennen(Start2Button, tr("vertical beams"));
    benennen(VertikalButton, tr("vertical beams"));

    seiteEinrichten();

    hoehenBei1024({{Start1Button, 40},
                   {HorizontalButton, 173},
                   {Start2Button, 268},
                   {VertikalButton, 325},
                   {SummenButton, 382},
                   {FaerbeButton, 496}});
    strahlengitter(45, {25, 68}, {67, 25});
    gitterZeichnen(1);
    Abbruch = 0;
    Schritt = 1;
    Schrittziele = {nullptr, Start1Button, HorizontalButton, Start2Button, VertikalButton, SummenButton, FaerbeButton};

    Kurs::beiMausdruck(Memo1, [this] { Memo1MouseDown(); });
    for (int n = 1; n <= 16; ++n)
        for (QLineEdit* f : {Hor[n], Ver[n]})
            Kurs::beiMausdruck(f, [this] { Memo1MouseDown(); });
    connect(Start1Button, &QPushButton::clicked, this, &TForm7::Start1ButtonClick);
    connect(HorizontalButton, &QPushButton::clicked, this, &TForm7::HorizontalButtonClick);
    connect(Start2Button, &QPushButton::clicked, this, &TForm7::Start2ButtonClick);
    connect(VertikalButton, &QPushButton::clicked, this, &TForm7::VertikalButtonClick);
    connect(SummenButton, &QPushButton::clicked, this, &TForm7::SummenButtonClick);
    connect(FaerbeButton, &QPushButton::clicked, this, &TForm7::FaerbeButtonClick);
}

bool TForm7::StrahlenHorizontal()
{
    return zeilenstrahlen(Int);
}

bool TForm7::StrahlenVertikal()
{
    return spaltenstrahlen(Int);
}

bool TForm7::verteilen(QPushButton* knopf, int schritt, const std::array<QLineEdit*, 17>& felder,
                       const std::vector<std::vector<int>>& gruppen)
{
    if (erledigt(knopf))
        return false;
    kurs().neuAnbieten(false);
    markieren(knopf, true);
    knopf->setFocus();
    Schritt = schritt;
    const bool fertig = gruppenweise(gruppen, [&](int n) { felder[n]->show(); });
    // "&New" comes back also when a restart stopped the step; the page then
    // stays as the restart set it up.
    if (!Programmende())
        kurs().neuAnbieten(true);
    return fertig;
}

void TForm7::Start1ButtonClick()
{
    if (!erledigt(Start1Button) && strahlenlauf(Start1Button, [this] { return StrahlenHorizontal(); }))
        schrittWeiter(Start1Button, 2, HorizontalButton);
}

void TForm7::HorizontalButtonClick()
{
    if (verteilen(HorizontalButton, 2, Hor, zeilen()))
        schrittWeiter(HorizontalButton, 3, Start2Button);
}

void TForm7::Start2ButtonClick()
{
    if (!erledigt(Start2Button) && strahlenlauf(Start2Button, [this] { return StrahlenVertikal(); }))
        schrittWeiter(Start2Button, 4, VertikalButton);
}

void TForm7::VertikalButtonClick()
{
    if (verteilen(VertikalButton, 4, Ver, spalten()))
        schrittWeiter(VertikalButton, 5, SummenButton);
}

void TForm7::SummenButtonClick()
{
    summieren(Hor, Ver, Summe);
    schrittWeiter(SummenButton, 6, FaerbeButton);
}

void TForm7::FaerbeButtonClick()
{
    schrittWeiter(FaerbeButton, 7, WeiterButton);
    graustufen(Summe, {2, 5, 7, 8, 10, 14}, {6});
}

void TForm7::NeuStart()
{
    if (!erledigt(Start1Button))
        return;
    neustartMelden();
    gitterZeichnen(1);
    for (int i = 1; i <= 8; ++i)
        Int[i]->hide();
    for (int n = 1; n <= 16; ++n) {
        Hor[n]->hide();
        Ver[n]->hide();
        Summe[n]->setText({});
        Summe[n]->hide();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::black);
    }
    knoepfeZuruecksetzen(Start1Button, {HorizontalButton, Start2Button, VertikalButton}, {SummenButton, FaerbeButton});
}
