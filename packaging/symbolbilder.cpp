// Renders an SVG picture into a square PNG picture of the given size, for the
// program's icon in the sizes of the icon theme. Runs while building.
//   symbolbilder <picture.svg> <size> <picture.png>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Builds run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    const QStringList argumente = QGuiApplication::arguments();
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
    if (!bild.save(argumente[3], "PNG")) {
        std::fprintf(stderr, "symbolbilder: cannot write %s\n", qPrintable(argumente[3]));
        return 1;
    }
    return 0;
}
