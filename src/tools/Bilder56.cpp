#include "tools/Bilder56.h"

TFormBilder56::TFormBilder56(Simulatorzustand& zustand)
    : Musterbibliothek(zustand, QStringLiteral("FormBilder56"), 56,
                       {QSize(283, 336), QSize(262, 284), 225, 304, 45, 152, 4},
                       {QSize(400, 478), QSize(374, 396), 337, 416, 100, 212, 6})
{
}
