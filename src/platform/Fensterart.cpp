#include "platform/Fensterart.h"

#include "platform/Bildschirm.h"
#include "platform/Steuerelemente.h"

#include <QApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QEventLoop>
#include <QIcon>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {
constexpr int RahmenBreite = 8;   // left and right frame together
constexpr int RahmenHoehe = 27;   // title bar and top and bottom frame together

bool hatRahmen(const QWidget* f)
{
    return f->property("rahmen").toInt() != int(Rahmen::Ohne);
}
}  // namespace

void fensterart(QWidget* fenster, Rahmen rahmen, bool obenhalten)
{
    Qt::WindowFlags flags = Qt::Window;
    switch (rahmen) {
    case Rahmen::Ohne:
        flags |= Qt::FramelessWindowHint;
        break;
    case Rahmen::NurSchliessen:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case Rahmen::OhneSymbole:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    case Rahmen::MitMinimieren:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
               | Qt::WindowMinimizeButtonHint;
        break;
    case Rahmen::MitMaximieren:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
               | Qt::WindowMaximizeButtonHint;
        break;
    }
    if (obenhalten)
        flags |= Qt::WindowStaysOnTopHint;
    fenster->setWindowFlags(flags);
    fenster->setProperty("rahmen", int(rahmen));
}

void fensterAnlegen(QWidget* fenster, const QString& name, const QString& titel, Rahmen rahmen, bool obenhalten)
{
    fenster->setObjectName(name);
    if (!titel.isEmpty())
        fenster->setWindowTitle(titel);
    fensterart(fenster, rahmen, obenhalten);
    fenster->setFont(arial(13));
    fenster->setContextMenuPolicy(Qt::NoContextMenu);
}

void setzeClientgroesse(QWidget* fenster, int breite, int hoehe)
{
    const int r = fenster->property("rahmen").toInt();
    if (r == int(Rahmen::NurSchliessen) || r == int(Rahmen::OhneSymbole) || r == int(Rahmen::MitMinimieren))
        fenster->setFixedSize(breite, hoehe);
    else {
        fenster->setMinimumSize(0, 0);
        fenster->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        fenster->resize(breite, hoehe);
    }
}

void setzeAussengroesse(QWidget* fenster, int breite, int hoehe)
{
    if (hatRahmen(fenster))
        setzeClientgroesse(fenster, breite - RahmenBreite, hoehe - RahmenHoehe);
    else
        setzeClientgroesse(fenster, breite, hoehe);
}

int aussenbreite(const QWidget* fenster)
{
    return fenster->width() + (hatRahmen(fenster) ? RahmenBreite : 0);
}

int aussenhoehe(const QWidget* fenster)
{
    return fenster->height() + (hatRahmen(fenster) ? RahmenHoehe : 0);
}

void aufBildschirmZentrieren(QWidget* fenster)
{
    const QRect r = Bildschirm::layoutrahmen();
    fenster->move(r.x() + (r.width() - aussenbreite(fenster)) / 2, r.y() + (r.height() - aussenhoehe(fenster)) / 2);
}

QRect layoutteil(const QWidget* vollbild)
{
    return Bildschirm::eingepasst() ? Bildschirm::layoutrahmen() : vollbild->rect();
}

QPoint untenMittig(const QWidget* vollbild, const QWidget* fenster)
{
    const QRect r = layoutteil(vollbild);
    return QPoint(r.x() + (r.width() - aussenbreite(fenster)) / 2, r.y() + r.height() - aussenhoehe(fenster));
}

QPoint obenRechts(const QWidget* fenster, int oben)
{
    const QRect r = Bildschirm::layoutrahmen();
    return QPoint(r.x() + r.width() - aussenbreite(fenster), r.y() + oben);
}

void setzeProgrammsymbol(QWidget* fenster)
{
    fenster->setWindowIcon(QIcon(QStringLiteral(":/app/icon.svg")));
}

void setzeZweitesSymbol(QWidget* fenster)
{
    fenster->setWindowIcon(QIcon(QStringLiteral(":/app/icon3.svg")));
}

void zeigenVorn(QWidget* fenster)
{
    fenster->show();
    nachVorn(fenster);
    fenster->activateWindow();
}

void nachVorn(QWidget* fenster)
{
    // The headless platform of the tests keeps no stacking order.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        fenster->raise();
}

namespace {
class VersteckWaechter : public QObject
{
public:
    explicit VersteckWaechter(QEventLoop* schleife) : m_schleife(schleife) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && m_schleife)
            m_schleife->quit();
        return false;
    }

private:
    QPointer<QEventLoop> m_schleife;
};
}  // namespace

void modalZeigen(QWidget* fenster)
{
    QEventLoop schleife;
    VersteckWaechter waechter(&schleife);
    const Qt::WindowModality vorher = fenster->windowModality();
    if (!fenster->isVisible()) {
        fenster->hide();  // modality can only change while hidden
        fenster->setWindowModality(Qt::ApplicationModal);
    }
    fenster->installEventFilter(&waechter);
    fenster->show();
    nachVorn(fenster);
    fenster->activateWindow();
    if (fenster->isVisible())
        schleife.exec();
    fenster->removeEventFilter(&waechter);
    if (!fenster->isVisible())
        fenster->setWindowModality(vorher);
}
