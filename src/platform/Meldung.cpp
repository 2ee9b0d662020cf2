#include "platform/Meldung.h"

#include "platform/Fensterart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Meldung {

namespace {
Beantworter& beantworter()
{
    static Beantworter b;
    return b;
}

Antwort zeigen(Art art, const QString& text)
{
    if (beantworter())
        return beantworter()(art, text);
    // Over the main window, as its dialog, once there is one on the screen.
    QWidget* eltern = hauptfenster();
    QMessageBox box(eltern && eltern->isVisible() ? eltern : nullptr);
    box.setWindowTitle(art == Art::Fehler ? QCoreApplication::translate("Meldung", "Error")
                                           : QCoreApplication::translate("Meldung", "Confirm"));
    box.setIcon(art == Art::Fehler ? QMessageBox::Critical : QMessageBox::Question);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    if (art == Art::Fehler) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Antwort::OK;
    }
    QPushButton* abbrechen = box.addButton(QCoreApplication::translate("Meldung", "Abort"), QMessageBox::RejectRole);
    box.addButton(QCoreApplication::translate("Meldung", "Ignore"), QMessageBox::AcceptRole);
    box.setDefaultButton(abbrechen);
    box.setEscapeButton(abbrechen);
    box.exec();
    return box.clickedButton() == abbrechen ? Antwort::Abbrechen : Antwort::Ignorieren;
}
}  // namespace

QString zeilen(const QStringList& zeilen)
{
    return zeilen.join(QStringLiteral("\r\n"));
}

Antwort fehler(const QString& text)
{
    return zeigen(Art::Fehler, text);
}

Antwort bestaetigung(const QString& text)
{
    return zeigen(Art::Bestaetigung, text);
}

void setzeBeantworter(Beantworter b)
{
    beantworter() = std::move(b);
}

}  // namespace Meldung
