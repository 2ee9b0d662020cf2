#include "course/Modusseite.h"

#include "app/Ausstieg.h"
#include "app/Fenster.h"
#include "course/Falsch.h"
#include "course/Kurshilfen.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

void Modusseite::anteilfelderEinrichten(const QString& zusaetzlich)
{
    for (const Durchgang& d : Durchgaenge)
        for (int n = 1; n <= 16; ++n) {
            QLineEdit* f = (*d.felder)[n];
            Kurs::ziffernfilter(f, zusaetzlich);
            f->setReadOnly(true);
            setzeTabstop(f, false);
        }
}

void Modusseite::loeschknoepfe()
{
    Loeschen1Button = knopf(this, QStringLiteral("Loeschen1Button"), tr("Delete"), 528, 492, 75, 25);
    Loeschen2Button = knopf(this, QStringLiteral("Loeschen2Button"), tr("Delete"), 648, 492, 75, 25);
    Loeschen1Button->hide();
    Loeschen2Button->hide();
}

void Modusseite::beschriften()
{
    const QString beschriftung = kurs().lernmodus() ? tr("Korrektur") : tr("Verteilung");
    for (const Durchgang& d : Durchgaenge) {
        d.knopf->setText(beschriftung);
        for (QPushButton* k : {d.start, d.knopf, d.loeschen})
            benennen(k, d.name);
    }
}

void Modusseite::tabfolge(std::initializer_list<QWidget*> danach)
{
    std::vector<QWidget*> folge{WeiterButton};
    for (const Durchgang& d : Durchgaenge) {
        folge.push_back(d.start);
        // Reading order, row by row, whatever order the beams fill them in.
        for (int n = 1; n <= 16; ++n)
            folge.push_back((*d.felder)[n]);
        folge.insert(folge.end(), {d.knopf, d.loeschen});
    }
    folge.insert(folge.end(), danach);
    Kurs::tabfolge(folge);
}

void Modusseite::anteileOeffnen(const Durchgang& d)
{
    d.loeschen->show();
    for (int n = 1; n <= 16; ++n) {
        (*d.felder)[n]->show();
        Kurs::oeffnen((*d.felder)[n]);
    }
    d.erstesFeld->setFocus();
    Schritt = d.feldschritt;
}

void Modusseite::anteileSchliessen(int g)
{
    for (int n = 1; n <= 16; ++n) {
        QLineEdit* f = (*Durchgaenge[g].felder)[n];
        Kurs::schliessen(f);
        if (BreiteGeschlossen > 0)
            f->resize(skaliert(BreiteGeschlossen), f->height());
    }
}

void Modusseite::anteileLoeschen(const Durchgang& d)
{
    for (int n = 1; n <= 16; ++n)
        (*d.felder)[n]->clear();
    d.erstesFeld->setFocus();
    Schritt = d.feldschritt;
}

void Modusseite::Loeschen1ButtonClick()
{
    anteileLoeschen(Durchgaenge[0]);
}

void Modusseite::Loeschen2ButtonClick()
{
    anteileLoeschen(Durchgaenge[1]);
}

void Modusseite::strahlenStarten(int g)
{
    const Durchgang& d = Durchgaenge[g];
    if (erledigt(d.start))
        return;
    Phase = 2 * g + 1;
    // The mode items stay disabled until a beam run completes.
    kurs().modiAnbieten(false);
    if (!strahlenlauf(d.start, d.strahlen))
        return;
    if (kurs().lernmodus()) {
        d.start->setEnabled(false);
        d.knopf->setEnabled(true);
        anteileOeffnen(d);
    } else
        schrittWeiter(d.start, 2 * g + 2, d.knopf);
    kurs().modiAnbieten(true);
}

void Modusseite::Start1ButtonClick()
{
    strahlenStarten(0);
}

void Modusseite::Start2ButtonClick()
{
    strahlenStarten(1);
}

bool Modusseite::anteileRichtig(int g)
{
    const Durchgang& d = Durchgaenge[g];
    QLineEdit* leer = nullptr;
    QLineEdit* falsch = nullptr;
    for (int n = 1; n <= 16; ++n) {
        QLineEdit* f = (*d.felder)[n];
        // A comma or a point is no share: the field counts as wrong.
        int wert = 0;
        if (f->text().isEmpty())
            leer = leer ? leer : f;
        else if (!Kurs::ganzzahl(f, wert) || wert != d.soll(zeile(n), spalte(n)))
            falsch = falsch ? falsch : f;
    }
    if (!leer && !falsch)
        return true;
    Phase = 2 * g + 1;
    FormFalsch->Urteil(leer ? FormFalsch->Falsch1 : FormFalsch->Falsch2);
    // The learner goes on at the first field still empty, else the first wrong one.
    Kurs::fokus(leer ? leer : falsch);
    return false;
}

void Modusseite::bestaetigen(int g)
{
    Phase = 2 * g + 2;
    FormFalsch->Urteil(FormFalsch->Richtig);
}

bool Modusseite::vorfuehren(int g)
{
    const Durchgang& d = Durchgaenge[g];
    if (erledigt(d.knopf))
        return false;
    Phase = 2 * g + 2;
    kurs().neuAnbieten(false);
    kurs().modiAnbieten(false);
    markieren(d.knopf, true);
    if (g == 0)
        d.knopf->setFocus();
    Schritt = 2 * g + 2;
    auto& felder = *d.felder;
    for (int n = 1; n <= 16; ++n) {
        Kurs::rahmen(felder[n], false);
        felder[n]->show();
        if (BreiteVorfuehrung > 0)
            felder[n]->resize(skaliert(BreiteVorfuehrung), felder[n]->height());
    }
    const bool fertig =
        gruppenweise(d.gruppen, [&](int n) {
            felder[n]->setText(QString::number(d.soll(zeile(n), spalte(n))));
            felder[n]->setCursorPosition(0);
        });
    if (Programmende())
        return false;
    kurs().neuAnbieten(true);
    // Stopped by a restart, the distribution leaves the page as the restart
    // set it up; only the menu items it took away come back.
    if (!fertig)
        kurs().modiAnbieten(true);
    return fertig;
}

void Modusseite::Modus(bool lernen, bool aktivierung)
{
    kurs().setzeLernmodus(lernen);
    beschriften();
    if (lernen) {
        if (Phase == 1 || Phase == 3)
            anteileOeffnen(Durchgaenge[Phase / 2]);
        else if (Phase == 2) {
            Start2Button->setFocus();
            Schritt = 3;
        }
        return;
    }
    Loeschen1Button->hide();
    Loeschen2Button->hide();
    if (Phase == 1 || Phase == 3) {
        // The typed shares are dropped: the page distributes them itself.
        const Durchgang& d = Durchgaenge[Phase / 2];
        d.knopf->setFocus();
        Schritt = Phase + 1;
        for (int n = 1; n <= 16; ++n) {
            Kurs::schliessen((*d.felder)[n]);
            (*d.felder)[n]->clear();
        }
    } else if (Phase == 2) {
        Start2Button->setFocus();
        Schritt = 3;
        if (aktivierung)
            for (int n = 1; n <= 16; ++n)
                Kurs::schliessen((*Durchgaenge[0].felder)[n]);
    }
}

void Modusseite::FormActivate()
{
    Modus(kurs().lernmodus(), true);
}

void Modusseite::NeuStart()
{
    if (!erledigt(Start1Button))
        return;
    neustartMelden();
    Phase = 0;
    for (const Durchgang& d : Durchgaenge)
        for (int n = 1; n <= 16; ++n) {
            QLineEdit* f = (*d.felder)[n];
            f->hide();
            f->clear();
            Kurs::rahmen(f, true);
            setzeTabstop(f, false);
            f->resize(skaliert(15), f->height());
            f->setReadOnly(true);
        }
    knoepfeZuruecksetzen(Start1Button, {Durchgaenge[0].knopf, Start2Button, Durchgaenge[1].knopf}, {});
    Loeschen1Button->hide();
    Loeschen2Button->hide();
    seiteZuruecksetzen();
}
