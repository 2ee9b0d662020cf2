#pragma once

#include "platform/Zeichenflaeche.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>

// A picture control: shows a drawing surface, unstretched at the top-left
// corner or stretched over the whole control, and reports mouse press, move
// and release with the button and the set of held buttons and keys. Mouse
// coordinates are those of the surface.
//
// On a scaled screen the surface keeps its pixels (those of the layout);
// what was drawn on it is drawn again at the screen's own resolution from the
// surface's record (Feinzeichnung.h), and pictures put on it are enlarged
// pixel by pixel, so that cells keep hard edges; a picture from the resources
// (an SVG drawing) is rendered again at the screen's resolution. What is
// drawn at the screen's resolution is kept only while the control is shown.
class QTimer;

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
    // The surface always covers the whole control and is opaque: nothing
    // beneath the control is painted (for pictures redrawn often).
    void setzeDeckend(bool deckend) { setAttribute(Qt::WA_OpaquePaintEvent, deckend); }

    // Replaces the surface's content by a picture (its size becomes the
    // picture's); a picture source set before is given up.
    void setzeBild(const QImage& bild);
    // Shows a picture from the resources, rendered at the control's size and
    // rendered again whenever the control is resized (crisp at every layout).
    // The surface holds it in the layout's pixels and is not drawn on.
    void setzeBildquelle(const QString& pfad, bool gespiegelt = false);
    // Shows a picture from the resources at its own size, unstretched.
    void setzeBildquelleInEigenerGroesse(const QString& pfad);
    QString bildquelle() const { return m_quelle; }
    bool bildquelleGespiegelt() const { return m_gespiegelt; }
    // The surface takes the control's size (content kept, new area white).
    void flaecheAnpassen();

    // The control acts as a button (a page curl): it takes the keyboard with
    // Tab, shows it by a dotted frame, and Space or Enter click it.
    void setzeKnopfart();
    // What the control draws over its picture while it has the keyboard (a
    // grid's cell cursor, Zellcursor.h); the painter works in surface pixels.
    void setzeFokusmarke(std::function<void(QPainter&)> marke);

    // Call after drawing on the surface, so that the control shows it.
    void aktualisieren() { update(); }

    // Surface point under a control point (inverse of the stretching).
    QPoint flaechenpunkt(const QPoint& p) const;
    // The control's pixel under a mouse position. On a screen scaled by a
    // fraction the position of a device pixel is that of its corner, a
    // fraction of a pixel; the pixel shown there is the one under its centre.
    QPoint pixelUnter(const QPointF& p) const;

signals:
    void mausGedrueckt(Qt::MouseButton knopf, Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void mausBewegt(Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void mausLosgelassen(Qt::MouseButton knopf, Qt::MouseButtons gehalten, Qt::KeyboardModifiers tasten, QPoint punkt);
    void geklickt();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void bildMalen(QPainter& maler);
    void quelleZeichnen();
    QImage quelleLaden(QSize groesse, qreal pixelverhaeltnis) const;
    // The source at the screen's resolution, made when first needed.
    const QImage& feinesBild(qreal pixelverhaeltnis);
    // The surface drawn at the screen's resolution from its record, brought
    // up to date (null where the record is a picture and no more).
    const QImage* geraetebild(qreal pixelverhaeltnis);

    Zeichenflaeche m_flaeche;
    QString m_quelle;
    bool m_eigeneGroesse = false;
    QImage m_fein;
    QImage m_geraet;
    std::unique_ptr<Fein::Feinmaler> m_maler;
    // The last paint, how long the last drawing at the screen's resolution
    // took (milliseconds), and the timer that draws it once the picture has
    // stood still (see paintEvent).
    static constexpr int Ruhezeit = 60;
    static constexpr qint64 TeureZeichnung = 3;
    QElapsedTimer m_gemalt;
    qint64 m_feinDauer = 0;
    QTimer* m_nachzeichnen = nullptr;
    qreal m_geraetVerhaeltnis = 1;
    std::uint64_t m_geraetBeginn = 0;
    std::uint64_t m_geraetNr = 0;  // the last command drawn
    bool m_gespiegelt = false;
    bool m_gestreckt = false;
    bool m_transparent = false;
    bool m_gedruecktInnen = false;
    bool m_knopf = false;
    std::function<void(QPainter&)> m_fokusmarke;
};
