#pragma once

#include "core/Filter.h"

#include <QWidget>
#include <array>
#include <utility>

class Panel;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Simulatorzustand;

// The filter window: one radio button per filter of the simulator. Choosing
// one filters the CT picture at once and shows the result; "Create a filter"
// opens the kernel input window instead. The buttons show the filter the
// simulator's state has selected and pass the learner's choice on to it
// (Simulatorzustand::FilterAuswaehlen); selecting the button that is already
// selected does nothing.
class TFormFilter : public QWidget
{
    Q_OBJECT
public:
    explicit TFormFilter(Simulatorzustand& zustand);

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

    // The radio button of a filter.
    QRadioButton* Knopf(ct::Filterart art) const;

    // "Create a filter": shows the kernel input window, nothing more.
    void EigenkreationClick();
    void EndeButtonClick();
    void HilfeButtonClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Simulatorzustand& m_zustand;
    std::array<std::pair<ct::Filterart, QRadioButton*>, 13> m_knoepfe{};
};
