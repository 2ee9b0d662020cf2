#include "sim/Statusleiste.h"

#include <QPainter>

Statusleiste::Statusleiste(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
    : QWidget(eltern)
{
    setObjectName(name);
    setGeometry(x, y, breite, hoehe);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void Statusleiste::panelAnfuegen(int breite, const QString& text)
{
    m_panels.push_back({breite, text});
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
    update();
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

void Statusleiste::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    int x = 0;
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        // The last panel reaches to the right end of the bar.
        const int b = i + 1 == m_panels.size() ? std::max(m_panels[i].breite, width() - x) : m_panels[i].breite;
        const QRect r(x, 2, b - 2, height() - 2);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(Qt::white);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.setPen(Qt::black);
        p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_panels[i].text);
        x += b;
    }
}
