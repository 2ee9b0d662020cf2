#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Feinzeichnung.h"

// The one drawing surface of the program: an RGB32 picture with a pen and a
// brush colour and exactly the primitives the windows need. Nothing is
// antialiased. Rectangles are given by their corners (x1, y1)-(x2, y2) with the
// right and bottom edge exclusive; lines exclude their end point. Pixels
// outside the surface are silently clipped.
//
// On a scaled screen (setzeAufzeichnung) the surface also records what is
// drawn on it since it was last drawn over as a whole (befehle), so that its
// picture control can draw it again at the screen's resolution
// (Feinzeichnung.h). Its pixels stay those of the layout.
class Zeichenflaeche
{
public:
    // Recording on (the screen is scaled by `verhaeltnis`) or off, for the
    // surfaces made or drawn over as a whole from now on.
    static void setzeAufzeichnung(bool an, double verhaeltnis = 1.0);
    static bool aufzeichnung();
    // The commands recorded, from the last time the surface was drawn over as
    // a whole; none while nothing is recorded.
    const Fein::Liste* befehle() const { return m_liste.get(); }
    // Counts the times the record began anew: a drawing made from it before
    // holds only while the count is the same (and then up to its last command).
    std::uint64_t aufzeichnungsbeginn() const { return m_beginn; }

    enum class Fuellart { Flaeche, Rand };  // flood fill: same-colour area, or up to a border colour

    Zeichenflaeche() = default;
    Zeichenflaeche(int breite, int hoehe, QRgb hintergrund = 0xFFFFFFFF);

    int breite() const { return m_b; }
    int hoehe() const { return m_h; }
    QSize groesse() const { return m_bild.size(); }
    bool leer() const { return m_bild.isNull(); }

    // New size; what fits stays, new area is white.
    void setzeGroesse(int breite, int hoehe);

    const QImage& bild() const { return m_bild; }
    // Replaces the content by a picture (converted to RGB32).
    void setzeBild(const QImage& bild);

    QRgb stift() const { return m_stift; }
    QRgb pinsel() const { return m_pinsel; }
    int stiftbreite() const { return m_stiftbreite; }
    void setzeStift(QRgb farbe) { m_stift = farbe | 0xFF000000u; }
    void setzePinsel(QRgb farbe) { m_pinsel = farbe | 0xFF000000u; }
    void setzeStiftbreite(int breite) { m_stiftbreite = breite < 1 ? 1 : breite; }
    void setzeSchrift(const QFont& schrift) { m_schrift = schrift; }
    const QFont& schrift() const { return m_schrift; }

    // Fills [x1, x2) x [y1, y2) with the brush.
    void fillRect(int x1, int y1, int x2, int y2);
    void fillRect(const QRect& r) { fillRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
    // Brush-filled rectangle [x1, x2) x [y1, y2) with a pen outline on its border pixels.
    void rectangle(int x1, int y1, int x2, int y2);
    // Ellipse inscribed in the box [x1, x2) x [y1, y2): brush inside, pen outline.
    void ellipse(int x1, int y1, int x2, int y2);
    // The part of the ellipse in the box [x1, x2) x [y1, y2) cut off by the chord
    // from the radial through (x3, y3) to the radial through (x4, y4), taken
    // counter-clockwise (as seen on the screen) from start to end.
    void chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Closed polygon, brush inside, pen outline through all corners.
    void polygon(const std::vector<QPoint>& punkte);
    // Connected lines with the pen; the last point is not drawn.
    void polyline(const std::vector<QPoint>& punkte);
    void moveTo(int x, int y) { m_position = QPoint(x, y); }
    // Line from the current position to (x, y), end point exclusive; (x, y) becomes the position.
    void lineTo(int x, int y);
    QPoint position() const { return m_position; }
    // Flood fill with the brush from (x, y): Flaeche fills the connected area of
    // colour `farbe`; Rand fills the connected area up to pixels of colour `farbe`.
    void floodFill(int x, int y, QRgb farbe, Fuellart art);
    // Text with the surface's font in the pen colour; with a background the text
    // box is filled with the brush first.
    void textOut(int x, int y, const QString& text, bool mitHintergrund = false);

    QRgb pixel(int x, int y) const;  // 0xFFFFFFFF outside
    void setPixel(int x, int y, QRgb farbe);

    // Copies the rectangle `quelle` of `von` into the rectangle `ziel` of this
    // surface (same size; scaled otherwise). The AND variant combines every
    // colour value bitwise with what is there, so white leaves the target unchanged.
    void copyRect(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle);
    void copyRectAnd(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle);
    void copyRect(const QRect& ziel, const QImage& von, const QRect& quelle);
    void copyRectAnd(const QRect& ziel, const QImage& von, const QRect& quelle);

private:
    // Recording: the command given appended, or (anew) the record begun with it.
    bool zeichnetAuf() const { return m_liste != nullptr; }
    void aufzeichnen(Fein::Befehl b);
    void neuAufzeichnen(Fein::Befehl b);
    // The record as it stands, shared with a copy taken of it.
    Fein::Stand stand() const { return m_liste; }
    // The pixels of r as a picture command (what a copy or a text put there).
    void ergebnisAufzeichnen(const QRect& r);
    // A copy from another surface as a command; false where it is recorded
    // by its result instead (scaled, or from the surface itself).
    bool kopieAufzeichnen(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle, bool und);
    void flaecheKopieren(const QRect& ziel, const Zeichenflaeche& von, const QRect& quelle);
    // Drops the commands that later ones cover, and, where the record still
    // grows, takes its drawing at the device's resolution as its beginning.
    void verdichten();

    struct Spanne
    {
        int von = 0, bis = 0;  // columns [von, bis); empty when von >= bis
        bool leer() const { return von >= bis; }
        long breite() const { return bis > von ? long(bis - von) : 0L; }
    };

    bool innen(int x, int y) const { return unsigned(x) < unsigned(m_b) && unsigned(y) < unsigned(m_h); }
    // The pixels for writing (rows of m_b pixels, no padding in RGB32); taken
    // once at the start of every drawing operation.
    QRgb* schreiben();
    const QRgb* lesen() const { return reinterpret_cast<const QRgb*>(m_bild.constBits()); }
    void masseMerken() { m_b = m_bild.width(); m_h = m_bild.height(); }
    void punkt(int x, int y, QRgb farbe);
    void stiftpunkt(int x, int y);
    void linie(QPoint a, QPoint b, bool mitEndpunkt);
    void fuelleFlaeche(const std::vector<QPoint>& punkte);
    void kopiere(const QRect& ziel, const QImage& von, const QRect& quelle, bool und);

    // Marks a box (right and bottom exclusive, widened by the pen) as drawn on.
    void beruehrt(int x1, int y1, int x2, int y2);
    void beruehrt(const std::vector<QPoint>& punkte);
    // Marks the columns [x1, x2) of row y as drawn on.
    void zeileBeruehrt(int y, int x1, int x2)
    {
        if (unsigned(y) < unsigned(m_h)) {
            const Spanne* s = &m_spannen[std::size_t(y) * 2];
            if ((s[0].von <= x1 && x2 <= s[0].bis) || (s[1].von <= x1 && x2 <= s[1].bis))
                return;  // already marked, the usual case when drawing over a drawing
        }
        spanneErweitern(y, x1, x2);
    }
    void spanneErweitern(int y, int x1, int x2);
    // Adds a row's change in marked width to m_markiert.
    void gezaehlt(long vorher, const Spanne* zeile);
    // A white fill of [x1, x2) x [y1, y2) while m_weissRest holds.
    void weissUeberSpannen(int x1, int y1, int x2, int y2);

    QImage m_bild;
    int m_b = 0, m_h = 0;
    // While m_weissRest holds, every pixel outside the drawn spans is white:
    // a white fill then only needs to clear the spans it meets. Every row
    // keeps up to two spans (m_spannen[2 y] and [2 y + 1]), so that outlines
    // on opposite sides of a drawing stay apart. Scans fill their large
    // drawings white at every angle but draw thin rotated outlines on them.
    bool m_weissRest = false;
    std::vector<Spanne> m_spannen;
    long m_markiert = 0;  // pixels within the spans
    QRgb* m_px = nullptr;
    QRgb m_stift = 0xFF000000u;
    QRgb m_pinsel = 0xFFFFFFFFu;
    int m_stiftbreite = 1;
    QPoint m_position;
    QFont m_schrift;
    std::shared_ptr<Fein::Liste> m_liste;
    std::uint64_t m_beginn = 0;
    std::uint64_t m_letzteNr = 0;
    std::size_t m_verdichtetBei = 0;
};
