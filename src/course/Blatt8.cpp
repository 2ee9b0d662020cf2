#include "course/Blatt8.h"

#include "app/HauptBlatt.h"
#include "course/Falsch.h"
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
// The factors of the second sample body: tumours in row 2, column 2 and row 3, column 3.
constexpr int Faktor[9] = {0, 0, 1, 1, 0, 0, 1, 1, 0};

int strichzahl(int breite)
{
    if (breite == 800)
        return 28;
    if (breite == 1024)
        return 36;
    return breite * 28 / 800;
}

bool erledigt(const QPushButton* k)
{
    return tag(k) == 1;
}
}  // namespace

TForm8::TForm8()
    : Kursseite(QStringLiteral("Form8"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 14, 30, 465, 75,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo1.txt")));
    Memo2 = textfeld(this, QStringLiteral("Memo2"), 14, 120, 434, 281,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo2.txt")));
    Memo3 = textfeld(this, QStringLiteral("Memo3"), 14, 406, 465, 115,
                     Kurs::text(QStringLiteral(":/course/texte/blatt8_memo3.txt")));
    Start1Button = knopf(this, QStringLiteral("Start1Button"), QStringLiteral("Start"), 390, 50, 75, 25);
    HorizontalButton = knopf(this, QStringLiteral("HorizontalButton"), {}, 390, 196, 75, 25);
    Start2Button = knopf(this, QStringLiteral("Start2Button"), QStringLiteral("Start"), 390, 244, 75, 25);
    VertikalButton = knopf(this, QStringLiteral("VertikalButton"), {}, 390, 292, 75, 25);
    SummenButton = knopf(this, QStringLiteral("SummenButton"), QStringLiteral("Add"), 390, 342, 75, 25);
    FaerbeButton = knopf(this, QStringLiteral("FaerbeButton"), QStringLiteral("Gray Scale"), 390, 376, 81, 25);
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton, SummenButton, FaerbeButton})
        k->setEnabled(false);

    Panel2 = new Panel(this, QStringLiteral("Panel2"), 480, 0, 320, 521);
    Bild1 = new Bildanzeige(Panel2, QStringLiteral("Bild1"));
    Bild1->setGeometry(5, 0, 255, 257);
    Bild2 = new Bildanzeige(Panel2, QStringLiteral("Bild2"));
    Bild2->setGeometry(5, 250, 270, 270);
    Bild2->setzeTransparent(true);
    const int intX[5] = {0, 68, 114, 159, 203};
    for (int i = 1; i <= 4; ++i) {
        Int[i] = bezeichnung(Panel2, QStringLiteral("Int%1").arg(i), QString::number(Faktor[i]), 264,
                             60 + 45 * (i - 1), 0, false, Qt::red);
        Int[4 + i] = bezeichnung(Panel2, QStringLiteral("Int%1").arg(4 + i), QString::number(Faktor[4 + i]),
                                 intX[i], 256, 0, false, Qt::blue);
    }
    for (int i = 1; i <= 8; ++i)
        Int[i]->hide();
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        Hor[n] = eingabefeld(Panel2, QStringLiteral("Hor%1").arg(n), 75 + 45 * (j - 1), 300 + 45 * (r - 1), 15, 24);
        Ver[n] = eingabefeld(Panel2, QStringLiteral("Ver%1").arg(n), 55 + 45 * (j - 1), 315 + 45 * (r - 1), 15, 24);
        Kurs::setzeSchriftfarbe(Hor[n], Qt::red);
        Kurs::setzeSchriftfarbe(Ver[n], Qt::blue);
        for (QLineEdit* f : {Hor[n], Ver[n]}) {
            f->setMaxLength(1);
            Kurs::ziffernfilter(f);
            f->setReadOnly(true);
            setzeTabstop(f, false);
            f->hide();
        }
    }
    for (int n = 1; n <= 16; ++n) {
        const int r = (n - 1) / 4 + 1, j = (n - 1) % 4 + 1;
        Summe[n] = bezeichnung(Panel2, QStringLiteral("Summe%1").arg(n), {}, 70 + 45 * (j - 1), 308 + 45 * (r - 1));
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Summe[n]->hide();
    }
    // The "Delete" buttons stand on the panel's free bottom strip.
    Loeschen1Button = knopf(this, QStringLiteral("Loeschen1Button"), QStringLiteral("Delete"), 528, 492, 75, 25);
    Loeschen2Button = knopf(this, QStringLiteral("Loeschen2Button"), QStringLiteral("Delete"), 648, 492, 75, 25);
    Loeschen1Button->hide();
    Loeschen2Button->hide();

    seiteEinrichten();

    if (Bildschirmbreite == 1024) {
        Start1Button->move(Start1Button->x(), 65);
        HorizontalButton->move(HorizontalButton->x(), 236);
        Start2Button->move(Start2Button->x(), 293);
        VertikalButton->move(VertikalButton->x(), 350);
        SummenButton->move(SummenButton->x(), 420);
        FaerbeButton->move(FaerbeButton->x(), 466);
        Memo3->move(Memo3->x(), 509);
    }
    Zelle = Bildschirmbreite * 45 / 800;
    StartXh = Bildschirmbreite * 25 / 800;
    StartYh = Bildschirmbreite * 68 / 800;
    StartXv = Bildschirmbreite * 67 / 800;
    StartYv = Bildschirmbreite * 25 / 800;
    Strichzahl = strichzahl(Bildschirmbreite);
    gitterZeichnen();
    Phase = 0;
    Schritt = 1;
    const QString beschriftung = Lernmodus ? QStringLiteral("Korrektur") : QStringLiteral("Verteilung");
    HorizontalButton->setText(beschriftung);
    VertikalButton->setText(beschriftung);

    // Tab order: each step's fields follow the button that opens them and
    // lead on to the button that checks them; "Delete" comes after the check.
    std::vector<QWidget*> folge{WeiterButton, Start1Button};
    for (int n = 1; n <= 16; ++n)
        folge.push_back(Hor[n]);
    folge.insert(folge.end(), {HorizontalButton, Loeschen1Button, Start2Button});
    for (int j = 1; j <= 4; ++j)
        for (int r = 1; r <= 4; ++r)
            folge.push_back(Ver[4 * (r - 1) + j]);
    folge.insert(folge.end(), {VertikalButton, Loeschen2Button, SummenButton, FaerbeButton});
    Kurs::tabfolge(folge);

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

void TForm8::gitterZeichnen()
{
    FormHaupt->ImageZeichnen(Bild1, Zelle, 4, 2, 0);
    FormHaupt->ImageZeichnen(Bild2, Zelle, 4, 0, 0);
}

void TForm8::modusmenue(bool an)
{
    FormHaupt->Demonstration1->setEnabled(an);
    FormHaupt->Lernprogramm1->setEnabled(an);
}

void TForm8::oeffnen(const std::array<QLineEdit*, 17>& felder)
{
    for (int n = 1; n <= 16; ++n) {
        felder[n]->show();
        Kurs::oeffnen(felder[n]);
    }
}

void TForm8::schliessen(const std::array<QLineEdit*, 17>& felder)
{
    for (int n = 1; n <= 16; ++n) {
        Kurs::schliessen(felder[n]);
        felder[n]->resize(Bildschirmbreite * 15 / 800, felder[n]->height());
    }
}

bool TForm8::unterbrochen() const
{
    return Programmende() || Abbruch == 1;
}

bool TForm8::StrahlenHorizontal(int i)
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

bool TForm8::StrahlenVertikal(int i)
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

void TForm8::Start1ButtonClick()
{
    if (erledigt(Start1Button))
        return;
    Phase = 1;
    modusmenue(false);
    Abbruch = 0;
    setzeTag(Start1Button, 1);
    for (int i = 1; i <= 4; ++i)
        if (!StrahlenHorizontal(i))
            break;
    if (Programmende())
        return;
    if (Abbruch == 1) {
        // The mode items stay disabled until a beam run completes.
        Start1Button->setEnabled(true);
        Start1Button->setFocus();
        Schritt = 1;
        return;
    }
    Start1Button->setEnabled(false);
    HorizontalButton->setEnabled(true);
    if (Lernmodus) {
        Loeschen1Button->show();
        oeffnen(Hor);
        Hor[1]->setFocus();
        Schritt = 8;
    } else {
        HorizontalButton->setFocus();
        Schritt = 2;
    }
    modusmenue(true);
}

void TForm8::HorizontalButtonClick()
{
    if (Lernmodus) {
        bool leer = false, falsch = false;
        for (int n = 1; n <= 16; ++n) {
            int wert = 0;
            if (Hor[n]->text().isEmpty())
                leer = true;
            else if (!Kurs::ganzzahl(Hor[n], wert) || wert != Faktor[(n - 1) / 4 + 1])
                falsch = true;
        }
        if (leer || falsch) {
            Phase = 1;
            FormFalsch->Urteil(leer ? FormFalsch->Falsch1 : FormFalsch->Falsch2);
            return;
        }
        if (erledigt(HorizontalButton))
            return;
        Phase = 2;
        FormFalsch->Urteil(FormFalsch->Richtig);
        Schritt = 2;
        setzeTag(HorizontalButton, 1);
        Loeschen1Button->hide();
    } else {
        if (erledigt(HorizontalButton))
            return;
        Phase = 2;
        FormHaupt->Neu->setEnabled(false);
        modusmenue(false);
        setzeTag(HorizontalButton, 1);
        HorizontalButton->setFocus();
        Schritt = 2;
        for (int n = 1; n <= 16; ++n) {
            Hor[n]->setFrame(false);
            Hor[n]->show();
        }
        for (int r = 1; r <= 4; ++r) {
            for (int j = 1; j <= 4; ++j)
                Hor[4 * (r - 1) + j]->setText(QString::number(Faktor[r]));
            if (r < 4) {
                if (Programmende())
                    return;
                pause(200);
            }
        }
        FormHaupt->Neu->setEnabled(true);
        modusmenue(true);
    }
    schliessen(Hor);
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

void TForm8::Loeschen1ButtonClick()
{
    for (int n = 1; n <= 16; ++n)
        Hor[n]->clear();
    Hor[1]->setFocus();
    Schritt = 8;
}

void TForm8::Start2ButtonClick()
{
    if (erledigt(Start2Button))
        return;
    Phase = 3;
    modusmenue(false);
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
        return;
    }
    Start2Button->setEnabled(false);
    VertikalButton->setEnabled(true);
    if (Lernmodus) {
        Loeschen2Button->show();
        oeffnen(Ver);
        Ver[1]->setFocus();
        Schritt = 9;
    } else {
        VertikalButton->setFocus();
        Schritt = 4;
    }
    modusmenue(true);
}

void TForm8::VertikalButtonClick()
{
    if (Lernmodus) {
        bool leer = false, falsch = false;
        for (int n = 1; n <= 16; ++n) {
            int wert = 0;
            if (Ver[n]->text().isEmpty())
                leer = true;
            else if (!Kurs::ganzzahl(Ver[n], wert) || wert != Faktor[4 + (n - 1) % 4 + 1])
                falsch = true;
        }
        if (leer || falsch) {
            Phase = 3;
            FormFalsch->Urteil(leer ? FormFalsch->Falsch1 : FormFalsch->Falsch2);
            return;
        }
        Phase = 4;
        FormFalsch->Urteil(FormFalsch->Richtig);
        VertikalButton->setEnabled(false);
        Loeschen2Button->hide();
        SummenButton->setEnabled(true);
        SummenButton->setFocus();
        Schritt = 5;
        schliessen(Ver);
        return;
    }
    if (erledigt(VertikalButton))
        return;
    Phase = 4;
    FormHaupt->Neu->setEnabled(false);
    modusmenue(false);
    setzeTag(VertikalButton, 1);
    Schritt = 4;
    for (int n = 1; n <= 16; ++n) {
        Ver[n]->setFrame(false);
        Ver[n]->show();
    }
    for (int j = 1; j <= 4; ++j) {
        for (int r = 1; r <= 4; ++r)
            Ver[4 * (r - 1) + j]->setText(QString::number(Faktor[4 + j]));
        if (j < 4) {
            if (Programmende())
                return;
            pause(200);
        }
    }
    schliessen(Ver);
    VertikalButton->setEnabled(false);
    SummenButton->setEnabled(true);
    SummenButton->setFocus();
    Schritt = 5;
    FormHaupt->Neu->setEnabled(true);
    modusmenue(true);
}

void TForm8::Loeschen2ButtonClick()
{
    for (int n = 1; n <= 16; ++n)
        Ver[n]->clear();
    Ver[1]->setFocus();
    Schritt = 9;
}

void TForm8::SummenButtonClick()
{
    for (int n = 1; n <= 16; ++n) {
        Hor[n]->hide();
        Ver[n]->hide();
        Summe[n]->setText(QString::number(Hor[n]->text().toInt() + Ver[n]->text().toInt()));
        Summe[n]->adjustSize();
        Summe[n]->show();
    }
    SummenButton->setEnabled(false);
    FaerbeButton->setEnabled(true);
    FaerbeButton->setFocus();
    Schritt = 6;
    Phase = 5;
}

void TForm8::FaerbeButtonClick()
{
    FaerbeButton->setEnabled(false);
    WeiterButton->setFocus();
    Schritt = 7;
    Phase = 6;
    Zeichenflaeche& f = Bild2->flaeche();
    const auto fuellen = [&](int r, int j) {
        f.floodFill(j * Zelle + 10, r * Zelle + 10, Kurs::Weiss, Zeichenflaeche::Fuellart::Flaeche);
    };
    f.setzePinsel(Kurs::Grau);
    for (auto [r, j] : {std::pair{2, 1}, {3, 1}, {2, 4}, {3, 4}, {1, 2}, {1, 3}, {4, 2}, {4, 3}})
        fuellen(r, j);
    f.setzePinsel(Kurs::Schwarz);
    for (auto [r, j] : {std::pair{2, 2}, {2, 3}, {3, 2}, {3, 3}})
        fuellen(r, j);
    f.setzePinsel(Kurs::Weiss);
    Bild2->aktualisieren();
    for (int n : {6, 7, 10, 11}) {
        Kurs::setzeHintergrund(Summe[n], Qt::black);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::white);
    }
    for (int n : {2, 3, 5, 8, 9, 12, 14, 15})
        Kurs::setzeHintergrund(Summe[n], QColor(0x80, 0x80, 0x80));
}

QWidget* TForm8::schrittziel() const
{
    switch (Schritt) {
    case 1: return Start1Button;
    case 2: return HorizontalButton;
    case 3: return Start2Button;
    case 4: return VertikalButton;
    case 5: return SummenButton;
    case 6: return FaerbeButton;
    case 8: return Hor[1];
    case 9: return Ver[1];
    default: return WeiterButton;
    }
}

void TForm8::Memo1MouseDown()
{
    Kurs::fokus(schrittziel(), WeiterButton);
}

void TForm8::Modus(bool lernen, bool aktivierung)
{
    Lernmodus = lernen;
    (lernen ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->setChecked(true);
    const QString beschriftung = lernen ? QStringLiteral("Korrektur") : QStringLiteral("Verteilung");
    HorizontalButton->setText(beschriftung);
    VertikalButton->setText(beschriftung);
    if (lernen) {
        switch (Phase) {
        case 1:
            oeffnen(Hor);
            Loeschen1Button->show();
            Hor[1]->setFocus();
            Schritt = 8;
            break;
        case 2:
            Start2Button->setFocus();
            Schritt = 3;
            break;
        case 3:
            oeffnen(Ver);
            Loeschen2Button->show();
            Ver[1]->setFocus();
            Schritt = 9;
            break;
        case 4:
        case 5:
        case 6:
            if (aktivierung) {
                Schritt = Phase + 1;
                Kurs::fokus(schrittziel(), WeiterButton);
            }
            break;
        default:
            break;
        }
        return;
    }
    Loeschen1Button->hide();
    Loeschen2Button->hide();
    switch (Phase) {
    case 1:
        HorizontalButton->setFocus();
        Schritt = 2;
        for (int n = 1; n <= 16; ++n) {
            Kurs::schliessen(Hor[n]);
            Hor[n]->clear();
        }
        break;
    case 2:
        Start2Button->setFocus();
        Schritt = 3;
        if (aktivierung)
            for (int n = 1; n <= 16; ++n)
                Kurs::schliessen(Hor[n]);
        break;
    case 3:
        VertikalButton->setFocus();
        Schritt = 4;
        for (int n = 1; n <= 16; ++n) {
            Kurs::schliessen(Ver[n]);
            Ver[n]->clear();
        }
        break;
    default:
        break;
    }
}

void TForm8::Demonstration1()
{
    Modus(false, false);
}

void TForm8::Lernprogramm1()
{
    Modus(true, false);
}

void TForm8::FormActivate()
{
    Modus(Lernmodus, true);
}

void TForm8::NeuStart()
{
    if (!erledigt(Start1Button))
        return;
    Abbruch = 1;
    Phase = 0;
    gitterZeichnen();
    for (int i = 1; i <= 8; ++i)
        Int[i]->hide();
    for (int n = 1; n <= 16; ++n)
        for (QLineEdit* f : {Hor[n], Ver[n]}) {
            f->hide();
            f->clear();
            f->setFrame(true);
            setzeTabstop(f, false);
            f->resize(Bildschirmbreite * 15 / 800, f->height());
            f->setReadOnly(true);
        }
    for (int n = 1; n <= 16; ++n) {
        Summe[n]->hide();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Kurs::setzeSchriftfarbe(Summe[n], Qt::black);
    }
    Start1Button->setEnabled(true);
    Start1Button->setFocus();
    setzeTag(Start1Button, 0);
    Schritt = 1;
    for (QPushButton* k : {HorizontalButton, Start2Button, VertikalButton}) {
        k->setEnabled(false);
        setzeTag(k, 0);
    }
    SummenButton->setEnabled(false);
    FaerbeButton->setEnabled(false);
    Loeschen1Button->hide();
    Loeschen2Button->hide();
}
