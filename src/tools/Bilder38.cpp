#include "tools/Bilder38.h"

TFormBilder38::TFormBilder38(Simulatorzustand& zustand)
    : Musterbibliothek(zustand, QStringLiteral("FormBilder38"), 38,
                       {QSize(285, 341), QSize(264, 288), 229, 308, 47, 152, 6},
                       {QSize(373, 448), QSize(343, 368), 305, 388, 78, 206, 8})
{
}
