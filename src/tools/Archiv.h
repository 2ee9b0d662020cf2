#pragma once

#include <QWidget>
#include <array>

class Bildanzeige;

class TFormArchiv : public QWidget
{
    Q_OBJECT
public:
    TFormArchiv();

    // The pattern of the last scan (Image0) and the pictures of slots 1 to 5.
    Bildanzeige* Image0;
    Bildanzeige* Image1;
    Bildanzeige* Image2;
    Bildanzeige* Image3;
    Bildanzeige* Image4;
    Bildanzeige* Image5;
    // Image0 ... Image5 by number.
    Bildanzeige* Bild(int k) const;

    // The slot operations the simulator's menu and the pattern deletion use
    // (k = 1 ... 5). Saving and loading are filled in with the archive.
    void BildSpeichern(int k);
    void BildLoeschen(int k);
    void BildLaden(int k);
};
