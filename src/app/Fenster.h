#pragma once

// The program-wide references to the 39 windows. Every window is created once
// at start (Fenstersatz.cpp, in the order of the list below) and lives until
// the program ends; closing a window only hides it. Through these references
// any window reaches any other.

#include <vector>

// The window set, written once: class, reference and kind of every window, in
// the order of creation. The kinds: Seite, a page of the course (TForm0 to
// TForm11 and the simulator TForm12, in page order); Hilfsfenster, a
// reference or tool window that a page change and minimising close; Fenster,
// every other window.
#define QUORVEL_FENSTERSATZ(X)                                              \
    X(TFormHaupt, FormHaupt, Fenster)                                       \
    X(TFormAusstieg, FormAusstieg, Fenster)                                 \
    X(TFormHilfe, FormHilfe, Hilfsfenster)                                  \
    X(TFormAnfang, FormAnfang, Fenster)                                     \
    X(TForm0, Form0, Seite)                                                 \
    X(TForm1, Form1, Seite)                                                 \
    X(TForm2, Form2, Seite)                                                 \
    X(TForm3, Form3, Seite)                                                 \
    X(TForm4, Form4, Seite)                                                 \
    X(TForm5, Form5, Seite)                                                 \
    X(TForm6, Form6, Seite)                                                 \
    X(TForm7, Form7, Seite)                                                 \
    X(TForm8, Form8, Seite)                                                 \
    X(TForm9, Form9, Seite)                                                 \
    X(TForm10, Form10, Seite)                                               \
    X(TForm11, Form11, Seite)                                               \
    X(TFormKorrektur, FormKorrektur, Fenster)                               \
    X(TForm12, Form12, Seite)                                               \
    X(TFormProgressBar, FormProgressBar, Fenster)                           \
    X(TFormArchiv, FormArchiv, Hilfsfenster)                                \
    X(TFormGraucode, FormGraucode, Hilfsfenster)                            \
    X(TFormFilter, FormFilter, Hilfsfenster)                                \
    X(TFormPause, FormPause, Fenster)                                       \
    X(TFormBilder38, FormBilder38, Hilfsfenster)                            \
    X(TFormBilder56, FormBilder56, Hilfsfenster)                            \
    X(TFormQuellen, FormQuellen, Hilfsfenster)                              \
    X(TFormInfo, FormInfo, Hilfsfenster)                                    \
    X(TFormLexikonComputertomograph, FormLexikonComputertomograph, Hilfsfenster) \
    X(TFormLexikonFilter, FormLexikonFilter, Hilfsfenster)                  \
    X(TFormEingabe, FormEingabe, Hilfsfenster)                              \
    X(TFormLexikonRoentgenstrahlung, FormLexikonRoentgenstrahlung, Hilfsfenster) \
    X(TFormEinstellungen, FormEinstellungen, Fenster)                       \
    X(TFormHinweis, FormHinweis, Fenster)                                   \
    X(TFormBilderLunge, FormBilderLunge, Hilfsfenster)                      \
    X(TFormFalsch, FormFalsch, Fenster)                                     \
    X(TFormDanksagung, FormDanksagung, Hilfsfenster)                        \
    X(TFormBilderGehirn, FormBilderGehirn, Hilfsfenster)                    \
    X(TFormArchivbearbeiten, FormArchivbearbeiten, Fenster)                 \
    X(TFormSinogramm, FormSinogramm, Hilfsfenster)

#define QUORVEL_KLASSE(Klasse, Name, Art) class Klasse;
QUORVEL_FENSTERSATZ(QUORVEL_KLASSE)
#undef QUORVEL_KLASSE

#define QUORVEL_REFERENZ(Klasse, Name, Art) extern Klasse* Name;
QUORVEL_FENSTERSATZ(QUORVEL_REFERENZ)
#undef QUORVEL_REFERENZ

class QWidget;

namespace Fenstersatz {

// Creates the 39 windows in their fixed order; each window's constructor is
// its creation handler and may use the windows created before it.
void erzeugen();
// Shows the main window, full screen; it shows the start window on top.
void starten();
// Destroys the whole set in reverse order and clears the references (tests
// use it to start from a fresh program state).
void abbauen();
// Page k (0 to 12) as a plain window, for code that only shows and hides it.
QWidget* seite(int k);
// The simulator (page 12) as a plain window: the tools stand below it.
QWidget* simulator();
// The reference and tool windows that a page change and minimising close, in
// the order of creation.
std::vector<QWidget*> hilfsfenster();
// Every window of the set, in the order of creation.
std::vector<QWidget*> alle();

}  // namespace Fenstersatz
