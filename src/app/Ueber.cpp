#include "app/Ueber.h"

#include "app/Version.h"
#include "platform/Fensterart.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QWidget>

namespace Ueber {

namespace {
QString absatz(const QString& text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// Over the main window, as its dialog, once there is one on the screen.
QWidget* eltern()
{
    QWidget* w = hauptfenster();
    return w && w->isVisible() ? w : nullptr;
}
}  // namespace

QString quorvelEintrag()
{
    return QCoreApplication::translate("Ueber", "A&bout Quorvel");
}

QString qtEintrag()
{
    return QCoreApplication::translate("Ueber", "About &Qt");
}

QString quorvelText()
{
    return QStringLiteral("<h3>Quorvel %1</h3>").arg(QStringLiteral(QUORVEL_VERSION))
         + absatz(QCoreApplication::translate(
               "Ueber", "A course on image reconstruction in computed tomography, with a scan simulator."))
         + absatz(QCoreApplication::translate("Ueber", "Copyright 2026 the Quorvel course team"))
         + absatz(QCoreApplication::translate(
               "Ueber", "Quorvel is free software: you can redistribute it and/or modify it under the terms of "
                        "the GNU General Public License, version 3 or (at your option) any later version "
                        "(GPL-3.0-or-later)."))
         + absatz(QCoreApplication::translate(
               "Ueber", "This program is distributed in the hope that it will be useful, but WITHOUT ANY "
                        "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A "
                        "PARTICULAR PURPOSE. See the GNU General Public License for more details."))
         + absatz(QCoreApplication::translate("Ueber", "Built with Qt %1, running on Qt %2.")
                      .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
}

void quorvelZeigen()
{
    QMessageBox box(eltern());
    box.setObjectName(QStringLiteral("UeberQuorvel"));
    box.setWindowTitle(QCoreApplication::translate("Ueber", "About Quorvel"));
    box.setTextFormat(Qt::RichText);
    box.setText(quorvelText());
    box.setIconPixmap(QIcon(QStringLiteral(":/app/icon.svg")).pixmap(QSize(64, 64), box.devicePixelRatio()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void qtZeigen()
{
    QMessageBox::aboutQt(eltern(), QCoreApplication::translate("Ueber", "About Qt"));
}

}  // namespace Ueber
