#include "sim/Pause.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildschirm.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {
// A red rectangle with a black outline.
class Rechteck : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(Farben::Rot));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
}  // namespace

TFormPause::TFormPause()
{
    fensterAnlegen(this, QStringLiteral("FormPause"), QString(), Rahmen::Ohne, Lage::Feld);
    setzeClientgroesse(this, 67, 23);

    Shape1 = new Rechteck(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, 67, 23);
    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("PAUSE"), 5, 3, 16, true);
    // Clicks on the shape and the label reach the window, which closes.
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Skalierung::fensterSkalieren(this, Bildschirmbreite, Bildschirmhoehe);
    setzeClientgroesse(this, Form12->PauseButton->width() - 3, Form12->PauseButton->height() - 3);
    // Over the pause button; the scan area and the button both stand at the
    // layout's offset on the screen, which counts once.
    platzieren(this, QPoint(Form12->Untergrund1->x() + Form12->CTBedienPanel->x() + Form12->PauseButton->x() + 1
                                - Bildschirm::versatz(),
                            Form12->Untergrund1->y() + Form12->CTBedienPanel->y() + Form12->PauseButton->y() + 20));
}

void TFormPause::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    close();
}
