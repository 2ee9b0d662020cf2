#pragma once

// The program-wide references to the 38 windows. Every window is created once
// at start (Fenstersatz.cpp, in this order) and lives until the program ends;
// closing a window only hides it. Through these references any window reaches
// any other.

class TFormHaupt;
class TFormAusstieg;
class TFormHilfe;
class TFormAnfang;
class TForm0;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TFormKorrektur;
class TForm12;
class TFormProgressBar;
class TFormArchiv;
class TFormGraucode;
class TFormFilter;
class TFormPause;
class TFormBilder38;
class TFormBilder56;
class TFormQuellen;
class TFormInfo;
class TFormLexikonComputertomograph;
class TFormLexikonFilter;
class TFormEingabe;
class TFormLexikonRoentgenstrahlung;
class TFormEinstellungen;
class TFormHinweis;
class TFormBilderLunge;
class TFormFalsch;
class TFormDanksagung;
class TFormBilderGehirn;
class TFormArchivbearbeiten;

extern TFormHaupt* FormHaupt;
extern TFormAusstieg* FormAusstieg;
extern TFormHilfe* FormHilfe;
extern TFormAnfang* FormAnfang;
extern TForm0* Form0;
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm9* Form9;
extern TForm10* Form10;
extern TForm11* Form11;
extern TFormKorrektur* FormKorrektur;
extern TForm12* Form12;
extern TFormProgressBar* FormProgressBar;
extern TFormArchiv* FormArchiv;
extern TFormGraucode* FormGraucode;
extern TFormFilter* FormFilter;
extern TFormPause* FormPause;
extern TFormBilder38* FormBilder38;
extern TFormBilder56* FormBilder56;
extern TFormQuellen* FormQuellen;
extern TFormInfo* FormInfo;
extern TFormLexikonComputertomograph* FormLexikonComputertomograph;
extern TFormLexikonFilter* FormLexikonFilter;
extern TFormEingabe* FormEingabe;
extern TFormLexikonRoentgenstrahlung* FormLexikonRoentgenstrahlung;
extern TFormEinstellungen* FormEinstellungen;
extern TFormHinweis* FormHinweis;
extern TFormBilderLunge* FormBilderLunge;
extern TFormFalsch* FormFalsch;
extern TFormDanksagung* FormDanksagung;
extern TFormBilderGehirn* FormBilderGehirn;
extern TFormArchivbearbeiten* FormArchivbearbeiten;

class QWidget;

namespace Fenstersatz {

// Creates the 38 windows in their fixed order; each window's constructor is
// its creation handler and may use the windows created before it.
void erzeugen();
// Shows the main window, maximised; it shows the start window on top.
void starten();
// Destroys the whole set in reverse order and clears the references (tests
// use it to start from a fresh program state).
void abbauen();
// Page k (0 to 12) as a plain window, for code that only shows and hides it.
QWidget* seite(int k);

}  // namespace Fenstersatz
