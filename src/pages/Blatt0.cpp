#include "pages/Blatt0.h"

#include "app/HauptBlatt.h"
#include "pages/Bausteine.h"
#include "platform/Bildanzeige.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TForm0::TForm0()
    : Kursseite(QStringLiteral("Form0"))
{
    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("Hello"), 35, 14);
    Namensfeld = eingabefeld(this, QStringLiteral("Namensfeld"), 70, 14, 169, 18);
    Namensfeld->setReadOnly(true);
    setzeRahmen(Namensfeld, false);
    Memo1 = Bausteine::memo(this, QStringLiteral("Memo1"), 14, 42, 499, 487, QStringLiteral("blatt0_memo1"));
    Bild1 = Bausteine::bild(this, QStringLiteral("Bild1"), 532, 88, 258, 356, {},
                            tr("Wilhelm Conrad Röntgen (1845 - 1923), who discovered X-rays in 1895"));
    seiteEinrichten();
    Bausteine::breiteSichern(Memo1);
    // The portrait is drawn for the exercise pages as well; one picture serves both.
    Bausteine::quelleSetzen(Bild1, QStringLiteral(":/course/portrait.svg"));
    fokusfalleFuerAlleTexte(this, WeiterButton);
}

void TForm0::FormActivate()
{
    (Lernmodus ? FormHaupt->Lernprogramm1 : FormHaupt->Demonstration1)->setChecked(true);
}
