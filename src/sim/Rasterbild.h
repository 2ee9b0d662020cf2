#pragma once

#include <QRgb>

class Bildanzeige;
class Zeichenflaeche;

// The grid pictures that the simulator and its tools draw alike, for a grid
// of n cells of c pixels: the pattern image, the archive's pattern copy and
// the libraries' previews show the grid; the picture area and the archive's
// slots show the picture frame.

// The empty grid: white over (n * c + 1) pixels square, black lines on the
// multiples of c.
void rasterZeichnen(Bildanzeige* bild, int n, int c);
// An empty picture frame: white with a black outline of n x c pixels.
void bildrahmenZeichnen(Bildanzeige* bild, int n, int c);
// The inside of one cell (column, row from 1) without its grid lines, pen and
// brush in `farbe`.
void zelleMalen(Zeichenflaeche& f, QRgb farbe, int spalte, int zeile, int c);
