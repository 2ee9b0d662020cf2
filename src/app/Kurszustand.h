#pragma once

#include <QObject>

// The page numbers: the course pages 0 to 11, the simulator 12, and the
// number the current page has while the start window is up.
namespace Seiten {
constexpr int Startfenster = -1;
constexpr int LetzteKursseite = 11;
constexpr int Simulator = 12;
}  // namespace Seiten

// The states of minimising the program, with the values they have always had.
namespace Minimierung {
constexpr int Normal = 0;
constexpr int Verlangt = 1050;    // the learner asked to minimise
constexpr int Minimiert = 2050;   // minimised, the course windows hidden
}  // namespace Minimierung

// What the course is at: the current page, the minimising state, the
// learning mode, and whether "&New" and the mode items are on offer. The main
// window owns it and its menus follow the signals; the pages change it
// through their common base (Kursseite), never through the menus.
class Kurszustand : public QObject
{
    Q_OBJECT
public:
    // Seiten::Startfenster while the start window is up, else 0 to 12.
    int seite() const { return m_seite; }
    void setzeSeite(int k);

    int minimierung() const { return m_minimierung; }
    void setzeMinimierung(int zustand) { m_minimierung = zustand; }

    // true = Instruction, false = Demonstration. Setting it always announces
    // it, also unchanged: the menu shows it again.
    bool lernmodus() const { return m_lernmodus; }
    void setzeLernmodus(bool lernen);

    bool neuAngeboten() const { return m_neu; }
    void neuAnbieten(bool an);
    bool modiAngeboten() const { return m_modi; }
    void modiAnbieten(bool an);

signals:
    void seiteGeaendert(int k);
    void lernmodusGesetzt(bool lernen);
    void neuAngebotGeaendert(bool an);
    void modiAngebotGeaendert(bool an);

private:
    int m_seite = Seiten::Startfenster;
    int m_minimierung = Minimierung::Normal;
    bool m_lernmodus = true;
    bool m_neu = true;
    bool m_modi = true;
};
