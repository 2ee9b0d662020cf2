#include "tools/Eingabe.h"

#include "app/Fenster.h"
#include "core/Filter.h"
#include "platform/Fensterart.h"
#include "platform/Meldung.h"
#include "platform/Steuerelemente.h"
#include "sim/Simulatorzustand.h"
#include "tools/BlattFilter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

// An integer as the weight fields hold it: an optional minus sign and digits.
bool ganzzahl(const QString& text, int& wert)
{
    if (text.isEmpty())
        return false;
    const int anfang = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (anfang == text.size())
        return false;
    for (int i = anfang; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    bool ok = false;
    wert = text.toInt(&ok);
    return ok;
}

}  // namespace

TFormEingabe::TFormEingabe(Simulatorzustand& zustand)
    : m_zustand(zustand)
{
    fensterAnlegen(this, QStringLiteral("FormEingabe"), tr("Input window for linear filters"), Rahmen::NurSchliessen, Lage::Feld);
    setzeClientgroesse(this, 271, 228);

    Label1 = bezeichnung(this, QStringLiteral("Label1"), tr("Enter the weighting factors here "), 7, 8);
    Label1->setProperty("autoSize", false);
    Label1->setGeometry(7, 8, 257, Label1->height());

    Panel1 = new Panel(this, QStringLiteral("Panel1"), 47, 40, 176, 137, palette().color(QPalette::Window));
    Panel1->setzeKanten(Panel::Kante::Vertieft, Panel::Kante::Erhaben);

    QLineEdit** felder[9] = {&Feld1, &Feld2, &Feld3, &Feld4, &Feld5, &Feld6, &Feld7, &Feld8, &Feld9};
    const int spalten[3] = {24, 72, 120};
    const int zeilen[3] = {21, 57, 94};
    for (int i = 0; i < 9; ++i) {
        QLineEdit* f = eingabefeld(Panel1, QStringLiteral("Feld%1").arg(i + 1), spalten[i % 3], zeilen[i / 3], 33, 24);
        f->setMaxLength(3);
        f->setAccessibleName(tr("Kernel row %1, column %2").arg(i / 3 + 1).arg(i % 3 + 1));
        f->setContextMenuPolicy(Qt::NoContextMenu);
        f->setAcceptDrops(false);
        f->installEventFilter(this);
        *felder[i] = f;
        m_felder[std::size_t(i)] = f;
    }

    UebernehmenButton =
        knopf(this, QStringLiteral("UebernehmenButton"), tr("Apply filter"), 20, 192, 108, 25);
    EndeButton = knopf(this, QStringLiteral("EndeButton"), tr("Abort"), 143, 192, 108, 25);

    for (int i = 0; i < 8; ++i)
        setTabOrder(m_felder[std::size_t(i)], m_felder[std::size_t(i + 1)]);
    setTabOrder(Feld9, UebernehmenButton);
    setTabOrder(UebernehmenButton, EndeButton);

    connect(UebernehmenButton, &QPushButton::clicked, this, &TFormEingabe::UebernehmenButtonClick);
    connect(EndeButton, &QPushButton::clicked, this, &TFormEingabe::EndeButtonClick);
    // The texts are the state's as they are typed, and come back from it
    // when an archived picture is loaded.
    for (QLineEdit* f : m_felder)
        connect(f, &QLineEdit::textChanged, this, [this] {
            if (!m_folgt)
                m_zustand.setzeKerntexte(Feldtexte());
        });
    connect(&m_zustand, &Simulatorzustand::kerntexteHergestellt, this, [this] {
        m_folgt = true;
        setzeFeldtexte(m_zustand.Kerntexte());
        m_folgt = false;
    });
    connect(&m_zustand, &Simulatorzustand::scanBegonnen, this, &QWidget::close);
}

std::array<QString, 9> TFormEingabe::Feldtexte() const
{
    std::array<QString, 9> texte;
    for (std::size_t i = 0; i < 9; ++i)
        texte[i] = m_felder[i]->text();
    return texte;
}

void TFormEingabe::setzeFeldtexte(const std::array<QString, 9>& texte)
{
    for (std::size_t i = 0; i < 9; ++i)
        m_felder[i]->setText(texte[i]);
}

void TFormEingabe::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    // Centred over the filter window, or over the place it takes when shown.
    const QPoint filterort = FormFilter->isVisible() ? aussenort(FormFilter) : untenMittig(Fenstersatz::simulator(), FormFilter);
    platzieren(this, QPoint(filterort.x() + (aussenbreite(FormFilter) - aussenbreite(this)) / 2,
                            filterort.y() + (aussenhoehe(FormFilter) - aussenhoehe(this)) / 2));
}

bool TFormEingabe::eventFilter(QObject* objekt, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !qobject_cast<QLineEdit*>(objekt))
        return QWidget::eventFilter(objekt, e);
    auto* taste = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers steuer =
        taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Enter moves on like Tab and is not typed.
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        focusNextChild();
        return true;
    }
    if (taste->key() == Qt::Key_Backspace)
        return steuer != Qt::NoModifier;
    // Nothing comes in by pasting either.
    if (taste->matches(QKeySequence::Paste))
        return true;
    // Keys that type nothing keep their work: Tab, Delete, the arrows.
    const QString text = taste->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    const QChar z = text.at(0);
    const bool erlaubt = steuer == Qt::NoModifier && text.size() == 1
                         && ((z >= QLatin1Char('0') && z <= QLatin1Char('9')) || z == QLatin1Char('-'));
    return !erlaubt;
}

void TFormEingabe::UebernehmenButtonClick()
{
    // A running scan owns the CT picture.
    if (m_zustand.Laeuft())
        return;
    for (QLineEdit* f : m_felder)
        if (f->text().isEmpty())
            f->setText(tr("0"));
    // All nine weights first: a field that holds no integer stops everything
    // before the slider, the filter code, the status text or the picture
    // change, so what is shown stays what the status bar names.
    ct::Kern w{};
    for (std::size_t i = 0; i < 9; ++i)
        if (!ganzzahl(m_felder[i]->text(), w[i])) {
            Meldung::fehler(tr("'%1' is not a valid integer value").arg(m_felder[i]->text()));
            m_felder[i]->setFocus();
            m_felder[i]->selectAll();
            return;
        }

    const int divisor = m_zustand.EigenenKernAnwenden(w);

    QStringList texte;
    for (QLineEdit* f : m_felder)
        texte << f->text();
    FormFilter->Eigenkreation->setToolTip(tr("1/%1(%2)").arg(divisor).arg(texte.join(QLatin1Char(','))));
}

void TFormEingabe::EndeButtonClick()
{
    close();
}
