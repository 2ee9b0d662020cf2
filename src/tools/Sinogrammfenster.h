#pragma once

#include "core/Bildfeld.h"
#include "core/Iterativ.h"
#include "core/Kennzahlen.h"
#include "core/Rueckprojektion.h"
#include "core/Simulator.h"
#include "core/Sinogramm.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPainter;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class Simulatorzustand;

// The gray level of a reading in the sinogram: 255 - Round(255 v / vmax),
// white for nothing, black for the largest reading; white while vmax is 0.
int Sinogrammgrau(float wert, float hoechstwert);

// A signed value on a diverging scale: white at 0, turning red towards
// +grenze and blue towards -grenze (and beyond); white while grenze is 0.
QRgb Divergierend(double wert, double grenze);

// A colour scale with its numbers: the gray ramp from white (0) to black
// (the largest value), or the diverging ramp from blue (-grenze) over white
// (0) to red (+grenze). Horizontal when it is wider than high, else upright
// (the largest value at the top). Empty while grenze is 0.
class Farbleiste : public QWidget
{
    Q_OBJECT
public:
    explicit Farbleiste(QWidget* eltern);

    void setzeSkala(bool divergierend, double grenze);
    // Words in place of the numbers, from the smallest value to the largest
    // (empty: the numbers).
    void setzeBeschriftung(const QStringList& worte);
    bool Divergierend() const { return m_divergierend; }
    double Grenze() const { return m_grenze; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool m_divergierend = false;
    double m_grenze = 0.0;
    QStringList m_worte;
};

// The sinogram as a picture: one block of whole pixels per reading, the
// angle downwards and the ray across, with the angle scale in degrees on the
// left and the ray numbers along the top. The blocks are stretched to the
// room given: as wide as whole pixels per ray allow, and as high as the room,
// at least 2 pixels per row. Rows are added one at a time as the scan
// measures them; only the new row is painted again, unless the largest
// reading grew and every row takes its new colour. Measured readings are
// gray (white for nothing, black for the largest); filtered ones, which are
// signed, on the diverging scale. Marked readings (a cell's sine curve) are
// tinted red; the block under the mouse is framed.
class Sinogrammbild : public QWidget
{
    Q_OBJECT
public:
    explicit Sinogrammbild(QWidget* eltern);

    static constexpr int Links = 30;   // the angle scale
    static constexpr int Oben = 14;    // the ray numbers

    // The room for the blocks, at most `breite` pixels across and `hoehe`
    // down; the control takes its size from it.
    void setzeRaum(int breite, int hoehe);
    // Shows the measured rays of s anew (a sinogram without rows shows an
    // empty frame with a hint). s must stay alive while it is shown.
    void zeigen(const ct::Sinogramm& s, bool gefiltert);
    // s has measured more than shown: paints the new rows.
    void zeilenZeigen(const ct::Sinogramm& s);
    void setzeMarken(std::vector<ct::Sinogrammpunkt> punkte);
    const std::vector<ct::Sinogrammpunkt>& Marken() const { return m_marken; }

    int Blockbreite() const { return m_blockbreite; }
    int Blockhoehe() const { return m_blockhoehe; }
    // The width and height the blocks take (the room while there are none).
    int Bloeckebreite() const { return m_werte.isNull() ? m_breite : m_strahlzahl * m_blockbreite; }
    int Bloeckehoehe() const { return m_werte.isNull() ? m_hoehe : m_zeilenzahl * m_blockhoehe; }
    int GezeigteZeilen() const { return m_zeilen; }
    // The largest reading the colours are scaled to (the diverging scale's
    // limit for filtered readings).
    float Skalengrenze() const { return m_hoechstwert; }
    bool Gefiltert() const { return m_gefiltert; }
    // The blocks as shown, without marks or scales, for the export.
    QImage Bloecke() const;
    // The reading under a point of the control, or {-1, 0} off the blocks.
    ct::Sinogrammpunkt PunktBei(QPoint p) const;
    // The rectangle of a reading's block in the control.
    QRect Block(ct::Sinogrammpunkt p) const;

signals:
    // The mouse rests on a reading, or left the blocks ({-1, 0}).
    void punktBeruehrt(ct::Sinogrammpunkt p);
    // The colours' scale changed (a new largest reading).
    void skalaGeaendert();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void einfaerben(int zeile);
    float grenzeVon(const ct::Sinogramm& s) const;
    // The blocks with their marks and the frame of the block under the mouse.
    void bloeckeZeichnen(QPainter& p);

    int m_breite = 0, m_hoehe = 0;
    const ct::Sinogramm* m_quelle = nullptr;
    bool m_gefiltert = false;
    int m_strahlzahl = 0, m_zeilenzahl = 0, m_winkelschritt = 0;
    int m_blockbreite = 0, m_blockhoehe = 0, m_zeilen = 0;
    float m_hoechstwert = 0.0f;
    QImage m_werte;   // one pixel per reading
    std::vector<ct::Sinogrammpunkt> m_marken;
    ct::Sinogrammpunkt m_unterMaus{-1, 0};
};

// A grid of n x n cells drawn cell by cell: the copy of the pattern (cells
// gray on white, clickable, with the ray under the mouse drawn across) or a
// picture with its frame.
class Zellenbild : public QWidget
{
    Q_OBJECT
public:
    Zellenbild(QWidget* eltern, const QString& name);

    // The side of the control; the cells take whole pixels of it.
    void setzeSeite(int seite);
    // The grid of n cells per side from an n x n picture of colours (a null
    // picture shows an empty frame).
    void zeigen(int n, const QImage& farben);
    int Raster() const { return m_n; }
    int Zelle() const { return m_zelle; }
    // The picture as shown, without marks: n x n cells of Zelle() pixels.
    QImage Bild() const { return m_bild; }
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
    void zeichnen();

    int m_seite = 0;
    int m_n = 0, m_zelle = 0;
    QImage m_farben, m_bild;
    std::vector<ct::Kaestchen> m_strahl;
    QPointF m_a, m_b;
    ct::Kaestchen m_wahl{0, 0};
    int m_zeile = 0;
};

// "Sinogram and reconstruction", a laboratory of image reconstruction on the
// readings of the simulator's scan.
//
// The readings: the scan's own (the pattern cells each ray touched, counted),
// or what a real detector measures of the same pattern (the attenuation along
// each ray's path, core/Detektor.h), without noise or at a dose of 10^2 to
// 10^6 photons per ray. The sinogram shows them, or the same rows filtered
// with the chosen kernel, growing row by row with the scan; the mouse on a
// reading draws its ray across a copy of the pattern, a click on a cell marks
// its sine curve.
//
// The pictures: the plain back-projection beside the chosen reconstruction
// (filtered back-projection with the Ram-Lak, Shepp-Logan or Hann kernel,
// growing with the scan too, or iterative reconstruction with 1 to 20 sweeps
// after the scan) and the difference of the chosen one from the pattern; a
// profile of one row through the pattern and both pictures. Every picture is
// fitted to the pattern by scale and offset before it is compared
// (core/Kennzahlen.h), and the figures are the root mean square of what
// remains.
//
// Two sizes: while a scan runs (and while there are no readings) the window
// shows only the sinogram and the two growing pictures and stands right of
// the scan's drawing, so that source, detector and pattern stay in view;
// with a picture it opens up to the whole laboratory.
//
// It follows the state's signals; while hidden it does no work and catches up
// when shown.
class TFormSinogramm : public QWidget
{
    Q_OBJECT
public:
    TFormSinogramm();

    // The reconstructions offered beside the plain back-projection.
    enum class Verfahren { RamLak, SheppLogan, Hann, Iterativ };

    QLabel* Label1;
    QComboBox* Sinogrammart;   // measured or filtered readings
    Sinogrammbild* Sinogramm;
    Farbleiste* Sinogrammskala;
    QLabel* Label2;
    QPushButton* HilfeButton;
    QPushButton* ExportButton;
    Zellenbild* Muster;
    QLabel* Anzeige;          // what the mouse rests on
    QLabel* Messartlabel;
    QRadioButton* Zaehlung;
    QRadioButton* Weglaenge;
    QLabel* Dosislabel;
    QSlider* Dosis;
    QLabel* Dosisanzeige;
    QLabel* Label3;
    Zellenbild* Rueckprojektionsbild;
    QLabel* RmsRueckprojektionlabel;
    QLabel* Label4;
    Zellenbild* Rekonstruktionsbild;
    QLabel* RmsRekonstruktionlabel;
    QLabel* Label6;
    Zellenbild* Differenzbild;
    Farbleiste* Differenzskala;
    QLabel* Rekonstruktionlabel;
    QComboBox* Rekonstruktionswahl;
    QLabel* Durchlaeufelabel;
    QSpinBox* Durchlaeufe;
    QLabel* Residuum;
    QLabel* Label5;
    QSpinBox* Zeilenwahl;
    QLabel* Abweichung;       // what the figures mean
    QChartView* Profil;

    // The dose slider's positions: quarter decades from 10^2 to 10^6, and
    // after them "no noise".
    static constexpr int DosisMin = 8, DosisMax = 24, OhneRauschen = 25;

    // Whether the window shows the whole laboratory (a picture exists) or
    // only the sinogram and the growing pictures.
    bool Voll() const { return m_voll; }
    // The pattern the window shows: the scanned cells while there are
    // readings, else the cells painted in the pattern image.
    const ct::Bildfeld& Vorlage() const { return m_vorlage; }
    // The readings shown and reconstructed: the scan's, or a detector's.
    const ct::Sinogramm& Messwerte() const;
    // The photons per ray of the detector's readings (0: no noise).
    double Photonen() const;
    Verfahren GewaehltesVerfahren() const;
    // The plain back-projection and the chosen reconstruction shown, and their
    // figures against the pattern (Rms -1 while there is no picture).
    const ct::Bildfeld& Rueckprojektion() const { return m_rueck.Bild(); }
    const ct::Bildfeld& Rekonstruktion() const;
    const ct::Anpassung& AnpassungRueckprojektion() const { return m_anpassungRueck; }
    const ct::Anpassung& AnpassungRekonstruktion() const { return m_anpassungRekon; }
    double RmsRueckprojektion() const { return m_bild ? m_anpassungRueck.Rms : -1.0; }
    double RmsRekonstruktion() const { return m_bild ? m_anpassungRekon.Rms : -1.0; }
    // The residuals of the iterative reconstruction after each sweep (empty
    // unless it is chosen and a picture exists).
    const std::vector<double>& Residuen() const { return m_iteration.Residuen; }
    // The profile's three curves (pattern, plain back-projection,
    // reconstruction), each n values, the pictures fitted to the pattern.
    std::vector<double> Profilwerte(int kurve) const;

    // The links, as the mouse makes them: the ray of a reading drawn across
    // the pattern ({-1, 0}: none), the sine curve of a cell marked in the
    // sinogram ((0, 0): none).
    void StrahlZeigen(ct::Sinogrammpunkt p);
    void KaestchenWaehlen(ct::Kaestchen zelle);

    // Writes the pictures as PNG and the readings, the chosen reconstruction
    // and the profile as CSV into the folder; false (and nothing more
    // written) at the first file that cannot be written, whose name then
    // stands in `fehler`.
    bool Exportieren(const QString& ordner, QString* fehler = nullptr) const;
    // The names of the files Exportieren writes.
    static QStringList Exportdateien();
    // How "Export..." asks for the folder: a modal file dialog over the main
    // window; an empty answer writes nothing. Tests and the soak put in their
    // own, so that no real dialog opens.
    static std::function<QString()> Ordnerwahl;

    // The work the window does for every row the scan measures, on the rows
    // of `scan` (the scan's readings) not yet shown.
    void ZeilenNachfuehren(const ct::Sinogramm& scan);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void anordnen(bool voll);
    void platzieren();
    void allesZeigen();
    void scanBegonnen();
    void winkelFertig();
    void vorlageLesen();
    void messwerteNachfuehren(const ct::Sinogramm& scan);
    void sinogrammZeigen();
    void bilderZeigen();
    void rekonstruieren();
    void figurenZeigen();
    void profilZeigen();
    void dosisZeigen();
    void exportWaehlen();
    bool ausgewertet() const;
    QString verfahrenName(Verfahren v) const;

    Simulatorzustand& m_zustand;
    bool m_voll = false;
    ct::Bildfeld m_vorlage;
    ct::Sinogramm m_zaehlung;        // the scan's readings, copied
    ct::Sinogramm m_weg;             // the detector's readings
    ct::Sinogramm m_gefiltertesSinogramm;
    ct::Rueckprojektionsaufbau m_rueck;
    ct::Rueckprojektionsaufbau m_gefiltert;
    ct::Iterationsergebnis m_iteration;
    ct::Anpassung m_anpassungRueck, m_anpassungRekon;
    bool m_bild = false;
    ct::Kaestchen m_wahl{0, 0};
    std::array<QLineSeries*, 3> m_kurven{};
};
