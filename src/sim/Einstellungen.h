#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The settings of the scan simulator: grid size, angle step, display mode,
// progression and convolution, each a group of radio buttons. The display and
// progression choices have no variable of their own: the scan reads these
// buttons as they are checked.
//
// What a click on a radio button does depends on the apply flag, the tag of
// OKButton: while it is 0 the click only records the button as the pending
// choice of its group; while it is 1 the setting takes effect at once. Showing
// the dialog sets the flag to 0, confirming sets it to 1.
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

    // The slots of the two records of choices.
    enum Slot { Raster = 0, Darstellung = 1, Winkel = 2, Faltung = 3, Verlauf = 4 };
    using Einstellung = std::array<QRadioButton*, 5>;
    // The confirmed choice of every group, and the choice pending in the dialog.
    Einstellung AktuelleEinstellung{};
    Einstellung GewaehlteEinstellung{};

    // The click handler of a radio button, as a click on it runs it (also
    // when it is checked from code and was not checked before).
    void Klick(QRadioButton* knopf);

    void OKButtonClick();
    void HilfeButtonClick();
    // "OK" of the confirmation: deletes the CT picture and applies every
    // pending choice that differs from the confirmed one.
    void Bestaetigen();
    // "Abort" of the confirmation: the confirmed choices are checked again.
    void Verwerfen();
    // Reset to the default settings ("&New" of the simulator).
    void Standardwerte();
    // Both records take the buttons checked now (after the settings were
    // set from outside the dialog).
    void EinstellungUebernehmen();

    bool anwenden() const;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void RastergroesseClick(QRadioButton* knopf);
    void WinkelClick(QRadioButton* knopf);
    void DarstellungClick(QRadioButton* knopf);
    void FaltungClick(QRadioButton* knopf);
    void VerlaufClick(QRadioButton* knopf);
    void merken(Slot slot, QRadioButton* knopf);
};
