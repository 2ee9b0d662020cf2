#include "platform/Bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QImage ladeBild(const QString& pfad, QSize groesse, qreal pixelverhaeltnis)
{
    if (pfad.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(pfad);
        if (!svg.isValid())
            return {};
        if (!groesse.isValid() || groesse.isEmpty())
            groesse = svg.defaultSize();
        if (pixelverhaeltnis != 1)
            groesse = (QSizeF(groesse) * pixelverhaeltnis).toSize();
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
        {
            QPainter maler(&bild);
            maler.setRenderHint(QPainter::Antialiasing, true);
            svg.render(&maler);
        }
        if (pixelverhaeltnis != 1)
            bild.setDevicePixelRatio(pixelverhaeltnis);
        return bild;
    }
    QImage bild(pfad);
    if (bild.isNull())
        return {};
    if (groesse.isValid() && !groesse.isEmpty() && groesse != bild.size())
        bild = bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bild.convertToFormat(QImage::Format_RGB32);
}
