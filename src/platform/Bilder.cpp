#include "platform/Bilder.h"

#include <QPainter>
#include <QSvgRenderer>

QImage ladeBild(const QString& pfad, QSize groesse)
{
    if (pfad.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(pfad);
        if (!svg.isValid())
            return {};
        if (!groesse.isValid() || groesse.isEmpty())
            groesse = svg.defaultSize();
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing, true);
        svg.render(&maler);
        return bild;
    }
    QImage bild(pfad);
    if (bild.isNull())
        return {};
    if (groesse.isValid() && !groesse.isEmpty() && groesse != bild.size())
        bild = bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return bild.convertToFormat(QImage::Format_RGB32);
}
