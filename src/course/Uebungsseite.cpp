#include "course/Uebungsseite.h"

#include "app/Ausstieg.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"
#include "platform/Layout.h"
#include "platform/Pause.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const Uebungsseite::Strahlrichtung Uebungsseite::Waagrecht{Kurs::Rot, {5, 0}, {8, 0}, {{{-5, -5}, {0, 0}, {-6, 6}}}};
const Uebungsseite::Strahlrichtung Uebungsseite::Senkrecht{Kurs::Blau, {0, 5}, {0, 8}, {{{-5, -5}, {0, 0}, {6, -6}}}};

Uebungsseite::Uebungsseite(const QString& name)
    : Kursseite(name)
{
}

void Uebungsseite::FormShow()
{
    kurs().neuAnbieten(true);
    schrittFokussieren();
}

void Uebungsseite::schrittFokussieren()
{
    // A learner at the keyboard starts where the exercise stands.
    Kurs::fokus(schrittziel(), WeiterButton);
}

int Uebungsseite::skaliert(int wert)
{
    return Layout::breite() * wert / 800;
}

std::vector<std::vector<int>> Uebungsseite::zeilen()
{
    return {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}};
}

std::vector<std::vector<int>> Uebungsseite::spalten()
{
    return {{1, 5, 9, 13}, {2, 6, 10, 14}, {3, 7, 11, 15}, {4, 8, 12, 16}};
}

void Uebungsseite::markieren(const QPushButton* knopf, bool erledigt)
{
    if (erledigt)
        m_erledigt.insert(knopf);
    else
        m_erledigt.remove(knopf);
}

void Uebungsseite::hoehenBei1024(std::initializer_list<std::pair<QWidget*, int>> hoehen)
{
    if (Layout::breite() == 1024)
        for (auto [element, y] : hoehen)
            element->move(element->x(), y);
}

void Uebungsseite::bilderAnlegen(QRect panel, QRect bild1, QRect bild2, bool transparent)
{
    Panel2 = new Panel(this, QStringLiteral("Panel2"), panel.x(), panel.y(), panel.width(), panel.height());
    Bild1 = new Bildanzeige(Panel2, QStringLiteral("Bild1"));
    Bild1->setGeometry(bild1);
    Bild1->setAccessibleName(tr("Body with the beams"));
    Bild2 = new Bildanzeige(Panel2, QStringLiteral("Bild2"));
    Bild2->setGeometry(bild2);
    Bild2->setAccessibleName(tr("Grid of volume elements"));
    if (transparent)
        Bild2->setzeTransparent(true);
}

void Uebungsseite::strahlengitter(int zelle, QPoint waagrecht, QPoint senkrecht)
{
    Zelle = skaliert(zelle);
    StartH = {skaliert(waagrecht.x()), skaliert(waagrecht.y())};
    StartV = {skaliert(senkrecht.x()), skaliert(senkrecht.y())};
    // The two layouts have their own count; others scale the small one's.
    Strichzahl = Layout::breite() == 800 ? 28 : Layout::breite() == 1024 ? 36 : skaliert(28);
}

void Uebungsseite::gitterZeichnen(int figur, int versatz)
{
    Kurs::gitterbild(Bild1, Zelle, 4, figur, versatz);
    Kurs::gitterbild(Bild2, Zelle, 4, 0, 0);
}

QLabel* Uebungsseite::strahlbeschriftung(const QString& name, const QString& text, QPoint ort, QColor farbe)
{
    QLabel* l = bezeichnung(Panel2, name, text, ort.x(), ort.y(), 0, false, farbe);
    l->hide();
    return l;
}

void Uebungsseite::anteilfelder(std::array<QLineEdit*, 17>& erste, const QString& name1,
                                std::array<QLineEdit*, 17>& zweite, const QString& name2, int (*breite)(int spalte))
{
    for (int n = 1; n <= 16; ++n) {
        const int r = zeile(n), j = spalte(n);
        erste[n] = eingabefeld(Panel2, name1.arg(n), 75 + 45 * (j - 1), 300 + 45 * (r - 1), breite(j), 24);
        zweite[n] = eingabefeld(Panel2, name2.arg(n), 55 + 45 * (j - 1), 315 + 45 * (r - 1), breite(j), 24);
        Kurs::setzeSchriftfarbe(erste[n], Qt::red);
        Kurs::setzeSchriftfarbe(zweite[n], Qt::blue);
        for (QLineEdit* f : {erste[n], zweite[n]}) {
            f->setMaxLength(1);
            f->hide();
        }
    }
}

void Uebungsseite::zellennamen(std::span<QLineEdit* const> felder, int seite, const QString& was)
{
    for (int n = 1; n <= seite * seite; ++n)
        felder[std::size_t(n)]->setAccessibleName(
            tr("Row %1, column %2, %3").arg(zeile(n, seite)).arg(spalte(n, seite)).arg(was));
}

void Uebungsseite::benennen(QPushButton* knopf, const QString& was)
{
    knopf->setAccessibleName(tr("%1: %2").arg(knopf->text(), was));
}

void Uebungsseite::summenfelder(std::span<QLabel*> summe, int seite, QPoint ursprung, int abstand, bool verborgen)
{
    for (int n = 1; n <= seite * seite; ++n) {
        const int r = zeile(n, seite), j = spalte(n, seite);
        summe[n] = bezeichnung(Panel2, QStringLiteral("Summe%1").arg(n), {}, ursprung.x() + abstand * (j - 1),
                               ursprung.y() + abstand * (r - 1));
        Kurs::setzeHintergrund(summe[n], Qt::white);
        if (verborgen)
            summe[n]->hide();
    }
}

void Uebungsseite::neustartMelden()
{
    Abbruch = 1;
    ++m_neustarts;
}

bool Uebungsseite::unterbrochen() const
{
    return Programmende() || Abbruch == 1 || m_neustarts != m_laufbeginn;
}

bool Uebungsseite::strahlen(const Strahlrichtung& richtung, std::vector<QPoint> anfaenge, int striche)
{
    const Lauf lauf(*this);
    Zeichenflaeche& f = Bild1->flaeche();
    const auto angehalten = [this, &f] {
        if (!unterbrochen())
            return false;
        f.setzeStift(Kurs::Schwarz);
        return true;
    };
    f.setzeStift(richtung.farbe);
    for (int m = 1; m <= striche; ++m) {
        if (angehalten())
            return false;
        for (QPoint& p : anfaenge) {
            Kurs::strich(f, p.x(), p.y(), richtung.strich.x(), richtung.strich.y());
            p += richtung.schritt;
        }
        Bild1->aktualisieren();
        pause(10);
    }
    if (angehalten())
        return false;
    const auto& [a, b, c] = richtung.spitze;
    for (QPoint p : anfaenge) {
        f.moveTo(p.x() + a.x(), p.y() + a.y());
        f.lineTo(p.x() + b.x(), p.y() + b.y());
        f.lineTo(p.x() + c.x(), p.y() + c.y());
    }
    f.setzeStift(Kurs::Schwarz);
    Bild1->aktualisieren();
    return true;
}

bool Uebungsseite::strahlenfolge(const Strahlrichtung& richtung, const std::vector<Strahl>& folge)
{
    for (const Strahl& s : folge) {
        if (!strahlen(richtung, {s.anfang}, s.striche))
            return false;
        s.beschriftung->show();
    }
    return true;
}

bool Uebungsseite::zeilenstrahlen(const std::array<QLabel*, 9>& beschriftung)
{
    std::vector<Strahl> folge;
    for (int i = 1; i <= 4; ++i)
        folge.push_back({zeilenanfang(i), Strichzahl, beschriftung[i]});
    return strahlenfolge(Waagrecht, folge);
}

bool Uebungsseite::spaltenstrahlen(const std::array<QLabel*, 9>& beschriftung)
{
    std::vector<Strahl> folge;
    for (int j = 1; j <= 4; ++j)
        folge.push_back({spaltenanfang(j), Strichzahl, beschriftung[4 + j]});
    return strahlenfolge(Senkrecht, folge);
}

bool Uebungsseite::strahlenlauf(QPushButton* start, const std::function<bool()>& strahlen)
{
    Abbruch = 0;
    markieren(start, true);
    // After a restart the first step's button is open again already; a run
    // begun from it meanwhile must not be undone here.
    return strahlen();
}

bool Uebungsseite::gruppenweise(const std::vector<std::vector<int>>& gruppen, const std::function<void(int n)>& zeigen)
{
    const Lauf lauf(*this);
    for (std::size_t g = 0; g < gruppen.size(); ++g) {
        for (int n : gruppen[g])
            zeigen(n);
        if (g + 1 < gruppen.size()) {
            if (Programmende())
                return false;
            pause(200);
            if (unterbrochen())
                return false;
        }
    }
    return true;
}

void Uebungsseite::summieren(std::span<QLineEdit* const> erste, std::span<QLineEdit* const> zweite,
                             std::span<QLabel* const> summe)
{
    for (std::size_t n = 1; n < summe.size(); ++n) {
        erste[n]->hide();
        zweite[n]->hide();
        summe[n]->setText(QString::number(erste[n]->text().toInt() + zweite[n]->text().toInt()));
        summe[n]->adjustSize();
        summe[n]->show();
    }
}

void Uebungsseite::graustufen(std::span<QLabel* const> summe, std::initializer_list<int> grau,
                              std::initializer_list<int> schwarz)
{
    Zeichenflaeche& f = Bild2->flaeche();
    const auto fuellen = [&](QRgb farbe, std::initializer_list<int> zellen) {
        f.setzePinsel(farbe);
        for (int n : zellen)
            f.floodFill(spalte(n) * Zelle + 10, zeile(n) * Zelle + 10, Kurs::Weiss, Zeichenflaeche::Fuellart::Flaeche);
    };
    fuellen(Kurs::Grau, grau);
    fuellen(Kurs::Schwarz, schwarz);
    f.setzePinsel(Kurs::Weiss);
    Bild2->aktualisieren();
    for (int n : schwarz) {
        Kurs::setzeHintergrund(summe[n], Qt::black);
        Kurs::setzeSchriftfarbe(summe[n], Qt::white);
    }
    for (int n : grau)
        Kurs::setzeHintergrund(summe[n], QColor(Farben::Grau));
}

void Uebungsseite::schrittSetzen(int nummer, QPushButton* knopf)
{
    knopf->setEnabled(true);
    knopf->setFocus();
    Schritt = nummer;
}

void Uebungsseite::schrittWeiter(QPushButton* fertig, int nummer, QPushButton* knopf)
{
    fertig->setEnabled(false);
    schrittSetzen(nummer, knopf);
}

void Uebungsseite::knoepfeZuruecksetzen(QPushButton* erster, std::initializer_list<QPushButton*> markierte,
                                        std::initializer_list<QPushButton*> weitere)
{
    markieren(erster, false);
    schrittSetzen(1, erster);
    for (QPushButton* k : markierte) {
        k->setEnabled(false);
        markieren(k, false);
    }
    for (QPushButton* k : weitere)
        k->setEnabled(false);
}

QWidget* Uebungsseite::schrittziel() const
{
    QWidget* ziel = Schritt >= 0 && Schritt < int(Schrittziele.size()) ? Schrittziele[std::size_t(Schritt)] : nullptr;
    return ziel ? ziel : WeiterButton;
}

void Uebungsseite::Memo1MouseDown()
{
    Kurs::fokus(schrittziel(), WeiterButton);
}
