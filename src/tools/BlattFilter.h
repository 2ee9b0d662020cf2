#pragma once

#include <QWidget>

class Panel;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The filter window: one radio button per filter of the simulator. Choosing
// one filters the CT picture at once and shows the result; "Create a filter"
// opens the kernel input window instead. A radio button acts when it becomes
// selected, by the learner or from code (TForm12::FilterEinstellungen);
// selecting the button that is already selected does nothing.
class TFormFilter : public QWidget
{
    Q_OBJECT
public:
    TFormFilter();

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    Panel* Panel1;
    // "No filter", selected at start; deleting the CT picture selects it again.
    QRadioButton* keinFilter;
    QRadioButton* Rechtecksfilter;
    QRadioButton* Gaussfilter;
    QRadioButton* Laplacefilter;
    QRadioButton* KernelHochpass;
    QRadioButton* KernelTiefpass;
    QRadioButton* Eigenkreation;
    QRadioButton* MedianMaske1;
    QRadioButton* MedianMaske2;
    QRadioButton* ErosionMaske1;
    QRadioButton* ErosionMaske2;
    QRadioButton* DilatationMaske1;
    QRadioButton* DilatationMaske2;
    QPushButton* EndeButton;
    QPushButton* HilfeButton;

    // The choice of the filter with this code (every code of the filter
    // table but 8): knob of the gray-scale window to 0, Filternummer and
    // FilterAktiv, the status text, the filter on CTBild, Bildmaximum from
    // the result (Bildminimum stays), and the result in the default colouring.
    void FilterWaehlen(int code);
    // "Create a filter": shows the kernel input window, nothing more.
    void EigenkreationClick();
    void EndeButtonClick();
    void HilfeButtonClick();

protected:
    void showEvent(QShowEvent* e) override;
};
