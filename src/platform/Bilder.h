#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

// Pictures from the resources. SVG pictures are rendered at the size asked
// for (or their own size), so they stay crisp at both layouts; with a pixel
// ratio above 1 they are rendered with that many device pixels per pixel of
// that size (for a scaled screen), and the picture carries the ratio.
QImage ladeBild(const QString& pfad, QSize groesse = {}, qreal pixelverhaeltnis = 1);

// An 8-bit gray picture (breite x hoehe levels, row by row from the top) as a
// picture of the program: level v becomes the colour (v, v, v).
QImage ausGrauwerten(int breite, int hoehe, const std::uint8_t* grau);
