#include "tools/Archiv.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "platform/Bildanzeige.h"
#include "platform/Bildschirm.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Einstellungen.h"
#include "tools/Archivbearbeiten.h"
#include "tools/Eingabe.h"
#include "tools/Graucode.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

namespace {

// The scroll ranges of the window; the content reaches further where the
// pictures are larger.
constexpr int Breitenbereich = 784;
constexpr int Hoehenbereich = 562;

void setzeBeschriftung(QLabel* l, const QString& text)
{
    l->setText(text);
    l->adjustSize();
}

}  // namespace

TFormArchiv::TFormArchiv()
{
    setObjectName(QStringLiteral("FormArchiv"));
    setWindowTitle(QStringLiteral(" Computer Tomography"));
    fensterart(this, Rahmen::MitMaximieren, true);
    // The small type of the slot headers lets "Picture 1" end where the
    // slot's angle step begins.
    setFont(arial(11));
    weissHinterlegen(this);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setzeAussengroesse(this, 552, 333);
    setzeZweitesSymbol(this);

    Rollflaeche = new QScrollArea(this);
    Rollflaeche->setObjectName(QStringLiteral("Rollflaeche"));
    Rollflaeche->setFrameShape(QFrame::NoFrame);
    Rollflaeche->setWidgetResizable(false);
    Inhalt = new QWidget;
    Inhalt->setObjectName(QStringLiteral("Inhalt"));
    weissHinterlegen(Inhalt);
    Inhalt->setContextMenuPolicy(Qt::DefaultContextMenu);

    Label0 = bezeichnung(Inhalt, QStringLiteral("Label0"), QStringLiteral("Pattern"), 16, 12);

    // The six pictures at their places, sized by the real screen width.
    const int seite = Bildschirm::breite() == 1024 ? 337 : 229;
    const QPoint orte[6] = {{16, 40}, {270, 40}, {542, 40}, {16, 344}, {270, 344}, {542, 344}};
    Bildanzeige** bilder[6] = {&Image0, &Image1, &Image2, &Image3, &Image4, &Image5};
    for (int k = 0; k < 6; ++k) {
        *bilder[k] = new Bildanzeige(Inhalt, QStringLiteral("Image%1").arg(k));
        (*bilder[k])->setGeometry(orte[k].x(), orte[k].y(), seite, seite);
        (*bilder[k])->flaecheAnpassen();
    }

    const QPoint kopforte[5] = {{270, 5}, {542, 0}, {16, 309}, {270, 309}, {542, 309}};
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        const int breite = kopforte[i].x() == 542 ? 241 : 243;
        Panel* p = new Panel(Inhalt, QStringLiteral("Panel%1").arg(k), kopforte[i].x(), kopforte[i].y(), breite, 33);
        Panels[i] = p;
        Labels[i] = bezeichnung(p, QStringLiteral("Label%1").arg(k), QStringLiteral("Picture %1").arg(k), 4, 8);
        LabelsSchritte[i] = bezeichnung(p, QStringLiteral("Label%1Schritte").arg(k), QString(), 48, 1);
        LabelsFaltung[i] = bezeichnung(p, QStringLiteral("Label%1Faltung").arg(k), QString(), 152, 1);
        LabelsFilter[i] = bezeichnung(p, QStringLiteral("Label%1Filter").arg(k), QString(), 48, 17);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Schliessen = PopupMenu1->addAction(QStringLiteral("&Close Archive"));
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    // Shown in the menu; the key itself is taken in event(), before the
    // simulator's own Ctrl+S.
    Schliessen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Schliessen, &QAction::triggered, this, &TFormArchiv::SchliessenClick);
    Loeschen = PopupMenu1->addMenu(QStringLiteral("&Delete"));
    Loeschen->setObjectName(QStringLiteral("Loeschen"));
    Laden = PopupMenu1->addMenu(QStringLiteral("Lo&ad"));
    Laden->setObjectName(QStringLiteral("Laden"));
    Ladegruppe = new QActionGroup(this);
    Ladegruppe->setExclusive(true);
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        QAction* l = Loeschen->addAction(QStringLiteral("Picture &%1").arg(k));
        l->setObjectName(QStringLiteral("Bild1%1").arg(k));
        l->setEnabled(false);
        // The pop-up acts on the archive only between scans.
        connect(l, &QAction::triggered, this, [k] {
            if (!Form12->Modell.Laeuft)
                FormArchiv->BildLoeschen(k);
        });
        Loeschpunkte[i] = l;

        QAction* a = Laden->addAction(QStringLiteral("Picture &%1").arg(k));
        a->setObjectName(QStringLiteral("Bild2%1").arg(k));
        a->setCheckable(true);
        a->setEnabled(false);
        Ladegruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, k, a] {
            if (!Form12->Modell.Laeuft)
                BildLaden(k);
            // The mark shows the slot the simulator shows.
            a->setChecked(Form12->BildLaden[std::size_t(k - 1)]->isChecked());
        });
        // It follows the simulator's own load items, which a load selects
        // and deleting the CT picture deselects.
        connect(Form12->BildLaden[i], &QAction::toggled, a, &QAction::setChecked);
        Ladepunkte[i] = a;
    }

    if (Bildschirmbreite == 1024)
        anordnen();
    Inhalt->resize(Inhalt->childrenRect().united(QRect(0, 0, Breitenbereich, Hoehenbereich)).size());
    Rollflaeche->setWidget(Inhalt);
    Rollflaeche->setGeometry(rect());

    Form12->RasterZeichnen(Image0);
    for (int k = 1; k <= 5; ++k)
        Form12->BildZeichnen(Bild(k));
    aufBildschirmZentrieren(this);
}

// The layout of the 1024 x 768 screen: three columns over the whole width,
// slots 1 and 2 beside the pattern, slots 3 to 5 below.
void TFormArchiv::anordnen()
{
    const int spalten[3] = {0, (1024 - 337) / 2, 1024 - 337};
    Image0->move(spalten[0], 33);
    Image1->move(spalten[1], 33);
    Image2->move(spalten[2], 33);
    Image3->move(spalten[0], 407);
    Image4->move(spalten[1], 407);
    Image5->move(spalten[2], 407);
    Label0->move(0, 11);
    for (int k = 1; k <= 5; ++k)
        Panels[std::size_t(k - 1)]->move(Bild(k)->x(), k <= 2 ? 0 : 374);
    setzeAussengroesse(this, 700, 400);
}

void TFormArchiv::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (Rollflaeche)
        Rollflaeche->setGeometry(rect());
}

Bildanzeige* TFormArchiv::Bild(int k) const
{
    switch (k) {
    case 0: return Image0;
    case 1: return Image1;
    case 2: return Image2;
    case 3: return Image3;
    case 4: return Image4;
    case 5: return Image5;
    default: return nullptr;
    }
}

void TFormArchiv::BildSpeichern(int k)
{
    if (k < 1 || k > 5)
        return;
    const std::size_t i = std::size_t(k - 1);
    TForm12* s = Form12;
    const ct::Simulator& m = s->Modell;

    s->BildSpeichern[i]->setChecked(true);
    s->BildLoeschen[i]->setEnabled(true);
    s->BildLaden[i]->setEnabled(true);

    FormArchivbearbeiten->Gespeichert(k);

    Bildanzeige* bild = Bild(k);
    bild->flaeche().copyRect(bild->rect(), s->Image3->flaeche(), s->Image3->rect());
    bild->aktualisieren();
    Loeschpunkte[i]->setEnabled(true);
    Ladepunkte[i]->setEnabled(true);

    Archivbild& f = m_faecher[i];
    f.belegt = true;
    f.Bild = s->Image3->flaeche().bild().copy();
    Bildinformation& info = f.Information;
    info.Bildname = s->Statustext(0);
    info.Darstellung = s->Statustext(1);
    info.Verlauf = s->Statustext(2);
    info.Winkelschritt = m.Winkelschritt;
    info.Faltung = s->Statustext(5);
    info.Filternummer = m.Filternummer;
    if (m.Filternummer == 8)
        info.Kerntexte = FormEingabe->Feldtexte();
    info.Bildmaximum = m.Bildmaximum;
    info.Bildminimum = m.Bildminimum;
    info.Schieberposition = FormGraucode->Schieberposition;
    f.CTBild = m.CTBild;
    if (m.Filternummer != 0)
        f.FilterBild = m.FilterBild;

    // "Drehwinkel: 2 Grad" gives "2 Grad Schritte". Until a setting is
    // applied the panel still shows its first text, which has no such
    // prefix; the step then comes from the angle step itself.
    const QString winkel = s->Statustext(3);
    const QString schritte = winkel.startsWith(QStringLiteral("Drehwinkel: "))
                                 ? winkel.mid(12)
                                 : QStringLiteral("%1 Grad").arg(m.Winkelschritt);
    setzeBeschriftung(LabelsSchritte[i], schritte + QStringLiteral(" Schritte"));
    setzeBeschriftung(LabelsFaltung[i], s->Statustext(5));
    setzeBeschriftung(LabelsFilter[i], s->Statustext(4).mid(8));
}

void TFormArchiv::BildLoeschen(int k)
{
    if (k < 1 || k > 5)
        return;
    const std::size_t i = std::size_t(k - 1);
    TForm12* s = Form12;
    s->BildSpeichern[i]->setChecked(false);
    s->BildLoeschen[i]->setEnabled(false);
    s->BildLaden[i]->setEnabled(false);

    FormArchivbearbeiten->Geloescht(k);

    s->BildZeichnen(Bild(k));
    Loeschpunkte[i]->setEnabled(false);
    Ladepunkte[i]->setEnabled(false);

    if (s->Archivbildnummer == k)
        s->setzeStatustext(0, QStringLiteral("Bild: unbenannt"));

    setzeBeschriftung(LabelsSchritte[i], QString());
    setzeBeschriftung(LabelsFaltung[i], QString());
    setzeBeschriftung(LabelsFilter[i], QString());
    // The data stay, out of reach until the slot is saved again.
    m_faecher[i].belegt = false;
}

void TFormArchiv::BildLaden(int k)
{
    if (k < 1 || k > 5)
        return;
    const std::size_t i = std::size_t(k - 1);
    const Archivbild& f = m_faecher[i];
    TForm12* s = Form12;
    ct::Simulator& m = s->Modell;
    // An empty slot has nothing to load, and a running scan owns the picture.
    if (!f.belegt || m.Laeuft)
        return;

    s->Archivbildnummer = k;

    m.CTBild = f.CTBild;
    // The slot's look (its values, gray-scale position and picture) comes
    // back twice: here, and once more after the filter choice below, whose
    // action re-filters the picture, resets the knob and re-colours whenever
    // another filter was chosen before. A load shows what was saved,
    // whatever was chosen before.
    const auto aussehenHerstellen = [s, &m, &f] {
        m.Bildmaximum = f.Information.Bildmaximum;
        m.Bildminimum = f.Information.Bildminimum;
        FormGraucode->Schieberposition = f.Information.Schieberposition;
        FormGraucode->Schieber(f.Information.Schieberposition);
        Bildanzeige* flaeche = s->Image3;
        flaeche->flaeche().copyRect(flaeche->rect(), f.Bild, f.Bild.rect());
        flaeche->aktualisieren();
    };
    aussehenHerstellen();

    // "Start" does nothing until the CT picture is deleted; the picture can
    // be deleted as after a scan.
    setzeTag(s->StartButton, 1);
    s->StartButton->setEnabled(false);
    s->CTLoeschenButton->setEnabled(true);

    Bildinformation info = f.Information;
    // The display panel's first text means "every step" as much as the text
    // the setting writes; restoring it must not switch to "At the end".
    if (info.Darstellung == QStringLiteral("Display: Every step"))
        info.Darstellung = QStringLiteral("Darstellung: jeder Schritt");
    s->EinstellungsCheck(info);

    s->FilterEinstellungen(m.Filternummer);
    if (m.Filternummer != 0)
        m.FilterBild = f.FilterBild;
    if (m.Filternummer == 8)
        FormEingabe->setzeFeldtexte(f.Information.Kerntexte);
    // The filtered picture is the one shown whenever the slot has a filter,
    // also when the filter choice above did not have to run (an own kernel):
    // the gray-scale window then works on it.
    m.FilterAktiv = m.Filternummer != 0;
    aussehenHerstellen();

    s->setzeStatustext(0, QStringLiteral("Bild: Archivbild %1").arg(k));
    s->BildLaden[i]->setChecked(true);

    TFormEinstellungen* e = FormEinstellungen;
    for (QRadioButton* r : {e->Winkel1, e->Winkel2, e->Winkel10, e->Winkel45, e->Winkel90, e->Alles, e->Zwischenstufe,
                            e->Endergebnis, e->mitFaltung, e->ohneFaltung})
        r->setEnabled(false);

    s->Graucodezeigen->setEnabled(true);
    s->GraucodezeigenButton->setEnabled(true);
    s->Filterzeigen->setEnabled(true);
    s->FilterzeigenButton->setEnabled(true);

    const bool faltung = f.Information.Faltung == QStringLiteral("mit Faltung");
    (faltung ? e->mitFaltung : e->ohneFaltung)->setChecked(true);
    m.Faltung = faltung;
}

void TFormArchiv::SchliessenClick()
{
    if (Form12->isVisible())
        zeigenVorn(Form12);
    hide();
}

void TFormArchiv::contextMenuEvent(QContextMenuEvent* e)
{
    PopupMenu1->popup(e->globalPos());
    e->accept();
}

bool TFormArchiv::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(e);
        if (taste->key() == Qt::Key_S && (taste->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            e->accept();
            if (e->type() == QEvent::KeyPress)
                SchliessenClick();
            return true;
        }
    }
    return QWidget::event(e);
}
