#include "app/BlattAnfang.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programmbilder.h"
#include "app/Version.h"
#include "pages/Blatt0.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Layout.h"
#include "platform/Skalierung.h"
#include "platform/Steuerelemente.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormAnfang::TFormAnfang()
{
    setObjectName(QStringLiteral("FormAnfang"));
    fensterart(this, Rahmen::Ohne, Lage::Flaeche);
    setFont(arial(13));
    weissHinterlegen(this);

    Bild1 = new Bildanzeige(this, QStringLiteral("Bild1"));
    Bild1->setGeometry(50, 50, 252, 300);
    Bild1->setToolTip(tr("Cross section of a human head"));
    Bild1->setAccessibleName(Bild1->toolTip());
    Bild1->setzeGestreckt(true);
    Panel1 = new Panel(this, QStringLiteral("Panel1"), 370, 50, 373, 4, QColor(Farben::Navy));
    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("Image Reconstruction"), 379, 87, 35, true);
    Label2 = bezeichnung(this, QStringLiteral("Label2"), tr("    in"), 510, 151, 35, true);
    Label3 = bezeichnung(this, QStringLiteral("Label3"), tr(" Computer Tomography"), 371, 215, 35, true);
    Panel2 = new Panel(this, QStringLiteral("Panel2"), 370, 344, 373, 4, QColor(Farben::Navy));
    LabelVersion = bezeichnung(this, QStringLiteral("LabelVersion"),
                               tr("            Quorvel %1 en\n"
                                  "The English edition was made possible\n"
                                  "by a grant for teaching in translation.")
                                   .arg(QStringLiteral(QUORVEL_VERSION)),
                               472, 290, 12);
    Label5 = bezeichnung(this, QStringLiteral("Label5"), tr("Please enter your name"), 464, 408);
    Namensfeld = eingabefeld(this, QStringLiteral("Namensfeld"), 477, 440, 160, 24);
    Namensfeld->setMaxLength(25);
    Namensfeld->setAccessibleName(tr("Your name"));
    Namensfeld->installEventFilter(this);
    SeiteWeiter = new Bildanzeige(this, QStringLiteral("SeiteWeiter"));
    SeiteWeiter->setToolTip(tr("Continue"));
    SeiteWeiter->setAccessibleName(tr("Next page"));
    SeiteWeiter->setzeKnopfart();
    SeiteWeiter->setCursor(Qt::PointingHandCursor);
    Pfeil = new Bildanzeige(this, QStringLiteral("Pfeil"));
    Pfeil->setAccessibleName(tr("Arrow to the page curl"));
    Pfeil->setGeometry(0, 0, 45, 30);
    Weiter = bezeichnung(this, QStringLiteral("Weiter"),
                         tr("With this curl in the page you can move through the lesson."), 0, 0);
    WeiterButton = knopf(this, QStringLiteral("WeiterButton"), tr("Continue"), 0, 0, 75, 25);
    connect(SeiteWeiter, &Bildanzeige::geklickt, this, &TFormAnfang::SeiteWeiterClick);

    // 1. frame (in the layout, which stands centred where the screen is wider)
    if (Layout::breite() == 1024)
        setGeometry(Bildschirm::versatz(), 18, 1024, 748);
    else
        setGeometry(Bildschirm::versatz(), 18, 800, 580);
    // 2. scale
    Skalierung::fensterSkalieren(this, Layout::breite(), Layout::hoehe());
    // the head picture, computed at the size it is shown
    Bild1->setzeBild(Programmbilder::kopfschnitt(Bild1->width(), Bild1->height()));
    // 3. focus sink off the window
    WeiterButton->move(-100, WeiterButton->y());
    // 4. the forward curl, the same picture as the main window's
    const int hoehe = Layout::breite() * 60 / 800;
    const int breite = Layout::breite() * 90 / 800;
    SeiteWeiter->setGeometry(Layout::breite() - breite, Layout::hoehe() - hoehe - 20, breite, hoehe);
    SeiteWeiter->setzeBildquelle(FormHaupt->SeiteWeiter->bildquelle(), FormHaupt->SeiteWeiter->bildquelleGespiegelt());
    // 5. the arrow pointing at it
    Pfeil->move(SeiteWeiter->x() - Pfeil->width(), SeiteWeiter->y() + (SeiteWeiter->height() - Pfeil->height()) / 2);
    Pfeil->setzeBildquelle(QStringLiteral(":/app/pfeil.svg"));
    // 6. the line of text left of the arrow
    Weiter->move(SeiteWeiter->x() - Pfeil->width() - Weiter->width() - 10,
                 SeiteWeiter->y() + (SeiteWeiter->height() - Weiter->height()) / 2 - 2);
    // 7.
    FormHaupt->Zustand.setzeLernmodus(true);
    Namensfeld->setFocus();
}

void TFormAnfang::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FormHaupt->Zustand.neuAnbieten(false);
    Namensfeld->setFocus();
}

bool TFormAnfang::eventFilter(QObject* o, QEvent* e)
{
    if (o == Namensfeld && e->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(e);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            // Enter starts the course, as the curl does.
            SeiteWeiterClick();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TFormAnfang::SeiteWeiterClick()
{
    FormHaupt->ZugNeu(0);
    hide();
    Form0->Namensfeld->setText(Namensfeld->text() + QStringLiteral(" !"));
}
