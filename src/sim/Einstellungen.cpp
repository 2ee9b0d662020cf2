#include "sim/Einstellungen.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Hinweis.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>

TFormEinstellungen::TFormEinstellungen()
    : m_zustand(Form12->Zustand)
{
    fensterAnlegen(this, QStringLiteral("FormEinstellungen"), tr("Adjustments to the computer tomography"), Rahmen::OhneSymbole, Lage::Feld);
    setzeClientgroesse(this, 317, 355);

    GroupBox1 = gruppe(this, QStringLiteral("GroupBox1"), tr("Raster size"), 8, 8, 145, 129);
    Rastergroesse4 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse4"), tr("4 x 4"), 8, 24);
    Rastergroesse20 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse20"), tr("20 x 20"), 8, 48);
    Rastergroesse38 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse38"), tr("38 x 38"), 8, 72, true);
    Rastergroesse56 = optionsfeld(GroupBox1, QStringLiteral("Rastergroesse56"), tr("56 x 56"), 8, 96);

    GroupBox2 = gruppe(this, QStringLiteral("GroupBox2"), tr("Rotation angle"), 8, 152, 145, 153);
    Winkel1 = optionsfeld(GroupBox2, QStringLiteral("Winkel1"), tr("1 degree"), 16, 24);
    Winkel2 = optionsfeld(GroupBox2, QStringLiteral("Winkel2"), tr("2 degrees"), 16, 48, true);
    Winkel10 = optionsfeld(GroupBox2, QStringLiteral("Winkel10"), tr("10 degrees"), 16, 72);
    Winkel45 = optionsfeld(GroupBox2, QStringLiteral("Winkel45"), tr("45 degrees"), 16, 96);
    Winkel90 = optionsfeld(GroupBox2, QStringLiteral("Winkel90"), tr("90 degrees"), 16, 120);

    GroupBox3 = gruppe(this, QStringLiteral("GroupBox3"), tr("Presentation"), 160, 8, 145, 105);
    Alles = optionsfeld(GroupBox3, QStringLiteral("Alles"), tr("Every step"), 16, 24, true);
    Zwischenstufe = optionsfeld(GroupBox3, QStringLiteral("Zwischenstufe"), tr("Every 10 steps"), 16, 48);
    Endergebnis = optionsfeld(GroupBox3, QStringLiteral("Endergebnis"), tr("At the end"), 16, 72);

    GroupBox5 = gruppe(this, QStringLiteral("GroupBox5"), tr("Progression"), 160, 128, 145, 81);
    mitVerlauf = optionsfeld(GroupBox5, QStringLiteral("mitVerlauf"), tr("With progression"), 16, 24);
    ohneVerlauf = optionsfeld(GroupBox5, QStringLiteral("ohneVerlauf"), tr("No progression"), 16, 48, true);

    GroupBox4 = gruppe(this, QStringLiteral("GroupBox4"), tr("Convolution"), 160, 224, 145, 81);
    mitFaltung = optionsfeld(GroupBox4, QStringLiteral("mitFaltung"), tr("With Convolution"), 16, 24);
    ohneFaltung = optionsfeld(GroupBox4, QStringLiteral("ohneFaltung"), tr("No convolution"), 16, 48, true);

    OKButton = knopf(this, QStringLiteral("OKButton"), tr("OK"), 70, 320, 75, 25);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), tr("Help"), 172, 320, 75, 25);

    using G = Einstellungsgruppe;
    const auto d = [](ct::Darstellung darstellung) { return static_cast<int>(darstellung); };
    m_wahlen = {
        {Rastergroesse4, G::Raster, 4},
        {Rastergroesse20, G::Raster, 20},
        {Rastergroesse38, G::Raster, 38},
        {Rastergroesse56, G::Raster, 56},
        {Winkel1, G::Winkel, 1},
        {Winkel2, G::Winkel, 2},
        {Winkel10, G::Winkel, 10},
        {Winkel45, G::Winkel, 45},
        {Winkel90, G::Winkel, 90},
        {Alles, G::Darstellung, d(ct::Darstellung::Alles)},
        {Zwischenstufe, G::Darstellung, d(ct::Darstellung::Zwischenstufe)},
        {Endergebnis, G::Darstellung, d(ct::Darstellung::Endergebnis)},
        {mitVerlauf, G::Verlauf, 1},
        {ohneVerlauf, G::Verlauf, 0},
        {mitFaltung, G::Faltung, 1},
        {ohneFaltung, G::Faltung, 0},
    };
    // A radio button acts when it becomes checked; clicking the checked one
    // does nothing. The state runs the choice's action.
    for (const Wahl& w : m_wahlen)
        connect(w.knopf, &QRadioButton::toggled, this, [this, w](bool an) {
            if (an)
                m_zustand.Waehlen(w.gruppe, w.wert);
        });
    connect(&m_zustand, &Simulatorzustand::auswahlGeaendert, this, &TFormEinstellungen::auswahlZeigen);
    connect(&m_zustand, &Simulatorzustand::sperreGeaendert, this, &TFormEinstellungen::sperreZeigen);
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &QWidget::close);
    connect(OKButton, &QPushButton::clicked, this, &TFormEinstellungen::OKButtonClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TFormEinstellungen::HilfeButtonClick);
}

QRadioButton* TFormEinstellungen::Knopf(Einstellungsgruppe gruppe, int wert) const
{
    for (const Wahl& w : m_wahlen)
        if (w.gruppe == gruppe && w.wert == wert)
            return w.knopf;
    return nullptr;
}

void TFormEinstellungen::auswahlZeigen(Einstellungsgruppe gruppe)
{
    // Checked from here, the button does not act again: the state has run
    // the choice's action already.
    if (QRadioButton* r = Knopf(gruppe, m_zustand.Auswahl().wert(gruppe))) {
        const QSignalBlocker still(r);
        r->setChecked(true);
    }
}

void TFormEinstellungen::sperreZeigen()
{
    // A loaded archive picture locks angle, display and convolution; "Every
    // 10 steps" is also unavailable with the angle steps 45 and 90.
    const bool frei = !m_zustand.Gesperrt();
    for (QRadioButton* r : {Winkel1, Winkel2, Winkel10, Winkel45, Winkel90, Alles, Endergebnis, mitFaltung,
                            ohneFaltung})
        r->setEnabled(frei);
    Zwischenstufe->setEnabled(frei && m_zustand.ZwischenstufeFrei());
}

void TFormEinstellungen::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    m_zustand.setzeAnwenden(false);
    const QRect r = layoutteil(Form12);
    platzieren(this, QPoint(r.x() + (r.width() - aussenbreite(this)) * 3 / 5,
                            r.y() + (r.height() - aussenhoehe(this)) / 2));
}

void TFormEinstellungen::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    // The keyboard goes back to the simulator.
    if (!e->spontaneous() && Form12->isVisible())
        aktivieren(Form12);
}

void TFormEinstellungen::OKButtonClick()
{
    m_zustand.setzeAnwenden(true);
    if (m_zustand.GewaehlteEinstellung() == m_zustand.AktuelleEinstellung()) {
        close();
        return;
    }
    // Only a CT picture that a change would delete is asked about.
    if (m_zustand.StartGesperrt())
        modalZeigen(FormHinweis);
    else
        Bestaetigen();
}

void TFormEinstellungen::Bestaetigen()
{
    close();
    m_zustand.Bestaetigen();
}

void TFormEinstellungen::Verwerfen()
{
    m_zustand.Verwerfen();
    FormHinweis->close();
    close();
}

void TFormEinstellungen::HilfeButtonClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 324);
}
