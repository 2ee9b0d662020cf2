#include "app/Fenster.h"

#include "app/Ausstieg.h"
#include "app/BlattAnfang.h"
#include "app/HauptBlatt.h"
#include "course/Blatt11.h"
#include "course/Blatt6.h"
#include "course/Blatt7.h"
#include "course/Blatt8.h"
#include "course/Blatt9.h"
#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "pages/BilderGehirn.h"
#include "pages/BilderLunge.h"
#include "pages/Blatt0.h"
#include "pages/Blatt1.h"
#include "pages/Blatt10.h"
#include "pages/Blatt2.h"
#include "pages/Blatt3.h"
#include "pages/Blatt4.h"
#include "pages/Blatt5.h"
#include "pages/Danksagung.h"
#include "pages/Hilfe.h"
#include "pages/Info.h"
#include "pages/LexComputertomograph.h"
#include "pages/LexFilter.h"
#include "pages/LexRoentgenstrahlung.h"
#include "pages/Quellen.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "sim/Hinweis.h"
#include "sim/Pause.h"
#include "sim/ProgressBar.h"
#include "tools/Archiv.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Bilder38.h"
#include "tools/Bilder56.h"
#include "tools/BlattFilter.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"

#include <QWidget>

TFormHaupt* FormHaupt = nullptr;
TFormAusstieg* FormAusstieg = nullptr;
TFormHilfe* FormHilfe = nullptr;
TFormAnfang* FormAnfang = nullptr;
TForm0* Form0 = nullptr;
TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TFormKorrektur* FormKorrektur = nullptr;
TForm12* Form12 = nullptr;
TFormProgressBar* FormProgressBar = nullptr;
TFormArchiv* FormArchiv = nullptr;
TFormGraucode* FormGraucode = nullptr;
TFormFilter* FormFilter = nullptr;
TFormPause* FormPause = nullptr;
TFormBilder38* FormBilder38 = nullptr;
TFormBilder56* FormBilder56 = nullptr;
TFormQuellen* FormQuellen = nullptr;
TFormInfo* FormInfo = nullptr;
TFormLexikonComputertomograph* FormLexikonComputertomograph = nullptr;
TFormLexikonFilter* FormLexikonFilter = nullptr;
TFormEingabe* FormEingabe = nullptr;
TFormLexikonRoentgenstrahlung* FormLexikonRoentgenstrahlung = nullptr;
TFormEinstellungen* FormEinstellungen = nullptr;
TFormHinweis* FormHinweis = nullptr;
TFormBilderLunge* FormBilderLunge = nullptr;
TFormFalsch* FormFalsch = nullptr;
TFormDanksagung* FormDanksagung = nullptr;
TFormBilderGehirn* FormBilderGehirn = nullptr;
TFormArchivbearbeiten* FormArchivbearbeiten = nullptr;

namespace Fenstersatz {

namespace {
// Assigns the reference before the next window is created, so that every
// creation handler sees the windows made before it.
template <typename T>
void neu(T*& referenz)
{
    referenz = new T();
}

template <typename T>
void weg(T*& referenz)
{
    delete referenz;
    referenz = nullptr;
}
}  // namespace

void erzeugen()
{
    neu(FormHaupt);
    neu(FormAusstieg);
    neu(FormHilfe);
    neu(FormAnfang);
    neu(Form0);
    neu(Form1);
    neu(Form2);
    neu(Form3);
    neu(Form4);
    neu(Form5);
    neu(Form6);
    neu(Form7);
    neu(Form8);
    neu(Form9);
    neu(Form10);
    neu(Form11);
    neu(FormKorrektur);
    neu(Form12);
    neu(FormProgressBar);
    neu(FormArchiv);
    neu(FormGraucode);
    neu(FormFilter);
    neu(FormPause);
    neu(FormBilder38);
    neu(FormBilder56);
    neu(FormQuellen);
    neu(FormInfo);
    neu(FormLexikonComputertomograph);
    neu(FormLexikonFilter);
    neu(FormEingabe);
    neu(FormLexikonRoentgenstrahlung);
    neu(FormEinstellungen);
    neu(FormHinweis);
    neu(FormBilderLunge);
    neu(FormFalsch);
    neu(FormDanksagung);
    neu(FormBilderGehirn);
    neu(FormArchivbearbeiten);
}

void starten()
{
    FormHaupt->setWindowState(Qt::WindowMaximized);
    FormHaupt->show();
}

void abbauen()
{
    weg(FormArchivbearbeiten);
    weg(FormBilderGehirn);
    weg(FormDanksagung);
    weg(FormFalsch);
    weg(FormBilderLunge);
    weg(FormHinweis);
    weg(FormEinstellungen);
    weg(FormLexikonRoentgenstrahlung);
    weg(FormEingabe);
    weg(FormLexikonFilter);
    weg(FormLexikonComputertomograph);
    weg(FormInfo);
    weg(FormQuellen);
    weg(FormBilder56);
    weg(FormBilder38);
    weg(FormPause);
    weg(FormFilter);
    weg(FormGraucode);
    weg(FormArchiv);
    weg(FormProgressBar);
    weg(Form12);
    weg(FormKorrektur);
    weg(Form11);
    weg(Form10);
    weg(Form9);
    weg(Form8);
    weg(Form7);
    weg(Form6);
    weg(Form5);
    weg(Form4);
    weg(Form3);
    weg(Form2);
    weg(Form1);
    weg(Form0);
    weg(FormAnfang);
    weg(FormHilfe);
    weg(FormAusstieg);
    weg(FormHaupt);
}

QWidget* seite(int k)
{
    switch (k) {
    case 0: return Form0;
    case 1: return Form1;
    case 2: return Form2;
    case 3: return Form3;
    case 4: return Form4;
    case 5: return Form5;
    case 6: return Form6;
    case 7: return Form7;
    case 8: return Form8;
    case 9: return Form9;
    case 10: return Form10;
    case 11: return Form11;
    case 12: return Form12;
    default: return nullptr;
    }
}

}  // namespace Fenstersatz
