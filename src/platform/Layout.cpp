#include "platform/Layout.h"

#include "platform/Bildschirm.h"

Layout::Werte& Layout::werte()
{
    static Werte w;
    return w;
}

int Layout::versatz()
{
    return Bildschirm::versatz();
}

void Layout::waehlen(int bildschirmbreite)
{
    const bool gross = bildschirmbreite >= 1024;
    werte() = gross ? Werte{1024, 768, 100} : Werte{800, 600, 80};
}
