#include "tools/BlattFilter.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Simulatorzustand.h"
#include "tools/Eingabe.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace {

const QColor Silber(Farben::Silber);

}  // namespace

TFormFilter::TFormFilter()
    : m_zustand(Form12->Zustand)
{
    fensterAnlegen(this, QStringLiteral("FormFilter"), tr("Filter"), Rahmen::NurSchliessen, Lage::Feld);
    setzeClientgroesse(this, 422, 266);

    GroupBox1 = gruppe(this, QStringLiteral("GroupBox1"), tr(" Filter "), 10, 5, 401, 217);
    GroupBox1->setAutoFillBackground(true);
    QPalette grund = GroupBox1->palette();
    grund.setColor(QPalette::Window, Silber);
    GroupBox1->setPalette(grund);

    Label1 = bezeichnung(GroupBox1, QStringLiteral("Label1"), tr("Linear Filter"), 16, 51);
    Label2 = bezeichnung(GroupBox1, QStringLiteral("Label2"), tr("Nonlinear Filter"), 204, 51);
    Panel1 = new Panel(GroupBox1, QStringLiteral("Panel1"), 184, 52, 3, 152, Silber);
    Panel1->setzeKanten(Panel::Kante::Vertieft, Panel::Kante::Vertieft);

    const auto filterknopf = [this](const char* name, const char* text, int x, int y, int breite,
                                    const char* hinweis = nullptr) {
        QRadioButton* r = optionsfeld(GroupBox1, QString::fromLatin1(name), tr(text), x, y);
        r->setProperty("autoSize", false);
        r->setGeometry(x, y, std::max(breite, r->sizeHint().width()), 17);
        if (hinweis)
            r->setToolTip(QString::fromLatin1(hinweis));
        return r;
    };
    keinFilter = filterknopf("keinFilter", QT_TR_NOOP("No filter"), 16, 20, 113);
    keinFilter->setChecked(true);
    Rechtecksfilter = filterknopf("Rechtecksfilter", QT_TR_NOOP("Rectangular filter"), 16, 74, 115, "1/9*(1,1,1,1,1,1,1,1,1)");
    Gaussfilter = filterknopf("Gaussfilter", QT_TR_NOOP("Gaussian filter"), 16, 96, 113, "1/16*(1,2,1,2,4,2,1,2,1)");
    Laplacefilter = filterknopf("Laplacefilter", QT_TR_NOOP("Laplace filter"), 16, 118, 113, "(0,1,0,1,-4,1,0,1,0)");
    KernelHochpass = filterknopf("KernelHochpass", QT_TR_NOOP("Kernel filter - high pass"), 16, 140, 161,
                                 "(-1,-1,-1,-1,9,-1,-1,-1,-1)");
    KernelTiefpass = filterknopf("KernelTiefpass", QT_TR_NOOP("Kernel filter - low pass"), 16, 162, 153,
                                 "1/10*(1,1,1,1,2,1,1,1,1)");
    Eigenkreation = filterknopf("Eigenkreation", QT_TR_NOOP("Create a filter"), 16, 184, 113);
    MedianMaske1 = filterknopf("MedianMaske1", QT_TR_NOOP("Median filter with 1 mask"), 204, 74, 165);
    MedianMaske2 = filterknopf("MedianMaske2", QT_TR_NOOP("Median filter with 2 masks"), 204, 96, 169);
    ErosionMaske1 = filterknopf("ErosionMaske1", QT_TR_NOOP("Erosion filter with 1 mask"), 204, 118, 173);
    ErosionMaske2 = filterknopf("ErosionMaske2", QT_TR_NOOP("Erosion filter with 2 masks"), 204, 140, 173);
    DilatationMaske1 = filterknopf("DilatationMaske1", QT_TR_NOOP("Dilatation filter with 1 mask"), 204, 162, 181);
    DilatationMaske2 = filterknopf("DilatationMaske2", QT_TR_NOOP("Dilation filter with 2 masks"), 204, 184, 181);

    EndeButton = knopf(this, QStringLiteral("EndeButton"), tr("Close"), 174, 232, 75, 25);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), tr("Help"), 296, 232, 75, 25);

    using ct::Filterart;
    m_knoepfe = {{{Filterart::Keiner, keinFilter},         {Filterart::Rechteck, Rechtecksfilter},
                  {Filterart::Gauss, Gaussfilter},        {Filterart::Laplace, Laplacefilter},
                  {Filterart::Tiefpass, KernelTiefpass},  {Filterart::Hochpass, KernelHochpass},
                  {Filterart::Eigen, Eigenkreation},      {Filterart::Median1, MedianMaske1},
                  {Filterart::Median2, MedianMaske2},     {Filterart::Erosion1, ErosionMaske1},
                  {Filterart::Erosion2, ErosionMaske2},   {Filterart::Dilatation1, DilatationMaske1},
                  {Filterart::Dilatation2, DilatationMaske2}}};
    // Each button acts when it becomes selected: the state applies the
    // filter, or asks for the kernel window.
    for (const auto& knopf : m_knoepfe)
        connect(knopf.second, &QRadioButton::toggled, this, [this, art = knopf.first](bool an) {
            if (an)
                m_zustand.FilterAuswaehlen(art);
        });
    // Selected from elsewhere, the button only shows the choice: its action
    // has run.
    connect(&m_zustand, &Simulatorzustand::filterauswahlGeaendert, this, [this](ct::Filterart art) {
        QRadioButton* r = Knopf(art);
        const QSignalBlocker still(r);
        r->setChecked(true);
    });
    connect(&m_zustand, &Simulatorzustand::eigenkreationGewaehlt, this, &TFormFilter::EigenkreationClick);
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &QWidget::close);
    connect(EndeButton, &QPushButton::clicked, this, &TFormFilter::EndeButtonClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TFormFilter::HilfeButtonClick);
}

void TFormFilter::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    // Bottom-centred over the simulator.
    platzieren(this, untenMittig(Form12, this));
}

QRadioButton* TFormFilter::Knopf(ct::Filterart art) const
{
    for (const auto& [a, r] : m_knoepfe)
        if (a == art)
            return r;
    return nullptr;
}

void TFormFilter::EigenkreationClick()
{
    zeigenVorn(FormEingabe);
}

void TFormFilter::EndeButtonClick()
{
    close();
}

void TFormFilter::HilfeButtonClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 1100);
}
