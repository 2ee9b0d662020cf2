#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures from the resources. SVG pictures are rendered at the size asked
// for (or their own size), so they stay crisp at both layouts.
QImage ladeBild(const QString& pfad, QSize groesse = {});
