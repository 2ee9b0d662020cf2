#include "tools/Archiv.h"

#include "app/Fenster.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"

#include <QAction>

TFormArchiv::TFormArchiv()
{
    setObjectName(QStringLiteral("FormArchiv"));
    setWindowTitle(QStringLiteral(" Computer Tomography"));
    fensterart(this, Rahmen::MitMaximieren, true);
    setFont(arial(13));
    setzeClientgroesse(this, 544, 306);
    setzeZweitesSymbol(this);

    // The six pictures at their places, sized by the screen width.
    const int seite = Bildschirm::breite() == 1024 ? 337 : 229;
    const QPoint orte[6] = {{16, 40}, {270, 40}, {542, 40}, {16, 344}, {270, 344}, {542, 344}};
    Bildanzeige** bilder[6] = {&Image0, &Image1, &Image2, &Image3, &Image4, &Image5};
    for (int k = 0; k < 6; ++k) {
        *bilder[k] = new Bildanzeige(this, QStringLiteral("Image%1").arg(k));
        (*bilder[k])->setGeometry(orte[k].x(), orte[k].y(), seite, seite);
        (*bilder[k])->flaecheAnpassen();
    }
    Form12->RasterZeichnen(Image0);
    for (int k = 1; k <= 5; ++k)
        Form12->BildZeichnen(Bild(k));
    aufBildschirmZentrieren(this);
}

Bildanzeige* TFormArchiv::Bild(int k) const
{
    switch (k) {
    case 0: return Image0;
    case 1: return Image1;
    case 2: return Image2;
    case 3: return Image3;
    case 4: return Image4;
    case 5: return Image5;
    default: return nullptr;
    }
}

void TFormArchiv::BildSpeichern(int)
{
}

// Empties slot k as far as the simulator shows it: its menu items, its
// picture and, if it is the one on screen, the picture name.
void TFormArchiv::BildLoeschen(int k)
{
    if (k < 1 || k > 5)
        return;
    const std::size_t i = std::size_t(k - 1);
    Form12->BildSpeichern[i]->setChecked(false);
    Form12->BildLoeschen[i]->setEnabled(false);
    Form12->BildLaden[i]->setEnabled(false);
    Form12->BildZeichnen(Bild(k));
    if (Form12->Archivbildnummer == k)
        Form12->setzeStatustext(0, QStringLiteral("Bild: unbenannt"));
}

void TFormArchiv::BildLaden(int)
{
}
