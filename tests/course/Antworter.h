#pragma once

// Answers the modal dialogs of the exercise pages while a test drives them:
// every few milliseconds it looks for a visible verdict or correction dialog,
// notes what it says and closes it (with OK, or with the close box).

#include "course/Falsch.h"
#include "course/Korrektur.h"
#include "app/Fenster.h"
#include "platform/Bildanzeige.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

struct Antwort
{
    QString text;     // the verdict, or the three lines joined by '|'
    QString hinweis;  // the picture's hint
    bool kopf;        // the picture is the head X-ray (not the portrait)
};

class Antworter : public QObject
{
public:
    explicit Antworter(bool mitSchliessfeld = false) : m_schliessfeld(mitSchliessfeld)
    {
        m_uhr.setInterval(5);
        connect(&m_uhr, &QTimer::timeout, this, [this] { pruefen(); });
        m_uhr.start();
    }

    QList<Antwort> antworten;
    QStringList texte() const
    {
        QStringList l;
        for (const Antwort& a : antworten)
            l << a.text;
        return l;
    }

private:
    void pruefen()
    {
        if (FormFalsch && FormFalsch->isVisible()) {
            QString text;
            for (QLabel* l : {FormFalsch->Falsch1, FormFalsch->Falsch2, FormFalsch->Richtig})
                if (l->isVisible())
                    text += l->text();
            antworten.append({text, FormFalsch->Bild1->toolTip(), FormFalsch->Bild1->bildquelle().isEmpty()});
            if (m_schliessfeld)
                FormFalsch->close();
            else
                FormFalsch->OKButton->click();
        }
        if (FormKorrektur && FormKorrektur->isVisible()) {
            antworten.append({FormKorrektur->Zeile1->text() + '|' + FormKorrektur->Zeile2->text() + '|'
                                  + FormKorrektur->Zeile3->text(),
                              FormKorrektur->Bild1->toolTip(), FormKorrektur->Bild1->bildquelle().isEmpty()});
            FormKorrektur->OKButton->click();
        }
    }

    QTimer m_uhr;
    bool m_schliessfeld;
};
