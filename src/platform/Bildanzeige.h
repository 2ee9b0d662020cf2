#pragma once

#include "platform/Zeichenflaeche.h"

#include <QWidget>

// A picture control: shows a drawing surface, unstretched at the top-left
// corner or stretched over the whole control, and reports mouse press, move
// and release with the button and the set of held buttons and keys. Mouse
// coordinates are those of the surface.
class Bildanzeige : public QWidget
{
    Q_OBJECT
public:
    explicit Bildanzeige(QWidget* eltern = nullptr, const QString& name = {});

    Zeichenflaeche& flaeche() { return m_flaeche; }
    const Zeichenflaeche& flaeche() const { return m_flaeche; }

    // Stretched pictures scale the surface to the control; unstretched ones show it 1:1.
    void setzeGestreckt(bool gestreckt);
    bool gestreckt() const { return m_gestreckt; }
    // Transparent pictures let white pixels show the parent's background.
    void setzeTransparent(bool transparent);

    // Replaces the surface's content by a picture (its size becomes the picture's).
    void setzeBild(const QImage& bild);
    // Shows a picture from the resources, rendered at the control's size and
    // rendered again whenever the control is resized (crisp at every layout).
    void setzeBildquelle(const QString& pfad, bool gespiegelt = false);
    QString bildquelle() const { return m_quelle; }
    bool bildquelleGespiegelt() const { return m_gespiegelt; }
    // The surface takes the control's size (content kept, new area white).
    void flaecheAnpassen();

    // Call after drawing on the surface, so that the control shows it.
    void aktualisieren() { update(); }

    // Surface point under a control point (inverse of the stretching).
    QPoint flaechenpunkt(const QPoint& p) const;

signals:
    void mausGedrueckt(Qt::MouseButton knopf, Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void mausBewegt(Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void mausLosgelassen(Qt::MouseButton knopf, Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void quelleZeichnen();

    Zeichenflaeche m_flaeche;
    QString m_quelle;
    bool m_gespiegelt = false;
    bool m_gestreckt = false;
    bool m_transparent = false;
    bool m_gedruecktInnen = false;
};
