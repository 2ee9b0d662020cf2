#pragma once

#include "sim/Simulatorzustand.h"

#include <QWidget>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The settings dialog of the scan simulator: grid size, angle step, display
// mode, progression and convolution, each a group of radio buttons. The
// buttons show the state's selected choices and pass the learner's clicks on
// to it; what a click does (record the choice as pending or apply it at
// once) is the state's apply flag (Simulatorzustand::Anwenden). Showing the
// dialog clears the flag, confirming sets it.
class TFormEinstellungen : public QWidget
{
    Q_OBJECT
public:
    TFormEinstellungen();

    QGroupBox* GroupBox1;
    QRadioButton* Rastergroesse4;
    QRadioButton* Rastergroesse20;
    QRadioButton* Rastergroesse38;
    QRadioButton* Rastergroesse56;
    QGroupBox* GroupBox2;
    QRadioButton* Winkel1;
    QRadioButton* Winkel2;
    QRadioButton* Winkel10;
    QRadioButton* Winkel45;
    QRadioButton* Winkel90;
    QGroupBox* GroupBox3;
    QRadioButton* Alles;
    QRadioButton* Zwischenstufe;
    QRadioButton* Endergebnis;
    QGroupBox* GroupBox5;
    QRadioButton* mitVerlauf;
    QRadioButton* ohneVerlauf;
    QGroupBox* GroupBox4;
    QRadioButton* mitFaltung;
    QRadioButton* ohneFaltung;
    QPushButton* OKButton;
    QPushButton* HilfeButton;

    // The radio button of a choice (nullptr for a value no button has).
    QRadioButton* Knopf(Einstellungsgruppe gruppe, int wert) const;

    void OKButtonClick();
    void HilfeButtonClick();
    // "OK" of the confirmation: closes the dialog, deletes the CT picture and
    // applies every pending choice that differs from the confirmed one.
    void Bestaetigen();
    // "Abort" of the confirmation: the confirmed choices are selected again.
    void Verwerfen();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    struct Wahl
    {
        QRadioButton* knopf;
        Einstellungsgruppe gruppe;
        int wert;
    };
    // The buttons follow the state.
    void auswahlZeigen(Einstellungsgruppe gruppe);
    void sperreZeigen();

    Simulatorzustand& m_zustand;
    std::vector<Wahl> m_wahlen;
};
