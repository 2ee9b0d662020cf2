#include "course/Blatt11.h"

#include "app/Fenster.h"
#include "course/Korrektur.h"
#include "course/Kurshilfen.h"
#include "platform/Bildanzeige.h"
#include "platform/Farbtabelle.h"
#include "platform/Steuerelemente.h"
#include "platform/Zellcursor.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
QPushButton* bildknopf(QWidget* eltern, const QString& name, int x, int y, const QString& bild = {})
{
    QPushButton* k = knopf(eltern, name, {}, x, y, 20, 20);
    k->setIconSize(QSize(16, 16));
    if (!bild.isEmpty())
        k->setIcon(QIcon(bild));
    return k;
}

QIcon farbfeld(QColor farbe)
{
    QPixmap p(16, 16);
    p.fill(farbe);
    QPainter maler(&p);
    maler.setPen(Qt::black);
    maler.drawRect(0, 0, 15, 15);
    return QIcon(p);
}

int wert(const QLineEdit* feld)
{
    int w = 0;
    return Kurs::ganzzahl(feld, w) ? w : -1;
}
}  // namespace

TForm11::TForm11()
    : Uebungsseite(QStringLiteral("Form11"))
{
    Memo1 = textfeld(this, QStringLiteral("Memo1"), 14, 14, 459, 83,
                     Kurs::text(QStringLiteral(":/course/texte/blatt11_memo1.txt")));
    StartHoriButton = bildknopf(this, QStringLiteral("StartHoriButton"), 22, 96);
    HorizontalButton = bildknopf(this, QStringLiteral("HorizontalButton"), 22, 132);
    StartVertiButton = bildknopf(this, QStringLiteral("StartVertiButton"), 22, 168);
    VertikalButton = bildknopf(this, QStringLiteral("VertikalButton"), 22, 204);
    SummenButton = bildknopf(this, QStringLiteral("SummenButton"), 22, 240);
    Label2 = bezeichnung(this, QStringLiteral("Label2"),
                         tr("Attenuation factors after the horizontal x-ray pass."), 48, 100);
    Label3 = bezeichnung(this, QStringLiteral("Label3"), tr("Distribution of the horizontal attenuation factors."),
                         48, 136);
    Label4 = bezeichnung(this, QStringLiteral("Label4"), tr("Attenuation factors after the vertical pass."), 48,
                         172);
    Label5 = bezeichnung(this, QStringLiteral("Label5"), tr("Distribution of the vertical attenuation factors."),
                         48, 208);
    Label6 = bezeichnung(this, QStringLiteral("Label6"), tr("Add"), 48, 244);
    FertigButton = knopf(this, QStringLiteral("FertigButton"), tr("Korrektur"), 56, 352, 75, 25);
    FertigButton->setEnabled(false);
    Panel3 = new Panel(this, QStringLiteral("Panel3"), 352, 284, 105, 41);
    const QColor farben[3] = {QColor(Farben::Grau), QColor(Farben::Silber), Qt::white};
    auto* gruppe = new QButtonGroup(this);
    gruppe->setExclusive(true);
    std::array<QToolButton*, 3> farbknoepfe{};
    for (int i = 0; i < 3; ++i) {
        auto* k = new QToolButton(Panel3);
        k->setObjectName(QStringLiteral("Farbe%1").arg(i + 1));
        k->setGeometry(8 + 32 * i, 8, 25, 25);
        k->setCheckable(true);
        k->setIcon(farbfeld(farben[i]));
        k->setToolTip(i == 0 ? tr("Dark gray") : i == 1 ? tr("Light gray") : tr("White"));
        k->setAccessibleName(tr("Colour: %1").arg(k->toolTip()));
        gruppe->addButton(k);
        farbknoepfe[std::size_t(i)] = k;
    }
    Farbe1 = farbknoepfe[0];
    Farbe2 = farbknoepfe[1];
    Farbe3 = farbknoepfe[2];
    Farbe1->setChecked(true);
    Panel3->hide();
    CheckButton = bildknopf(this, QStringLiteral("CheckButton"), 136, 552, Kurs::Haken);
    LeerButton = bildknopf(this, QStringLiteral("LeerButton"), 168, 552, Kurs::Leer);
    PfeilButton = bildknopf(this, QStringLiteral("PfeilButton"), 200, 552, Kurs::Pfeil);
    // Never shown: they only hold the step buttons' three pictures (named by
    // what the picture says, like the step buttons' descriptions).
    CheckButton->setAccessibleName(tr("Done"));
    LeerButton->setAccessibleName(tr("Not done yet"));
    PfeilButton->setAccessibleName(tr("Current step"));
    for (QPushButton* k : {CheckButton, LeerButton, PfeilButton}) {
        k->setFocusPolicy(Qt::NoFocus);
        k->hide();
    }
    Memo3 = textfeld(this, QStringLiteral("Memo3"), 14, 272, 323, 65,
                     Kurs::text(QStringLiteral(":/course/texte/blatt11_memo3.txt")));
    Memo3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo3->hide();
    Memo2 = textfeld(this, QStringLiteral("Memo2"), 14, 392, 459, 113,
                     Kurs::text(QStringLiteral(":/course/texte/blatt11_memo2.txt")));
    Memo2->hide();

    bilderAnlegen({472, -24, 328, 505}, {5, 0, 270, 270}, {5, 253, 270, 270}, false);
    const auto feld = [this](const QString& name, QPoint ort, QColor farbe) {
        QLineEdit* f = eingabefeld(Panel2, name, ort.x(), ort.y(), 33, 24);
        f->setMaxLength(3);
        Kurs::ziffernfilter(f);
        Kurs::setzeSchriftfarbe(f, farbe);
        Kurs::schliessen(f);
        return f;
    };
    for (int k = 1; k <= 3; ++k) {
        Int[k] = feld(QStringLiteral("Int%1").arg(k), {260, 72 + 54 * (k - 1)}, Qt::red);
        Int[3 + k] = feld(QStringLiteral("Int%1").arg(3 + k), {80 + 52 * (k - 1) + (k == 3 ? 2 : 0), 260}, Qt::blue);
    }
    // The shares stand in the cells of the 3 x 3 grid, 54 apart.
    const auto ort = [](int n, QPoint ursprung) { return ursprung + 54 * QPoint(spalte(n, 3) - 1, zeile(n, 3) - 1); };
    for (int n = 1; n <= 9; ++n)
        Hor[n] = feld(QStringLiteral("Hor%1").arg(n), ort(n, {79, 312}), Qt::red);
    for (int n = 1; n <= 9; ++n)
        Ver[n] = feld(QStringLiteral("Ver%1").arg(n), ort(n, {62, 336}), Qt::blue);
    summenfelder(Summe, 3, {81, 327}, 54, true);
    for (int k = 1; k <= 3; ++k) {
        Int[k]->setAccessibleName(tr("Attenuation factor of row %1").arg(k));
        Int[3 + k]->setAccessibleName(tr("Attenuation factor of column %1").arg(k));
    }
    zellennamen(Hor, 3, tr("share of the horizontal beam"));
    zellennamen(Ver, 3, tr("share of the vertical beam"));
    StartHoriButton->setAccessibleName(tr("Step 1: horizontal pass"));
    HorizontalButton->setAccessibleName(tr("Step 2: horizontal shares"));
    StartVertiButton->setAccessibleName(tr("Step 3: vertical pass"));
    VertikalButton->setAccessibleName(tr("Step 4: vertical shares"));
    SummenButton->setAccessibleName(tr("Step 5: add"));
    for (int n = 1; n <= 9; ++n)
        Summe[n]->setCursor(Qt::PointingHandCursor);

    seiteEinrichten();

    hoehenBei1024({{Memo2, 518}});
    strahlengitter(54, {25, 81}, {80, 25});
    Schritt = 2;
    Malfarbe = Qt::white;
    Eingetragen.fill(false);
    Kurs::gitterbild(Bild1, Zelle, 3, 3, 0);
    summengitter();
    Bild2->flaeche().setzePinsel(Kurs::Grau);
    Richtungen = {Richtung{.start = StartHoriButton, .knopf = HorizontalButton, .faktoren = HorFaktoren,
                           .anteile = HorAnteile, .andere = &Ver, .startschritt = 2, .faktorschritt = 10,
                           .anteilschritt = 12, .name = tr("horizontalen"),
                           .strahlen = &TForm11::StrahlenHorizontal},
                  Richtung{.start = StartVertiButton, .knopf = VertikalButton, .faktoren = VerFaktoren,
                           .anteile = VerAnteile, .andere = &Hor, .startschritt = 3, .faktorschritt = 11,
                           .anteilschritt = 13, .name = tr("vertikalen"),
                           .strahlen = &TForm11::StrahlenVertikal}};
    Schrittziele = {nullptr,         nullptr, StartHoriButton, StartVertiButton, HorizontalButton, VertikalButton,
                    SummenButton,    nullptr, FertigButton,    nullptr,          Int[1],           Int[4],
                    Hor[1],          Ver[1]};
    for (QPushButton* k : {StartHoriButton, HorizontalButton, StartVertiButton, VertikalButton, SummenButton})
        bild(k, LeerButton);
    tabfolgeNach(StartHoriButton);

    for (QPlainTextEdit* m : {Memo1, Memo2, Memo3})
        Kurs::beiMausdruck(m, [this] { Memo1MouseDown(); });
    for (Gruppe g : {HorFaktoren, HorAnteile, VerFaktoren, VerAnteile})
        for (QLineEdit* f : felder(g))
            Kurs::beiFokus(f, [this, f] { FeldEnter(f); });
    for (int n = 1; n <= 9; ++n)
        Kurs::beiMausdruck(Summe[n], [this, n] { SummeClick(n); });
    connect(StartHoriButton, &QPushButton::clicked, this, &TForm11::StartHoriButtonClick);
    connect(HorizontalButton, &QPushButton::clicked, this, &TForm11::HorizontalButtonClick);
    connect(StartVertiButton, &QPushButton::clicked, this, &TForm11::StartVertiButtonClick);
    connect(VertikalButton, &QPushButton::clicked, this, &TForm11::VertikalButtonClick);
    connect(SummenButton, &QPushButton::clicked, this, &TForm11::SummenButtonClick);
    connect(FertigButton, &QPushButton::clicked, this, &TForm11::FertigButtonClick);
    connect(Farbe1, &QToolButton::clicked, this, &TForm11::Farbe1Click);
    connect(Farbe2, &QToolButton::clicked, this, &TForm11::Farbe2Click);
    connect(Farbe3, &QToolButton::clicked, this, &TForm11::Farbe3Click);
    connect(Bild2, &Bildanzeige::mausGedrueckt, this,
            [this](Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, QPoint p) { Bild2MouseDown(p); });
    // By keyboard: arrows and Space colour a cell as a click does (there is no white).
    auto* cursor = new Zellcursor(Bild2);
    cursor->setzeRaster(3, Zelle, QPoint(Zelle, Zelle));
    connect(cursor, &Zellcursor::gedrueckt, this, [this](Qt::MouseButton knopf, QPoint p) {
        if (knopf == Qt::LeftButton)
            Bild2MouseDown(p);
    });
}

void TForm11::summengitter()
{
    const QRgb pinsel = Bild2->flaeche().pinsel();
    Kurs::gitterbild(Bild2, Zelle, 3, 0, 0);
    Bild2->flaeche().setzePinsel(pinsel);
}

void TForm11::bild(QPushButton* knopf, QPushButton* vorlage)
{
    knopf->setIcon(vorlage->icon());
    knopf->setProperty("Bild", vorlage->objectName());
    // What the picture shows, for a screen reader.
    knopf->setAccessibleDescription(vorlage == CheckButton ? tr("Done")
                                    : vorlage == PfeilButton ? tr("Current step")
                                                             : tr("Not done yet"));
}

std::vector<QLineEdit*> TForm11::felder(Gruppe g) const
{
    switch (g) {
    case HorFaktoren: return {Int[1], Int[2], Int[3]};
    case VerFaktoren: return {Int[4], Int[5], Int[6]};
    case HorAnteile: return {Hor.begin() + 1, Hor.end()};
    case VerAnteile: return {Ver.begin() + 1, Ver.end()};
    }
    return {};
}

void TForm11::gruppeOeffnen(Gruppe g)
{
    for (QLineEdit* f : felder(g)) {
        f->show();
        Kurs::oeffnen(f);
    }
}

void TForm11::gruppeSchliessen(Gruppe g)
{
    for (QLineEdit* f : felder(g))
        Kurs::schliessen(f);
}

void TForm11::alleSchliessen()
{
    for (Gruppe g : {HorFaktoren, HorAnteile, VerFaktoren, VerAnteile})
        gruppeSchliessen(g);
}

void TForm11::tabfolgeNach(QWidget* knopf)
{
    // The step buttons keep their order; the fields follow the given step's
    // button; the colour choice and "Korrektur" come last.
    std::vector<QWidget*> folge{WeiterButton};
    for (QWidget* k : std::initializer_list<QWidget*>{StartHoriButton, HorizontalButton, StartVertiButton,
                                                      VertikalButton, SummenButton}) {
        folge.push_back(k);
        if (k == knopf) {
            // Each group row by row (only the open one takes the focus).
            for (Gruppe g : {HorFaktoren, VerFaktoren, HorAnteile, VerAnteile})
                for (QLineEdit* f : felder(g))
                    folge.push_back(f);
        }
    }
    folge.insert(folge.end(), {Farbe1, Farbe2, Farbe3, FertigButton});
    Kurs::tabfolge(folge);
}

bool TForm11::StrahlenHorizontal()
{
    return strahlen(Waagrecht, {zeilenanfang(1), zeilenanfang(2), zeilenanfang(3)}, Strichzahl);
}

bool TForm11::StrahlenVertikal()
{
    return strahlen(Senkrecht, {spaltenanfang(1), spaltenanfang(2), spaltenanfang(3)}, Strichzahl);
}

void TForm11::Bearbeitet()
{
    const std::pair<Gruppe, QPushButton*> gruppen[] = {{HorFaktoren, StartHoriButton},
                                                       {HorAnteile, HorizontalButton},
                                                       {VerFaktoren, StartVertiButton},
                                                       {VerAnteile, VertikalButton}};
    for (auto [g, knopf] : gruppen) {
        bool voll = true;
        for (QLineEdit* f : felder(g))
            voll = voll && !f->text().isEmpty();
        if (voll)
            Eingetragen[g] = true;
        else
            bild(knopf, LeerButton);
    }
}

bool TForm11::eingetragen(Gruppe g) const
{
    // A field emptied after its group was marked counts as not entered: no
    // check ever reads an empty field.
    if (!Eingetragen[g])
        return false;
    for (QLineEdit* f : felder(g))
        if (f->text().isEmpty())
            return false;
    return true;
}

bool TForm11::Korrektur(int nummer) const
{
    const auto w = [](const QLineEdit* f) { return wert(f); };
    switch (nummer) {
    case 1:
        return w(Int[2]) == 0 && w(Int[3]) == 0 && w(Int[1]) > 0;
    case 2:
        for (int n = 4; n <= 9; ++n)
            if (w(Hor[n]) != 0)
                return false;
        return w(Hor[1]) == w(Int[1]) && w(Hor[2]) == w(Hor[1]) && w(Hor[3]) == w(Hor[1]);
    case 3:
        return w(Int[5]) == 0 && w(Int[6]) == 0 && w(Int[4]) == w(Int[1]);
    case 4:
        for (int n : {2, 3, 5, 6, 8, 9})
            if (w(Ver[n]) != 0)
                return false;
        return w(Ver[1]) == w(Int[4]) && w(Ver[4]) == w(Ver[1]) && w(Ver[7]) == w(Ver[1]);
    case 5: {
        const QColor dunkel(0x80, 0x80, 0x80), hell(0xC0, 0xC0, 0xC0), weiss(Qt::white);
        if (Kurs::hintergrund(Summe[1]) != dunkel)
            return false;
        for (int n : {2, 3, 4, 7})
            if (Kurs::hintergrund(Summe[n]) != hell)
                return false;
        for (int n : {5, 6, 8, 9})
            if (Kurs::hintergrund(Summe[n]) != weiss)
                return false;
        return true;
    }
    default:
        return false;
    }
}

void TForm11::Korrekturmeldung(const QString& z1, const QString& z2, const QString& z3)
{
    FormKorrektur->Meldung(z1, z2, z3);
}

bool TForm11::Korrekturkette(int stufen)
{
    // Four stages a direction, the horizontal one first: its factors entered,
    // its factors right, its shares entered, its shares right.
    for (int stufe = 1; stufe <= stufen; ++stufe) {
        const bool horizontal = stufe <= 4;
        const Richtung& r = Richtungen[horizontal ? 0 : 1];
        switch ((stufe - 1) % 4) {
        case 0:
            if (eingetragen(r.faktoren))
                continue;
            Korrekturmeldung(tr("Tragen Sie bitte zuerst die Schwächungs-"),
                             tr("faktoren nach der %1 Durch-").arg(r.name),
                             tr("leuchtung ein !"));
            Kurs::fokus(r.start);
            return false;
        case 1:
            if (Korrektur(stufe / 2))
                continue;
            Korrekturmeldung(tr("Schauen Sie sich bitte die Schwächungs-"),
                             tr("faktoren nach der %1 Durch-").arg(r.name),
                             tr("leuchtung noch einmal an !"));
            if (horizontal) {
                // Wrong horizontal factors count as not entered; they take the focus.
                Eingetragen[HorFaktoren] = false;
                StartHoriButtonClick();
                Kurs::fokus(Int[1]);
            } else
                StartVertiButtonClick();
            return false;
        case 2:
            if (eingetragen(r.anteile))
                continue;
            Korrekturmeldung(tr("Tragen Sie bitte zuerst die Verteilung der"),
                             tr("%1 Schwächungsfaktoren ein !").arg(r.name), {});
            Kurs::fokus(r.knopf);
            return false;
        default:
            if (Korrektur(stufe / 2))
                continue;
            Korrekturmeldung(tr("Schauen Sie sich bitte die Verteilung"),
                             tr("der %1 Schwächungsfaktoren").arg(r.name),
                             tr("noch einmal an !"));
            if (horizontal)
                HorizontalButtonClick();
            else
                VertikalButtonClick();
            return false;
        }
    }
    return true;
}

void TForm11::durchleuchten(const Richtung& r)
{
    bild(r.start, PfeilButton);
    Schritt = r.startschritt;
    alleSchliessen();
    tabfolgeNach(r.start);
    // Stopped by the exit, or by a restart that has already reset the page.
    if (!erledigt(r.start) && !strahlenlauf(r.start, [this, &r] { return (this->*r.strahlen)(); }))
        return;
    gruppeOeffnen(r.faktoren);
    felder(r.faktoren).front()->setFocus();
    Schritt = r.faktorschritt;
}

void TForm11::verteilen(const Richtung& r)
{
    bild(r.knopf, PfeilButton);
    for (Gruppe g : {HorFaktoren, HorAnteile, VerFaktoren, VerAnteile})
        if (g != r.anteile)
            gruppeSchliessen(g);
    summengitter();
    Bild2->flaeche().setzePinsel(Kurs::Weiss);
    for (int n = 1; n <= 9; ++n) {
        Summe[n]->hide();
        (*r.andere)[n]->show();
    }
    gruppeOeffnen(r.anteile);
    tabfolgeNach(r.knopf);
    felder(r.anteile).front()->setFocus();
    Schritt = r.anteilschritt;
}

bool TForm11::bisherRichtig(int stufen, QPushButton* vorige)
{
    Bearbeitet();
    if (!Korrekturkette(stufen))
        return false;
    bild(vorige, CheckButton);
    vorige->setEnabled(false);
    return true;
}

void TForm11::StartHoriButtonClick()
{
    durchleuchten(Richtungen[0]);
}

void TForm11::HorizontalButtonClick()
{
    if (bisherRichtig(2, StartHoriButton))
        verteilen(Richtungen[0]);
}

void TForm11::StartVertiButtonClick()
{
    if (bisherRichtig(4, HorizontalButton))
        durchleuchten(Richtungen[1]);
}

void TForm11::VertikalButtonClick()
{
    if (bisherRichtig(6, StartVertiButton))
        verteilen(Richtungen[1]);
}

void TForm11::SummenButtonClick()
{
    if (!bisherRichtig(8, VertikalButton))
        return;
    for (int n = 1; n <= 9; ++n) {
        Hor[n]->hide();
        Ver[n]->hide();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Summe[n]->setText(QString::number(wert(Hor[n]) + wert(Ver[n])));
        Summe[n]->setAccessibleName(
            tr("Row %1, column %2, sum %3").arg(zeile(n, 3)).arg(spalte(n, 3)).arg(Summe[n]->text()));
        Summe[n]->adjustSize();
        Summe[n]->show();
    }
    alleSchliessen();
    bild(SummenButton, CheckButton);
    Panel3->show();
    FertigButton->setEnabled(true);
    Memo3->show();
    Farbe1->setChecked(true);
    Farbe1Click();
    SummenButton->setEnabled(false);
    tabfolgeNach(SummenButton);
    FertigButton->setFocus();
    Schritt = 8;
}

void TForm11::Farbe1Click()
{
    Malfarbe = QColor(Farben::Grau);
    Bild2->flaeche().setzePinsel(Malfarbe.rgb());
}

void TForm11::Farbe2Click()
{
    Malfarbe = QColor(Farben::Silber);
    Bild2->flaeche().setzePinsel(Malfarbe.rgb());
}

void TForm11::Farbe3Click()
{
    Malfarbe = Qt::white;
    Bild2->flaeche().setzePinsel(Malfarbe.rgb());
}

void TForm11::malen(int spalte, int zeile, QPoint punkt)
{
    Bild2->flaeche().floodFill(punkt.x(), punkt.y(), Kurs::Schwarz, Zeichenflaeche::Fuellart::Rand);
    Bild2->aktualisieren();
    if (spalte >= 1 && spalte <= 3 && zeile >= 1 && zeile <= 3)
        Kurs::setzeHintergrund(Summe[3 * (zeile - 1) + spalte], Malfarbe);
}

void TForm11::Bild2MouseDown(QPoint p)
{
    if (p.x() > Zelle && p.x() < 4 * Zelle && p.y() > Zelle && p.y() < 4 * Zelle)
        malen(p.x() / Zelle, p.y() / Zelle, p);
}

void TForm11::SummeClick(int n)
{
    const int r = (n - 1) / 3 + 1, j = (n - 1) % 3 + 1;
    malen(j, r, QPoint(j * Zelle + Zelle / 2, r * Zelle + Zelle / 2));
}

void TForm11::FertigButtonClick()
{
    if (Korrektur(5)) {
        FormKorrektur->Meldung(tr("Alles richtig !"), tr("Sehr gut !"), {}, true);
        Memo2->show();
    } else
        Korrekturmeldung(tr("Schauen Sie sich bitte die Graukodie-"),
                         tr("rung noch einmal an !"), {});
}

void TForm11::FeldEnter(QLineEdit* feld)
{
    if (feld->isReadOnly() && schrittziel() != feld)
        Kurs::fokus(schrittziel(), WeiterButton);
}

void TForm11::NeuStart()
{
    neustartMelden();
    markieren(StartHoriButton, false);
    markieren(StartVertiButton, false);
    Kurs::gitterbild(Bild1, Zelle, 3, 3, 0);
    summengitter();
    for (Gruppe g : {HorFaktoren, HorAnteile, VerFaktoren, VerAnteile})
        for (QLineEdit* f : felder(g)) {
            Kurs::schliessen(f);
            f->clear();
        }
    for (int n = 1; n <= 9; ++n) {
        Summe[n]->hide();
        Summe[n]->clear();
        Kurs::setzeHintergrund(Summe[n], Qt::white);
        Hor[n]->show();
        Ver[n]->show();
    }
    for (QPushButton* k : {StartHoriButton, HorizontalButton, StartVertiButton, VertikalButton, SummenButton}) {
        k->setEnabled(true);
        bild(k, LeerButton);
    }
    tabfolgeNach(StartHoriButton);
    StartHoriButton->setFocus();
    Schritt = 2;
    Panel3->hide();
    Memo2->hide();
    Memo3->hide();
    FertigButton->setEnabled(false);
    Eingetragen.fill(false);
    Bild2->flaeche().setzePinsel(Kurs::Grau);
}
