#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

// Drawing at the device's resolution. On a scaled screen every drawing
// surface records what is drawn on it (Befehl), and the picture control
// draws those primitives again at the screen's own resolution (Feinmaler):
// a line of one pixel is equally wide everywhere, circles, dashes and
// arrowheads are smooth, fills keep hard edges. The surface's own pixels,
// which the program reads, stay those of the layout.
//
// Coordinates map as follows, with f the device pixels per layout pixel:
// the edge x of the layout lies at the device edge R(x) = floor(x f + 1/2),
// so fills [x1, x2) become [R(x1), R(x2)) and tile without gaps. A stroke of
// p layout pixels (a line of pen width p) is W(p) device pixels wide, 1 while
// p f < 1.5 and round(p f) above, centred on the layout pixels it covers;
// a fill beside an axis-parallel stroke reaches up to the stroke's band, so
// that nothing of the old picture stays between them.
namespace Fein {

struct Befehl;
using Liste = std::vector<Befehl>;
// A recorded list, shared by the surface and the copies taken of it.
using Stand = std::shared_ptr<const Liste>;

struct Befehl
{
    enum class Art : std::uint8_t {
        Flaeche,    // fillRect: r (layout), farbe
        Linie,      // a to b, end point excluded; farbe, breite
        Vieleck,    // punkte, filled with pinsel, outlined with farbe
        Ellipse,    // r box; pinsel inside, farbe outline
        Sehne,      // r box, a and b the radial points; as Ellipse
        Maske,      // a flood fill: spannen (y, x1, x2) filled with farbe; a seed, alt the colour replaced
        Bild,       // bild (same size as r) put at r; und: combined by AND
        Kopie,      // the recorded list quelle drawn shifted by a into r; und: combined by AND
        Geraet,     // bild holds the surface r as drawn at the device's resolution before
    };
    Art art = Art::Flaeche;
    std::uint64_t nr = 0;  // the command's place in everything the surface recorded
    bool und = false;
    bool rand = false;   // Maske: filled up to the colour alt (else: the area of colour alt)
    int breite = 1;      // pen width in layout pixels
    QRgb farbe = 0;      // pen, or the fill colour
    QRgb pinsel = 0;     // brush of shapes
    QRgb alt = 0;
    QRect r{};           // the box the command draws into (layout pixels); also its extent
    QPoint a{}, b{};
    std::vector<QPoint> punkte{};
    std::vector<int> spannen{};  // Maske: triples y, x1, x2 (x2 exclusive)
    QImage bild{};
    Stand quelle{};
};

// The layout pixels a command may change on the screen (at most).
QRect umfang(const Befehl& b);
// The command paints every pixel of its box r with what it brings.
bool deckend(const Befehl& b);

// W(p): the device width of a stroke p layout pixels wide.
int strichbreite(int p, double f);
// R(x): the device edge of the layout edge x.
inline int kante(int x, double f)
{
    return int(std::floor(x * f + 0.5));
}

// Draws recorded lists into a picture of device pixels.
class Feinmaler
{
public:
    // `ziel` holds the surface of `breite` x `hoehe` layout pixels at the
    // ratio f (its size at least R(breite) x R(hoehe)).
    Feinmaler(QImage& ziel, int breite, int hoehe, double f);

    // Draws the commands from `von` on, in order.
    void zeichnen(const Liste& liste, std::size_t von = 0);

private:
    struct Lage
    {
        QPoint versatz;   // layout offset added to every command
        QRect grenze;     // device pixels that may be written
        QRect lgrenze;    // layout pixels whose stroke marks may change
        QImage* bild;     // the picture written, whose pixel (0, 0) is the device pixel `ursprung`
        QPoint ursprung;
        bool marken = true;
        QRgb* basis = nullptr;  // its pixels, taken once (see setzeBild)
        qsizetype schritt = 0;
        void setzeBild(QImage* b, QPoint u)
        {
            bild = b;
            ursprung = u;
            basis = reinterpret_cast<QRgb*>(b->bits());
            schritt = b->bytesPerLine() / qsizetype(sizeof(QRgb));
        }
        QRgb* zeile(int y) const { return basis + (y - ursprung.y()) * schritt - ursprung.x(); }
    };
    void befehl(const Befehl& b, const Lage& l);
    void flaeche(const QRect& r, QRgb farbe, const Lage& l);
    void linie(QPoint a, QPoint b, QRgb farbe, int breite, const Lage& l);
    void vieleck(const Befehl& b, const Lage& l);
    void ellipse(const Befehl& b, const Lage& l);
    void maske(const Befehl& b, const Lage& l);
    void bild(const Befehl& b, const Lage& l);
    void kopie(const Befehl& b, const Lage& l);

    // The device band [anfang, ende) of a stroke over the layout pixels [a, a + p).
    std::pair<int, int> band(int a, int p) const;
    // Strokes along the axes, by layout pixel: the vertical (low nibble) and
    // horizontal (high nibble) stroke each pixel belongs to, as 1 + the
    // stroke's width code (p - 1) * 4 + the pixel's place in it; 0 none.
    std::uint8_t& marke(int x, int y) { return m_marken[std::size_t(y) * std::size_t(m_b) + std::size_t(x)]; }
    bool innen(int x, int y) const { return unsigned(x) < unsigned(m_b) && unsigned(y) < unsigned(m_h); }
    void markenLoeschen(QRect r, const Lage& l);
    void markieren(QRect r, bool senkrecht, int a, int p, const Lage& l);
    int R(int x) const { return kante(x, m_f); }
    int T(int x) const { return int(std::floor((x + 0.5) / m_f)); }
    // The device column where a fill starting at the layout column x (in
    // the layout row y) begins, and where one ending before x ends.
    int linkeKante(int x, int y) const;
    int rechteKante(int x, int y) const;
    int obereKante(int x, int y) const;
    int untereKante(int x, int y) const;

    // The last source drawn apart for an AND copy.
    struct Zwischenbild
    {
        Stand quelle;
        QPoint versatz;
        QRect kasten;
        QImage bild;
    };
    Zwischenbild m_zwischen;
    QImage& m_ziel;
    int m_b, m_h;
    double m_f;
    int m_w1;  // W(1)
    std::vector<std::uint8_t> m_marken;
};

}  // namespace Fein
