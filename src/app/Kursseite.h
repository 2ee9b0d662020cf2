#pragma once

#include <QWidget>

class QPushButton;

// What every course page (TForm0 ... TForm11) shares: a borderless white
// area laid over the main window, in the frame of the layout
// (left 0, top 18, the layout's width, its height less the page strip), with
// an off-screen "Continue" button that takes the keyboard focus from texts.
class Kursseite : public QWidget
{
    Q_OBJECT
public:
    explicit Kursseite(const QString& name);

    QPushButton* WeiterButton;

protected:
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
};
