#pragma once

#include "core/Bildfeld.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"
#include "core/Sinogramm.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <vector>

class QChart;
class QChartView;
class QGroupBox;
class QLabel;
class QLineSeries;
class QPainter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class Simulatorzustand;

// The gray level of a reading in the sinogram: 255 - Round(255 v / vmax),
// white for nothing, black for the largest reading; white while vmax is 0.
int Sinogrammgrau(float wert, float hoechstwert);

// The sinogram as a picture: one block of whole pixels per reading, the
// angle downwards and the ray across, with the angle scale in degrees on the
// left and the ray numbers along the top. Rows are added one at a time as
// the scan measures them; only the new row is painted again, unless the
// largest reading grew and every row takes its new gray. Marked readings (a
// cell's sine curve) are tinted red; the block under the mouse is framed.
class Sinogrammbild : public QWidget
{
    Q_OBJECT
public:
    // The room for the blocks: at most `breite` pixels across and 180 down
    // (one pixel per degree, so every angle step gives whole blocks).
    Sinogrammbild(QWidget* eltern, int breite);

    static constexpr int Links = 34;   // the angle scale
    static constexpr int Oben = 16;    // the ray numbers
    static constexpr int Hoehe = 180;

    // Shows the measured rows of s anew (an empty s shows an empty frame).
    void zeigen(const ct::Sinogramm& s);
    // s has measured one more row than shown: paints that row.
    void zeileZeigen(const ct::Sinogramm& s);
    void setzeMarken(std::vector<ct::Sinogrammpunkt> punkte);
    const std::vector<ct::Sinogrammpunkt>& Marken() const { return m_marken; }

    int Blockbreite() const { return m_blockbreite; }
    int Blockhoehe() const { return m_blockhoehe; }
    int GezeigteZeilen() const { return m_zeilen; }
    // The reading under a point of the control, or {-1, 0} off the blocks.
    ct::Sinogrammpunkt PunktBei(QPoint p) const;
    // The rectangle of a reading's block in the control.
    QRect Block(ct::Sinogrammpunkt p) const;

signals:
    // The mouse rests on a reading, or left the blocks ({-1, 0}).
    void punktBeruehrt(ct::Sinogrammpunkt p);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void einfaerben(int zeile);
    // The blocks with their marks and the frame of the block under the mouse.
    void bloeckeZeichnen(QPainter& p);

    const int m_breite;
    const ct::Sinogramm* m_quelle = nullptr;
    int m_strahlzahl = 0, m_zeilenzahl = 0, m_winkelschritt = 0;
    int m_blockbreite = 0, m_blockhoehe = 0, m_zeilen = 0;
    float m_hoechstwert = 0.0f;
    QImage m_werte;   // one pixel per reading
    std::vector<ct::Sinogrammpunkt> m_marken;
    ct::Sinogrammpunkt m_unterMaus{-1, 0};
};

// A grid of n x n cells drawn cell by cell: the copy of the pattern (cells
// gray on white, clickable, with the ray under the mouse drawn across) or a
// picture in gray levels with its frame.
class Zellenbild : public QWidget
{
    Q_OBJECT
public:
    Zellenbild(QWidget* eltern, int seite);

    // The grid of n cells per side, each `zelle` pixels, from its gray
    // levels (x, y from 1); an empty list shows an empty frame.
    void zeigen(int n, const ct::Graufeld& stufen, bool leer);
    int Raster() const { return m_n; }
    int Zelle() const { return m_zelle; }
    // The cell under a point, (0, 0) outside the grid.
    ct::Kaestchen KaestchenBei(QPoint p) const;
    QRect Rechteck(int x, int y) const;

    // The ray drawn across: its cells tinted, a line from a to b in cell
    // units (0 ... n across the grid); none when `zellen` is empty and a == b.
    void setzeStrahl(std::vector<ct::Kaestchen> zellen, QPointF a, QPointF b);
    const std::vector<ct::Kaestchen>& Strahlzellen() const { return m_strahl; }
    // The cell framed in blue (0: none) and the row marked beside the grid.
    void setzeWahl(ct::Kaestchen zelle, int zeile);

signals:
    void geklickt(ct::Kaestchen zelle, Qt::MouseButton knopf);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    const int m_seite;
    int m_n = 0, m_zelle = 0;
    QImage m_bild;
    std::vector<ct::Kaestchen> m_strahl;
    QPointF m_a, m_b;
    ct::Kaestchen m_wahl{0, 0};
    int m_zeile = 0;
};

// "Sinogram and reconstruction": the readings of the scan as a sinogram that
// grows with every measured angle, linked to a copy of the pattern (the mouse
// on a reading draws its ray; a click on a cell marks its sine curve), and
// the simulator's picture beside the filtered back-projection of the same
// readings, with a profile of one row through the pattern and both pictures
// and the root-mean-square difference of each picture to the pattern.
//
// It shows the model's readings (Modell().Messung) as they stand: those of
// the running or last scan, or of a loaded archive picture. It follows the
// state's signals; while hidden it does no work and catches up when shown.
class TFormSinogramm : public QWidget
{
    Q_OBJECT
public:
    TFormSinogramm();

    QLabel* Label1;
    Sinogrammbild* Sinogramm;
    QLabel* Label2;
    QPushButton* HilfeButton;
    Zellenbild* Muster;
    QLabel* Anzeige;          // what the mouse rests on
    QLabel* Label3;
    Zellenbild* CTBild;
    QLabel* Label4;
    Zellenbild* Gefiltert;
    QGroupBox* Kerngruppe;
    QRadioButton* RamLak;
    QRadioButton* SheppLogan;
    QLabel* Label5;
    QSpinBox* Zeilenwahl;
    QLabel* Abweichung;
    QChartView* Profil;

    // The pattern the window shows: the scanned cells while there are
    // readings, else the cells painted in the pattern image.
    const ct::Bildfeld& Vorlage() const { return m_vorlage; }
    // The filtered back-projection shown, and the RMS differences to the
    // pattern of the simulator's picture and of the filtered one (-1 while
    // there is no picture).
    const ct::Bildfeld& Rekonstruktion() const { return m_gefiltert; }
    double RmsCTBild() const { return m_rmsCT; }
    double RmsGefiltert() const { return m_rmsGefiltert; }
    // The profile's three curves, each n values from 0 to 1.
    std::vector<double> Profilwerte(int kurve) const;

    // The links, as the mouse makes them: the ray of a reading drawn across
    // the pattern ({-1, 0}: none), the sine curve of a cell marked in the
    // sinogram ((0, 0): none).
    void StrahlZeigen(ct::Sinogrammpunkt p);
    void KaestchenWaehlen(ct::Kaestchen zelle);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void allesZeigen();
    void winkelFertig();
    void vorlageLesen();
    void rekonstruieren();
    void profilZeigen();

    Simulatorzustand& m_zustand;
    ct::Bildfeld m_vorlage;
    ct::Bildfeld m_gefiltert;
    bool m_bild = false;
    double m_rmsCT = -1.0, m_rmsGefiltert = -1.0;
    ct::Kaestchen m_wahl{0, 0};
    std::array<QLineSeries*, 3> m_kurven{};
};
