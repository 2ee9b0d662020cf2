#pragma once

// Small helpers of the simulator tests: drive the simulator window as the
// learner does (paint cells, choose settings, start a scan) and compute what
// the model alone makes of a pattern.

#include "support/Testumgebung.h"

#include "app/Ausstieg.h"
#include "app/HauptBlatt.h"
#include "core/Simulator.h"
#include "platform/Bildanzeige.h"
#include "platform/Layout.h"
#include "platform/Steuerelemente.h"
#include "sim/Blatt12.h"
#include "sim/Einstellungen.h"
#include "sim/Hinweis.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <utility>
#include <vector>

namespace Simhilfe {

using Zelle = std::pair<int, int>;  // (column, row) from 1

// A fresh program on the given layout, showing the simulator.
inline void simulatorZeigen(int breite = 800, int hoehe = 600)
{
    Testumgebung::starten({96, 24, breite, hoehe});
    FormHaupt->ZugNeu(12);
}

// The centre pixel of a cell of the pattern image.
inline QPoint zellmitte(int spalte, int zeile)
{
    const int c = Form12->Modell.Kaestchengroesse;
    return QPoint((spalte - 1) * c + c / 2, (zeile - 1) * c + c / 2);
}

// The cells of a disc: every cell whose distance from the middle cell is at
// most r cells.
inline std::vector<Zelle> scheibe(int mitte, int r)
{
    std::vector<Zelle> zellen;
    for (int x = mitte - r; x <= mitte + r; ++x)
        for (int y = mitte - r; y <= mitte + r; ++y)
            if ((x - mitte) * (x - mitte) + (y - mitte) * (y - mitte) <= r * r)
                zellen.emplace_back(x, y);
    return zellen;
}

// The mouse moved to p over a control, with these buttons held and keys down.
inline void mausBewegen(QWidget* w, QPoint p, Qt::MouseButtons gehalten = Qt::NoButton,
                        Qt::KeyboardModifiers tasten = Qt::NoModifier)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, gehalten, tasten);
    QApplication::sendEvent(w, &e);
}

inline void malen(const std::vector<Zelle>& zellen, Qt::MouseButton knopf = Qt::LeftButton)
{
    for (const auto& [x, y] : zellen)
        QTest::mouseClick(Form12->Image2, knopf, Qt::NoModifier, zellmitte(x, y));
}

// Chooses settings in the dialog and confirms them; when the dialog asks
// whether the CT picture may go, `ok` answers.
inline void einstellen(std::initializer_list<QRadioButton*> knoepfe, bool ok = true)
{
    Form12->EinstellungButton->click();
    for (QRadioButton* k : knoepfe)
        k->click();
    // The dialog asks only while a CT picture exists, and only for a change.
    if (Form12->Zustand.StartGesperrt())
        QTimer::singleShot(0, FormHinweis, [ok] {
            if (FormHinweis->isVisible())
                (ok ? FormHinweis->OKButton : FormHinweis->AbbrechenButton)->click();
        });
    FormEinstellungen->OKButton->click();
}

// The CT picture the model computes for a pattern, without any window.
inline ct::Simulator modellscan(int n, const std::vector<Zelle>& zellen, int winkelschritt, bool faltung)
{
    ct::Simulator m;
    m.RasterEinrichten(n, Layout::breite(), 0.0f, 0.0f);
    m.Winkelschritt = winkelschritt;
    m.Faltung = faltung;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            m.CTBild(x, y).Belegt = false;
    for (const auto& [x, y] : zellen)
        m.CTBild(x, y).Belegt = true;
    ct::StillerBeobachter still;
    m.Tomographie(still);
    m.BildgrenzenSetzen();
    return m;
}

// The colour of cell (x, y) of the picture area (inside the outline), or 0
// when the cell is not of one colour.
inline QRgb zellfarbe(int x, int y)
{
    const int c = Form12->Modell.Kaestchengroesse;
    const QRgb farbe = Testumgebung::pixel(Form12->Image3, (x - 1) * c + 1, (y - 1) * c + 1);
    for (int px = (x - 1) * c + 1; px < x * c; ++px)
        for (int py = (y - 1) * c + 1; py < y * c; ++py)
            if (Testumgebung::pixel(Form12->Image3, px, py) != farbe)
                return 0;
    return farbe;
}

inline QRgb grau(int stufe)
{
    return qRgb(stufe, stufe, stufe);
}

}  // namespace Simhilfe
