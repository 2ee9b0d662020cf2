#pragma once

#include <QObject>
#include <QPoint>

class Bildanzeige;

// The keyboard's way into a grid of square cells shown by a picture control:
// the control takes the keyboard with Tab (not with a click), the arrow keys move a cursor from
// cell to cell (a frame drawn while the control has the keyboard), Space asks
// to paint the cell as the left mouse button would, Delete and Backspace to
// make it white as the right button would. The grid's owner answers that
// through the same handler as the mouse, with the same rules.
class Zellcursor : public QObject
{
    Q_OBJECT
public:
    explicit Zellcursor(Bildanzeige* bild);

    // n x n cells of c pixels, the first cell's corner at `ursprung` of the
    // surface; the cursor stays on its cell where it can.
    void setzeRaster(int n, int c, QPoint ursprung = {});
    int spalte() const { return m_spalte; }
    int zeile() const { return m_zeile; }
    // The surface point at the centre of the cursor's cell.
    QPoint mitte() const;

signals:
    // Space (Qt::LeftButton) or Delete/Backspace (Qt::RightButton) on the
    // cell whose centre is `punkt`.
    void gedrueckt(Qt::MouseButton knopf, QPoint punkt);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void bewegen(int spalte, int zeile);

    Bildanzeige* m_bild;
    int m_n = 1;
    int m_c = 1;
    QPoint m_ursprung;
    int m_spalte = 1;
    int m_zeile = 1;
};
