#include "sim/Einstellungen.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Hinweis.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QHideEvent>
#include <QShowEvent>

TFormEinstellungen::TFormEinstellungen()
{
    setObjectName(QStringLiteral("FormEinstellungen"));
    setWindowTitle(QStringLiteral("Adjustments to the computer tomography"));
    fensterart(this, Rahmen::OhneSymbole, true);
    setFont(arial(13));
    setContextMenuPolicy(Qt::NoContextMenu);
    setzeClientgroesse(this, 317, 355);

    GroupBox1 = gruppe(this, QStringLiteral("GroupBox1"), QStringLiteral("Raster size"), 8, 8, 145, 129);
    Rastergroesse4 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse4"), QStringLiteral("4 x 4"), 8, 24);
    Rastergroesse20 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse20"), QStringLiteral("20 x 20"), 8, 48);
    Rastergroesse38 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse38"), QStringLiteral("38 x 38"), 8, 72, true);
    Rastergroesse56 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse56"), QStringLiteral("56 x 56"), 8, 96);

    GroupBox2 = gruppe(this, QStringLiteral("GroupBox2"), QStringLiteral("Rotation angle"), 8, 152, 145, 153);
    Winkel1 = optionsfeld(GroupBox2, QStringLiteral("Winkel1"), QStringLiteral("1 degree"), 16, 24);
    Winkel2 = optionsfeld(GroupBox2, QStringLiteral("Winkel2"), QStringLiteral("2 degrees"), 16, 48, true);
    Winkel10 = optionsfeld(GroupBox2, QStringLiteral("Winkel10"), QStringLiteral("10 degrees"), 16, 72);
    Winkel45 = optionsfeld(GroupBox2, QStringLiteral("Winkel45"), QStringLiteral("45 degrees"), 16, 96);
    Winkel90 = optionsfeld(GroupBox2, QStringLiteral("Winkel90"), QStringLiteral("90 degrees"), 16, 120);

    GroupBox3 = gruppe(this, QStringLiteral("GroupBox3"), QStringLiteral("Presentation"), 160, 8, 145, 105);
    Alles = optionsfeld(GroupBox3, QStringLiteral("Alles"), QStringLiteral("Every step"), 16, 24, true);
    Zwischenstufe = optionsfeld(GroupBox3, QStringLiteral("Zwischenstufe"), QStringLiteral("Every 10 steps"), 16, 48);
    Endergebnis = optionsfeld(GroupBox3, QStringLiteral("Endergebnis"), QStringLiteral("At the end"), 16, 72);

    GroupBox5 = gruppe(this, QStringLiteral("GroupBox5"), QStringLiteral("Progression"), 160, 128, 145, 81);
    mitVerlauf = optionsfeld(GroupBox5, QStringLiteral("mitVerlauf"), QStringLiteral("With progression"), 16, 24);
    ohneVerlauf = optionsfeld(GroupBox5, QStringLiteral("ohneVerlauf"), QStringLiteral("No progression"), 16, 48, true);

    GroupBox4 = gruppe(this, QStringLiteral("GroupBox4"), QStringLiteral("Convolution"), 160, 224, 145, 81);
    mitFaltung = optionsfeld(GroupBox4, QStringLiteral("mitFaltung"), QStringLiteral("With Convolution"), 16, 24);
    ohneFaltung = optionsfeld(GroupBox4, QStringLiteral("ohneFaltung"), QStringLiteral("No convolution"), 16, 48, true);

    OKButton = knopf(this, QStringLiteral("OKButton"), QStringLiteral("OK"), 70, 320, 75, 25);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), QStringLiteral("Help"), 172, 320, 75, 25);
    setzeTag(OKButton, 0);

    AktuelleEinstellung = {Rastergroesse38, Alles, Winkel2, ohneFaltung, ohneVerlauf};
    GewaehlteEinstellung = AktuelleEinstellung;

    // A radio button's click runs when it becomes checked, by the learner or
    // from code; clicking the checked one does nothing.
    for (QRadioButton* r : {Rastergroesse4, Rastergroesse20, Rastergroesse38, Rastergroesse56, Winkel1, Winkel2,
                            Winkel10, Winkel45, Winkel90, Alles, Zwischenstufe, Endergebnis, mitVerlauf, ohneVerlauf,
                            mitFaltung, ohneFaltung})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                Klick(r);
        });
    connect(OKButton, &QPushButton::clicked, this, &TFormEinstellungen::OKButtonClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TFormEinstellungen::HilfeButtonClick);
}

bool TFormEinstellungen::anwenden() const
{
    return tag(OKButton) == 1;
}

void TFormEinstellungen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    setzeTag(OKButton, 0);
    const QRect r = layoutteil(Form12);
    move(r.x() + (r.width() - aussenbreite(this)) * 3 / 5, r.y() + (r.height() - aussenhoehe(this)) / 2);
}

void TFormEinstellungen::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    // The keyboard goes back to the simulator, also where no window manager
    // hands it on.
    if (!e->spontaneous() && Form12->isVisible())
        Form12->activateWindow();
}

void TFormEinstellungen::merken(Slot slot, QRadioButton* knopf)
{
    GewaehlteEinstellung[slot] = knopf;
}

void TFormEinstellungen::Klick(QRadioButton* knopf)
{
    if (knopf->parent() == GroupBox1)
        RastergroesseClick(knopf);
    else if (knopf->parent() == GroupBox2)
        WinkelClick(knopf);
    else if (knopf->parent() == GroupBox3)
        DarstellungClick(knopf);
    else if (knopf->parent() == GroupBox4)
        FaltungClick(knopf);
    else if (knopf->parent() == GroupBox5)
        VerlaufClick(knopf);
}

void TFormEinstellungen::RastergroesseClick(QRadioButton* knopf)
{
    if (!anwenden()) {
        merken(Raster, knopf);
        return;
    }
    const int n = knopf == Rastergroesse4 ? 4 : knopf == Rastergroesse20 ? 20 : knopf == Rastergroesse38 ? 38 : 56;
    Form12->RasterAendern(n);
}

void TFormEinstellungen::WinkelClick(QRadioButton* knopf)
{
    const bool gross = knopf == Winkel45 || knopf == Winkel90;
    Zwischenstufe->setEnabled(!gross);
    if (!anwenden()) {
        merken(Winkel, knopf);
        return;
    }
    const int schritt = knopf == Winkel1    ? 1
                        : knopf == Winkel2  ? 2
                        : knopf == Winkel10 ? 10
                        : knopf == Winkel45 ? 45
                                            : 90;
    if (gross && Zwischenstufe->isChecked()) {
        Alles->setChecked(true);
        Form12->setzeStatustext(1, QStringLiteral("Darstellung: jeder Schritt"));
        // "Every step" is now the display in effect, and so the one a running
        // scan returns to after "Speed".
        AktuelleEinstellung[Darstellung] = Alles;
        GewaehlteEinstellung[Darstellung] = Alles;
    }
    Form12->Modell.Winkelschritt = schritt;
    Form12->setzeStatustext(3, QStringLiteral("Drehwinkel: %1 Grad").arg(schritt));
}

void TFormEinstellungen::DarstellungClick(QRadioButton* knopf)
{
    // During a scan "Speed" checks "At the end" and nothing else may follow.
    if (knopf == Endergebnis && Form12->Modell.Laeuft)
        return;
    if (!anwenden()) {
        merken(Darstellung, knopf);
        return;
    }
    if (knopf == Alles)
        Form12->setzeStatustext(1, QStringLiteral("Darstellung: jeder Schritt"));
    else if (knopf == Zwischenstufe)
        Form12->setzeStatustext(1, QStringLiteral("Darstellung: jeder 10. Schritt"));
    else
        Form12->setzeStatustext(1, QStringLiteral("Darstellung: Endergebnis"));
}

void TFormEinstellungen::FaltungClick(QRadioButton* knopf)
{
    if (!anwenden()) {
        merken(Faltung, knopf);
        return;
    }
    Form12->Modell.Faltung = knopf == mitFaltung;
    Form12->setzeStatustext(5, knopf == mitFaltung ? QStringLiteral("mit Faltung") : QStringLiteral("ohne Faltung"));
}

void TFormEinstellungen::VerlaufClick(QRadioButton* knopf)
{
    if (!anwenden()) {
        merken(Verlauf, knopf);
        return;
    }
    Form12->setzeStatustext(2, knopf == mitVerlauf ? QStringLiteral("mit Verlauf") : QStringLiteral("ohne Verlauf"));
}

void TFormEinstellungen::OKButtonClick()
{
    setzeTag(OKButton, 1);
    if (GewaehlteEinstellung == AktuelleEinstellung) {
        close();
        return;
    }
    if (tag(Form12->StartButton) != 0)
        modalZeigen(FormHinweis);
    else
        Bestaetigen();
}

void TFormEinstellungen::Bestaetigen()
{
    close();
    Form12->CTLoeschenClick();
    for (Slot s : {Darstellung, Winkel, Faltung, Raster, Verlauf})
        if (GewaehlteEinstellung[s] != AktuelleEinstellung[s])
            Klick(GewaehlteEinstellung[s]);
    AktuelleEinstellung = GewaehlteEinstellung;
}

void TFormEinstellungen::Verwerfen()
{
    setzeTag(OKButton, 0);
    for (Slot s : {Darstellung, Winkel, Raster, Faltung, Verlauf})
        AktuelleEinstellung[s]->setChecked(true);
    FormHinweis->close();
    close();
}

void TFormEinstellungen::Standardwerte()
{
    Form12->VorlageLoeschenClick();
    Klick(ohneVerlauf);
    // The default has no progression: the button is checked too, or the scan,
    // which reads it, would still show the progression.
    ohneVerlauf->setChecked(true);
    Klick(Winkel2);
    Winkel2->setChecked(true);
    Klick(Rastergroesse38);
    Rastergroesse38->setChecked(true);
    Alles->setChecked(true);
    Klick(Alles);
    Klick(ohneFaltung);
    ohneFaltung->setChecked(true);
    Form12->Modell.FilterAktiv = false;
    // Applied at once, the defaults are the settings in effect now.
    if (anwenden())
        EinstellungUebernehmen();
}

void TFormEinstellungen::EinstellungUebernehmen()
{
    const auto gewaehlt = [](std::initializer_list<QRadioButton*> gruppe, QRadioButton* sonst) {
        for (QRadioButton* r : gruppe)
            if (r->isChecked())
                return r;
        return sonst;
    };
    Einstellung& a = AktuelleEinstellung;
    a[Raster] = gewaehlt({Rastergroesse4, Rastergroesse20, Rastergroesse38, Rastergroesse56}, a[Raster]);
    a[Darstellung] = gewaehlt({Alles, Zwischenstufe, Endergebnis}, a[Darstellung]);
    a[Winkel] = gewaehlt({Winkel1, Winkel2, Winkel10, Winkel45, Winkel90}, a[Winkel]);
    a[Faltung] = gewaehlt({mitFaltung, ohneFaltung}, a[Faltung]);
    a[Verlauf] = gewaehlt({mitVerlauf, ohneVerlauf}, a[Verlauf]);
    GewaehlteEinstellung = AktuelleEinstellung;
}

void TFormEinstellungen::HilfeButtonClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 324);
}
