#include "sim/Statusleiste.h"

#include "platform/Farbtabelle.h"
#include "platform/Zugang.h"

#include <QPainter>

Statusleiste::Statusleiste(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
    : QWidget(eltern)
{
    setObjectName(name);
    setGeometry(x, y, breite, hoehe);
    // A screen reader reads the panels' texts as the bar's description.
    Zugang::setzeRolle(this, QAccessible::StatusBar);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(Farben::Knopfflaeche));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void Statusleiste::panelAnfuegen(int breite, const QString& text)
{
    m_panels.push_back({breite, text});
    beschreiben();
    update();
}

QString Statusleiste::text(int panel) const
{
    return gueltig(panel) ? m_panels[std::size_t(panel)].text : QString();
}

void Statusleiste::setzeText(int panel, const QString& text)
{
    if (!gueltig(panel))
        return;
    m_panels[std::size_t(panel)].text = text;
    beschreiben();
    update();
}

void Statusleiste::beschreiben()
{
    QStringList texte;
    for (const Feld& f : m_panels)
        if (!f.text.trimmed().isEmpty())
            texte.append(f.text.trimmed());
    setAccessibleDescription(texte.join(QStringLiteral(", ")));
}

int Statusleiste::panelbreite(int panel) const
{
    return gueltig(panel) ? m_panels[std::size_t(panel)].breite : 0;
}

void Statusleiste::setzePanelbreite(int panel, int breite)
{
    if (!gueltig(panel))
        return;
    m_panels[std::size_t(panel)].breite = breite;
    update();
}

QRect Statusleiste::panelrechteck(int panel) const
{
    if (!gueltig(panel))
        return {};
    int x = 0;
    for (int i = 0; i < panel; ++i)
        x += m_panels[std::size_t(i)].breite;
    // The last panel ends where the bar ends, whatever its width.
    const int b = panel + 1 == panelzahl() ? width() - x : panelbreite(panel);
    return QRect(x, 2, b, height() - 2);
}

QRect Statusleiste::textrechteck(int panel) const
{
    // Inside the sunken outline, without further margin: at the narrow
    // layout the longest texts need all of that.
    return panelrechteck(panel).adjusted(1, 0, -1, 0);
}

void Statusleiste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    for (int i = 0; i < panelzahl(); ++i) {
        const QRect r = panelrechteck(i);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(Qt::white);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.setPen(Qt::black);
        p.drawText(textrechteck(i), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_panels[std::size_t(i)].text);
    }
}
