#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

// Pictures from the resources. SVG pictures are rendered at the size asked
// for (or their own size), so they stay crisp at both layouts.
QImage ladeBild(const QString& pfad, QSize groesse = {});

// An 8-bit gray picture (breite x hoehe levels, row by row from the top) as a
// picture of the program: level v becomes the colour (v, v, v).
QImage ausGrauwerten(int breite, int hoehe, const std::uint8_t* grau);
