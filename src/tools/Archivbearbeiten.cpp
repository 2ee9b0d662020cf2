#include "tools/Archivbearbeiten.h"

#include "app/Fenster.h"
#include "pages/Hilfe.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"
#include "sim/Simulatorzustand.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Selects or deselects a radio button from code without running its action.
void stillSetzen(QRadioButton* r, bool an)
{
    const QSignalBlocker still(r);
    // A radio button alone in its panel could not be deselected otherwise.
    r->setAutoExclusive(false);
    r->setChecked(an);
    r->setAutoExclusive(true);
}

}  // namespace

TFormArchivbearbeiten::TFormArchivbearbeiten(Simulatorzustand& zustand)
    : m_zustand(zustand)
{
    fensterAnlegen(this, QStringLiteral("FormArchivbearbeiten"), tr("CT Picture"), Rahmen::NurSchliessen, Lage::Feld);
    setzeClientgroesse(this, 337, 210);
    setzeZweitesSymbol(this);

    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("Save as"), 18, 8);
    Label2 = bezeichnung(this, QStringLiteral("Label2"), tr("Delete from"), 134, 8);
    Label3 = bezeichnung(this, QStringLiteral("Label3"), tr("Load from"), 253, 8);
    QFrame** rahmen[3] = {&Bevel1, &Bevel2, &Bevel3};
    for (int s = 0; s < 3; ++s) {
        auto* f = new QFrame(this);
        f->setObjectName(QStringLiteral("Bevel%1").arg(s + 1));
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        f->setGeometry(8 + 112 * s, 32, 97, 129);
        *rahmen[s] = f;
    }

    // A screen reader names each button by its column: "Save as picture 2".
    const auto spalte = [this](int x, const QString& vorsilbe, std::array<QRadioButton*, 5>& knoepfe, bool frei,
                               const char* zweck) {
        for (int k = 1; k <= 5; ++k) {
            auto* platz = new Panel(this, QStringLiteral("Panel%1%2").arg(vorsilbe.right(1)).arg(k), x,
                                    40 + 24 * (k - 1), 80, 20, palette().color(QPalette::Window));
            // The third save button carries its name with a small b.
            const QString name = vorsilbe == QStringLiteral("Bild0") && k == 3
                                     ? QStringLiteral("Bild03button")
                                     : QStringLiteral("%1%2Button").arg(vorsilbe).arg(k);
            QRadioButton* r = optionsfeld(platz, name, tr("Picture %1").arg(k), 0, 0);
            r->setProperty("autoSize", false);
            r->setGeometry(0, 0, 80, 20);
            r->setEnabled(frei);
            r->setAccessibleName(tr(zweck).arg(k));
            knoepfe[std::size_t(k - 1)] = r;
        }
    };
    spalte(16, QStringLiteral("Bild0"), m_speichern, true, QT_TR_NOOP("Save as picture %1"));
    spalte(128, QStringLiteral("Bild1"), m_loeschen, false, QT_TR_NOOP("Delete picture %1"));
    spalte(240, QStringLiteral("Bild2"), m_laden, false, QT_TR_NOOP("Load picture %1"));
    Bild01Button = m_speichern[0];
    Bild02Button = m_speichern[1];
    Bild03button = m_speichern[2];
    Bild04Button = m_speichern[3];
    Bild05Button = m_speichern[4];
    Bild11Button = m_loeschen[0];
    Bild12Button = m_loeschen[1];
    Bild13Button = m_loeschen[2];
    Bild14Button = m_loeschen[3];
    Bild15Button = m_loeschen[4];
    Bild21Button = m_laden[0];
    Bild22Button = m_laden[1];
    Bild23Button = m_laden[2];
    Bild24Button = m_laden[3];
    Bild25Button = m_laden[4];

    EndeButton = knopf(this, QStringLiteral("EndeButton"), tr("Close"), 73, 176, 75, 25);
    HilfeButton = knopf(this, QStringLiteral("HilfeButton"), tr("Help"), 190, 176, 75, 25);

    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        connect(m_speichern[i], &QRadioButton::toggled, this, [this, k](bool an) {
            if (an)
                m_zustand.FachSpeichern(k);
        });
        connect(m_loeschen[i], &QRadioButton::toggled, this, [this, k](bool an) {
            if (an)
                m_zustand.FachLoeschen(k);
        });
        connect(m_laden[i], &QRadioButton::toggled, this, [this, k](bool an) {
            if (!an)
                return;
            m_zustand.FachLaden(k);
            for (int j = 1; j <= 5; ++j)
                if (j != k)
                    stillSetzen(Ladeknopf(j), false);
        });
    }
    connect(EndeButton, &QPushButton::clicked, this, &TFormArchivbearbeiten::EndeButtonClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TFormArchivbearbeiten::HilfeButtonClick);
    connect(&m_zustand, &Simulatorzustand::fachGespeichert, this, &TFormArchivbearbeiten::Gespeichert);
    connect(&m_zustand, &Simulatorzustand::fachGeloescht, this, &TFormArchivbearbeiten::Geloescht);
    // A scan's picture cannot be saved, loaded or deleted while it is made.
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &QWidget::close);

    aufBildschirmZentrieren(this);
}

QRadioButton* TFormArchivbearbeiten::Speicherknopf(int k) const
{
    return k >= 1 && k <= 5 ? m_speichern[std::size_t(k - 1)] : nullptr;
}

QRadioButton* TFormArchivbearbeiten::Loeschknopf(int k) const
{
    return k >= 1 && k <= 5 ? m_loeschen[std::size_t(k - 1)] : nullptr;
}

QRadioButton* TFormArchivbearbeiten::Ladeknopf(int k) const
{
    return k >= 1 && k <= 5 ? m_laden[std::size_t(k - 1)] : nullptr;
}

void TFormArchivbearbeiten::Gespeichert(int k)
{
    stillSetzen(Speicherknopf(k), true);
    Loeschknopf(k)->setEnabled(true);
    Ladeknopf(k)->setEnabled(true);
}

void TFormArchivbearbeiten::Geloescht(int k)
{
    for (QRadioButton* r : {Speicherknopf(k), Loeschknopf(k), Ladeknopf(k)})
        stillSetzen(r, false);
    Loeschknopf(k)->setEnabled(false);
    Ladeknopf(k)->setEnabled(false);
}

void TFormArchivbearbeiten::EndeButtonClick()
{
    close();
}

void TFormArchivbearbeiten::HilfeButtonClick()
{
    FormHilfe->HilfeZeigen(TFormHilfe::Computertomographie, 1367);
}
