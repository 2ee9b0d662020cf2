#include "platform/Bilder.h"

#include "platform/Sprache.h"

#include <QPainter>
#include <QSvgRenderer>

QImage ladeBild(const QString& designpfad, QSize groesse, qreal pixelverhaeltnis)
{
    const QString pfad = Sprache::datei(designpfad);
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

QImage ausGrauwerten(int breite, int hoehe, const std::uint8_t* grau)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const int v = grau[std::size_t(y) * std::size_t(breite) + std::size_t(x)];
            zeile[x] = qRgb(v, v, v);
        }
    }
    return bild;
}
