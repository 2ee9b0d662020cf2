#pragma once

#include <QString>
#include <QWidget>
#include <vector>

// A status bar of fixed panels side by side, each with its own width and a
// one-line text, drawn sunken. The panels are counted from 0 at the left.
class Statusleiste : public QWidget
{
    Q_OBJECT
public:
    Statusleiste(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);

    // Adds a panel at the right end.
    void panelAnfuegen(int breite, const QString& text);
    int panelzahl() const { return int(m_panels.size()); }

    QString text(int panel) const;
    void setzeText(int panel, const QString& text);
    int panelbreite(int panel) const;
    void setzePanelbreite(int panel, int breite);
    // A panel's place in the bar (its sunken outline is drawn along its
    // edges), and where it draws its text.
    QRect panelrechteck(int panel) const;
    QRect textrechteck(int panel) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Feld
    {
        int breite;
        QString text;
    };
    void beschreiben();
    bool gueltig(int panel) const { return panel >= 0 && panel < panelzahl(); }
    std::vector<Feld> m_panels;
};
