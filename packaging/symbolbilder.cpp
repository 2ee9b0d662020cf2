// Renders an SVG picture into a square PNG picture of the given size, for the
// program's icon in the sizes of the icon theme. Runs while building.
//   symbolbilder <picture.svg> <size> <picture.png>
// Without an application object, Qt needs no display: enough for pictures
// without text, as icons are.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    bool zahl = false;
    const int groesse = argumente.size() == 4 ? argumente[2].toInt(&zahl) : 0;
    if (!zahl || groesse < 1) {
        std::fputs("usage: symbolbilder <picture.svg> <size> <picture.png>\n", stderr);
        return 2;
    }

    QSvgRenderer svg(argumente[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "symbolbilder: cannot read %s\n", qPrintable(argumente[1]));
        return 1;
    }
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    svg.render(&maler);  // the picture's view box fills the whole square
    maler.end();
    if (!QDir().mkpath(QFileInfo(argumente[3]).absolutePath()) || !bild.save(argumente[3], "PNG")) {
        std::fprintf(stderr, "symbolbilder: cannot write %s\n", qPrintable(argumente[3]));
        return 1;
    }
    return 0;
}
