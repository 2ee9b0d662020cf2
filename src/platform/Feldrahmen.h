#pragma once

#include "platform/Fensterart.h"

#include <QPointer>
#include <QWidget>

// The frame of a panel (a tool or reference window laid into the main
// window): a border of four pixels, a caption bar with the window's icon,
// caption and boxes, and the panel's window inside it. The frame follows its
// panel: it is shown, hidden, sized and captioned with it; the panel is moved
// by moving the frame (platzieren). The learner drags it by its caption bar
// within the main window; a click into it brings it to the front.
class Feldrahmen : public QWidget
{
    Q_OBJECT
public:
    Feldrahmen(QWidget* hauptfenster, QWidget* feld, Rahmen rahmen);

    QWidget* feld() const { return m_feld; }
    Rahmen rahmen() const { return m_rahmen; }
    // Border and caption bar beside the client area.
    QMargins raender() const;
    // Shown as the active window: the keyboard is in it.
    bool aktiv() const;

    // The boxes of the caption bar, in frame coordinates (empty where the
    // kind of border has none).
    QRect schliessfeld() const;
    QRect minimierfeld() const;
    QRect maximierfeld() const;
    QRect titelleiste() const;

    void maximierenUmschalten();
    bool maximiert() const { return !m_vorMaximieren.isNull(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    enum class Feldknopf { Keiner, Schliessen, Minimieren, Maximieren };
    Feldknopf knopfBei(QPoint p) const;
    void knopfZeichnen(class QPainter& p, QRect r, Feldknopf k) const;
    void anpassen();
    QPoint begrenzt(QPoint ort) const;

    QPointer<QWidget> m_feld;
    Rahmen m_rahmen;
    Feldknopf m_gedrueckt = Feldknopf::Keiner;
    bool m_ziehen = false;
    QPoint m_griff;
    QRect m_vorMaximieren;
};
