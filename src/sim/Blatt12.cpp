#include "sim/Blatt12.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QMenuBar>

TForm12::TForm12()
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Computer Tomography"));
    fensterart(this, Rahmen::Ohne, false);
    setFont(arial(13));
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    leiste->setNativeMenuBar(false);
    Datei = leiste->addMenu(QStringLiteral("&File"));
    Datei->setObjectName(QStringLiteral("Datei"));
    Neu1 = Datei->addAction(QStringLiteral("&New"));
    Neu1->setObjectName(QStringLiteral("Neu1"));
    Neu1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Minimieren1 = Datei->addAction(QStringLiteral("&Minimize"));
    Minimieren1->setObjectName(QStringLiteral("Minimieren1"));
    Datei->addSeparator();
    Zurueck = Datei->addAction(QStringLiteral("&Page back"));
    Zurueck->setObjectName(QStringLiteral("Zurueck"));
    Zurueck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Datei->addSeparator();
    Beenden = Datei->addAction(QStringLiteral("&Exit"));
    Beenden->setObjectName(QStringLiteral("Beenden"));
    Beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(Minimieren1, &QAction::triggered, this, &TForm12::Minimieren1Click);
    connect(Zurueck, &QAction::triggered, this, &TForm12::ZurueckClick);
    connect(Beenden, &QAction::triggered, this, &TForm12::BeendenClick);
    auto* flaeche = new QWidget(this);
    setCentralWidget(flaeche);
    setGeometry(0, 0, Bildschirm::breite(), Bildschirm::hoehe());
}

void TForm12::Minimieren1Click()
{
    FormHaupt->show();
    FormHaupt->MinimierenClick();
}

void TForm12::ZurueckClick()
{
    FormHaupt->show();
    FormHaupt->ZugNeu(11);
    FormHaupt->SeiteZurueck->show();
    hide();
}

void TForm12::BeendenClick()
{
    FormHaupt->BeendenClick();
}
