#pragma once

#include "app/Kurszustand.h"

#include <QWidget>

class QPushButton;

// What every course page (TForm0 ... TForm11) shares: a borderless white
// area laid over the main window, in the frame of the layout
// (left 0, top 18, the layout's width, its height less the page strip), with
// an off-screen "Continue" button that takes the keyboard focus from texts.
// What a page offers the main window's menus it says here: "&New" restarts
// its exercise, and a page with its own mode switch takes the mode items.
// Whether "&New" and the mode items are on it tells the course state.
class Kursseite : public QWidget
{
    Q_OBJECT
public:
    explicit Kursseite(const QString& name);

    QPushButton* WeiterButton;

    // "&New" on this page (nothing where the page has no exercise).
    virtual void NeuStart() {}
    // Whether the mode items switch this page's own mode, and the switch.
    virtual bool hatModi() const { return false; }
    virtual void Modus(bool lernen) { Q_UNUSED(lernen); }

protected:
    // The course state: the page offers "&New" and the mode items through it
    // and reads the mode from it.
    static Kurszustand& kurs();

    // Call once the controls stand at their design positions: scales the page
    // to the layout, sets its frame and moves WeiterButton off the page.
    void seiteEinrichten();

    // The page's show handler (runs each time the page becomes visible) and
    // activation handler (each time it becomes the active one: shown by the
    // page protocol, clicked into from a tool, or back from a dialog).
    virtual void FormShow() {}
    virtual void FormActivate() {}

    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    // Tab past the page's last control (Shift+Tab before its first) goes on
    // to the page strip below it.
    bool focusNextPrevChild(bool next) override;
};
