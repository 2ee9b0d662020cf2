#include "course/Blatt7.h"

#include "app/HauptBlatt.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Pause.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The values of the first sample body: one tumour in row 2, column 2.
constexpr const char* Faktoren[9] = {"", "0", "1", "0", "0", "0", "1", "0", "0"};

int strichzahl(int breite)
{
    if (breite == 800)
        return 28;
    if (breite == 1024)
        return 36;
    return breite * 28 / 800;
}

// A done mark on a step button: a repeated click does nothing.
bool erledigt(const QPushButton* k)
{
    return tag(k) == 1;
}
}  // namespace

TForm7::TForm7()
    : Kursseite(QStringLiteral("Form7"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 6, 6, 466, 499,
                     Kurs::text(QStringLiteral(":/course/texte/blatt7_memo1.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), QStringLiteral("Start"), 390, 33, 75, 25);
    HorizontalButton = knopf(this, QStringLiteral("HorizontalButton"), QStringLiteral("Distribution"), 390, 145, 81, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), QStringLiteral("Start"), 390, 224, 75, 25);
    VertikalButton = knopf(this, QStringLiteral("VertikalButton"), QStringLiteral("Distribution"), 390, 271, 81, 25);
    SummenButton = knopf(this, QStringLiteral("SummenButton"), QStringLiteral("Add"), 390, 321, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), QStringLiteral("Gray Scale"), 390, 417, 81, 25);
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton, SummenButton, FaerbeButton})
        k->setEnabled(false);

    Panel2 = new Panel(this, QStringLiteral("Panel2"), 480, 0, 320, 529);
    Bild1 = new Bildanzeige(Panel2, QStringLiteral("Bild1"));
    Bild1->setGeometry(5, 0, 255, 257);
    Bild2 = new Bildanzeige(Panel2, QStringLiteral("Bild2"));
    Bild2->setGeometry(5, 253, 270, 270);
    Bild2->setzeTransparent(true);
    for (int i = 1; i <= 4; ++i) {
        Int[i] = bezeichnung(Panel2, QStringLiteral("Int%1").arg(i), QString::fromLatin1(Faktoren[i]), 260,
                             60 + 45 * (i - 1), 0, false, Qt::red);
        Int[4 + i] = bezeichnung(Panel2, QStringLiteral("Int%1").arg(4 + i), QString::fromLatin1(Faktoren[4 + i]),
                                 70 + 44 * (i - 1), 256, 0, false, Qt::blue);
    }
    for (int i = 1; i <= 8; ++i)
        Int[i]->hide();
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        Hor[n] = eingabefeld(Panel2, QStringLiteral("Hor%1").arg(n), 75 + 45 * (j - 1), 300 + 45 * (r - 1),
                             j == 3 ? 13 : 12, 24, r == 2 ? QStringLiteral("1") : QStringLiteral("0"));
        Ver[n] = eingabefeld(Panel2, QStringLiteral("Ver%1").arg(n), 55 + 45 * (j - 1), 315 + 45 * (r - 1),
                             j == 3 ? 13 : 12, 24, j == 2 ? QStringLiteral("1") : QStringLiteral("0"));
        Kurs::setzeSchriftfarbe(Hor[n], Qt::red);
        Kurs::setzeSchriftfarbe(Ver[n], Qt::blue);
        for (QLineEdit* f : {Hor[n], Ver[n]}) {
            f->setMaxLength(1);
            Kurs::schliessen(f);
            f->hide();
        }
    }
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        Summe[n] = bezeichnung(Panel2, QStringLiteral("Summe%1").arg(n), {}, 70 + 45 * (j - 1), 308 + 45 * (r - 1));
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Summe[n]->hide();
    }

    seiteEinrichten();

    if (Bildschirmbreite == 1024) {
        Start1Button->move(Start1Button->x(), 40);
        HorizontalButton->move(HorizontalButton->x(), 173);
        Start2Button->move(Start2Button->x(), 268);
        VertikalButton->move(VertikalButton->x(), 325);
        SummenButton->move(SummenButton->x(), 382);
        FaerbeButton->move(FaerbeButton->x(), 496);
    }
    Zelle = Bildschirmbreite * 45 / 800;
    StartXh = Bildschirmbreite * 25 / 800;
    StartYh = Bildschirmbreite * 68 / 800;
    StartXv = Bildschirmbreite * 67 / 800;
    StartYv = Bildschirmbreite * 25 / 800;
    Strichzahl = strichzahl(Bildschirmbreite);
    gitterZeichnen();
    Abbruch = 0;
    Schritt = 1;

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

void TForm7::gitterZeichnen()
{
    FormHaupt->ImageZeichnen(Bild1, Zelle, 4, 1, 0);
    FormHaupt->ImageZeichnen(Bild2, Zelle, 4, 0, 0);
}

void TForm7::FormShow()
{
    FormHaupt->Neu->setEnabled(true);
}

bool TForm7::unterbrochen() const
{
    return Programmende() || Abbruch == 1;
}

bool TForm7::StrahlenHorizontal(int i)
{
    Zeichenflaeche& f = Bild1->flaeche();
    f.setzeStift(Kurs::Rot);
    int x = StartXh;
    const int y = StartYh + Zelle * (i - 1);
    for (int m = 1; m <= Strichzahl; ++m) {
        if (unterbrochen())
            return false;
        Kurs::strich(f, x, y, 5, 0);
        Bild1->aktualisieren();
        pause(10);
        x += 8;
    }
    f.moveTo(x - 5, y - 5);
    f.lineTo(x, y);
    f.lineTo(x - 6, y + 6);
    f.setzeStift(Kurs::Schwarz);
    Bild1->aktualisieren();
    Int[i]->show();
    return true;
}

bool TForm7::StrahlenVertikal(int i)
{
    Zeichenflaeche& f = Bild1->flaeche();
    f.setzeStift(Kurs::Blau);
    const int x = StartXv + Zelle * (i - 1);
    int y = StartYv;
    for (int m = 1; m <= Strichzahl; ++m) {
        if (unterbrochen())
            return false;
        Kurs::strich(f, x, y, 0, 5);
        Bild1->aktualisieren();
        pause(10);
        y += 8;
    }
    f.moveTo(x - 5, y - 5);
    f.lineTo(x, y);
    f.lineTo(x + 6, y - 6);
    f.setzeStift(Kurs::Schwarz);
    Bild1->aktualisieren();
    Int[4 + i]->show();
    return true;
}

void TForm7::Start1ButtonClick()
{
    if (erledigt(Start1Button))
        return;
    Abbruch = 0;
    setzeTag(Start1Button, 1);
    for (int i = 1; i <= 4; ++i)
        if (!StrahlenHorizontal(i))
            break;
    if (Programmende())
        return;
    if (Abbruch == 1) {
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
    } else {
        Start1Button->setEnabled(false);
        HorizontalButton->setEnabled(true);
        HorizontalButton->setFocus();
        Schritt = 2;
    }
}

void TForm7::HorizontalButtonClick()
{
    if (erledigt(HorizontalButton))
        return;
    FormHaupt->Neu->setEnabled(false);
    setzeTag(HorizontalButton, 1);
    HorizontalButton->setFocus();
    Schritt = 2;
    for (int r = 1; r <= 4; ++r) {
        for (int j = 1; j <= 4; ++j)
            Hor[4 * (r - 1) + j]->show();
        if (r < 4) {
            if (Programmende())
                return;
            pause(200);
        }
    }
    FormHaupt->Neu->setEnabled(true);
    if (Abbruch == 1) {
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
    } else {
        HorizontalButton->setEnabled(false);
        Start2Button->setEnabled(true);
        Start2Button->setFocus();
        Schritt = 3;
    }
}

void TForm7::Start2ButtonClick()
{
    if (erledigt(Start2Button))
        return;
    Abbruch = 0;
    setzeTag(Start2Button, 1);
    for (int i = 1; i <= 4; ++i)
        if (!StrahlenVertikal(i))
            break;
    if (Programmende())
        return;
    if (Abbruch == 1) {
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
    } else {
        Start2Button->setEnabled(false);
        VertikalButton->setEnabled(true);
        VertikalButton->setFocus();
        Schritt = 4;
    }
}

void TForm7::VertikalButtonClick()
{
    if (erledigt(VertikalButton))
        return;
    FormHaupt->Neu->setEnabled(false);
    setzeTag(VertikalButton, 1);
    VertikalButton->setFocus();
    Schritt = 4;
    for (int j = 1; j <= 4; ++j) {
        for (int r = 1; r <= 4; ++r)
            Ver[4 * (r - 1) + j]->show();
        if (j < 4) {
            if (Programmende())
                return;
            pause(200);
        }
    }
    VertikalButton->setEnabled(false);
    SummenButton->setEnabled(true);
    SummenButton->setFocus();
    Schritt = 5;
    FormHaupt->Neu->setEnabled(true);
}

void TForm7::SummenButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        Summe[n]->show();
        Summe[n]->setText(QString::number(Hor[n]->text().toInt() + Ver[n]->text().toInt()));
        Summe[n]->adjustSize();
        Hor[n]->hide();
        Ver[n]->hide();
    }
    SummenButton->setEnabled(false);
    FaerbeButton->setEnabled(true);
    FaerbeButton->setFocus();
    Schritt = 6;
}

void TForm7::FaerbeButtonClick()
{
    FaerbeButton->setEnabled(false);
    Schritt = 7;
    WeiterButton->setFocus();
    Zeichenflaeche& f = Bild2->flaeche();
    const auto fuellen = [&](int r, int j) {
        f.floodFill(j * Zelle + 10, r * Zelle + 10, Kurs::Weiss, Zeichenflaeche::Fuellart::Flaeche);
    };
    f.setzePinsel(Kurs::Grau);
    for (auto [r, j] : {std::pair{2, 1}, {2, 3}, {2, 4}, {1, 2}, {3, 2}, {4, 2}})
        fuellen(r, j);
    f.setzePinsel(Kurs::Schwarz);
    fuellen(2, 2);
    f.setzePinsel(Kurs::Weiss);
    Bild2->aktualisieren();
    Kurs::setzeHintergrund(Summe[6], Qt::black);
    Kurs::setzeSchriftfarbe(Summe[6], Qt::white);
    for (int n : {2, 5, 7, 8, 10, 14})
        Kurs::setzeHintergrund(Summe[n], QColor(0x80, 0x80, 0x80));
}

void TForm7::Memo1MouseDown()
{
    QWidget* ziel[] = {nullptr,      Start1Button, HorizontalButton, Start2Button,
                       VertikalButton, SummenButton, FaerbeButton,     WeiterButton};
    Kurs::fokus(Schritt >= 1 && Schritt <= 7 ? ziel[Schritt] : WeiterButton, WeiterButton);
}

void TForm7::NeuStart()
{
    if (!erledigt(Start1Button))
        return;
    Abbruch = 1;
    gitterZeichnen();
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
    Start1Button->setEnabled(true);
    setzeTag(Start1Button, 0);
    Start1Button->setFocus();
    Schritt = 1;
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton}) {
        k->setEnabled(false);
        setzeTag(k, 0);
    }
    SummenButton->setEnabled(false);
    FaerbeButton->setEnabled(false);
}
