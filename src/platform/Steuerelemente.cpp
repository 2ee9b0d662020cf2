#include "platform/Steuerelemente.h"

#include "platform/Sprache.h"
#include "platform/Zugang.h"

#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVariant>

QFont arial(int pixel, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void weissHinterlegen(QWidget* w)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::white);
    w->setPalette(pal);
    w->setContextMenuPolicy(Qt::NoContextMenu);
}

Panel::Panel(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, QColor farbe)
    : QWidget(eltern), m_farbe(farbe)
{
    setObjectName(name);
    setGeometry(x, y, breite, hoehe);
    Zugang::einrichten();
}

void Panel::setzeKnopfart()
{
    m_knopf = true;
    setFocusPolicy(Qt::StrongFocus);
    Zugang::setzeRolle(this, QAccessible::Button);
}

void Panel::keyPressEvent(QKeyEvent* e)
{
    if (m_knopf && Zugang::knopftaste(e))
        emit geklickt();
    else
        QWidget::keyPressEvent(e);
}

void Panel::setzeFarbe(QColor farbe)
{
    m_farbe = farbe;
    update();
}

void Panel::setzeText(const QString& text)
{
    m_text = text;
    update();
}

void Panel::setzeTextfarbe(QColor farbe)
{
    m_textfarbe = farbe;
    update();
}

void Panel::setzeKanten(Kante aussen, Kante innen)
{
    m_aussen = aussen;
    m_innen = innen;
    update();
}

void Panel::setzeEinfacherRahmen(bool rahmen)
{
    m_rahmen = rahmen;
    update();
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, m_farbe);
    const auto kante = [&](Kante k) {
        if (k == Kante::Keine)
            return;
        const QColor hell = k == Kante::Erhaben ? QColor(255, 255, 255) : QColor(128, 128, 128);
        const QColor dunkel = k == Kante::Erhaben ? QColor(128, 128, 128) : QColor(255, 255, 255);
        p.setPen(hell);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(dunkel);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    };
    if (m_rahmen) {
        p.setPen(QColor(128, 128, 128));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(255, 255, 255));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
        p.setPen(QColor(64, 64, 64));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(212, 208, 200));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
    kante(m_aussen);
    kante(m_innen);
    if (!m_text.isEmpty()) {
        p.setPen(m_textfarbe);
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter, m_text);
    }
    if (m_knopf && hasFocus())
        Zugang::fokusmarke(p, rect(), m_textfarbe);
}

void Panel::mousePressEvent(QMouseEvent* e)
{
    m_gedrueckt = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void Panel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = m_gedrueckt && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_gedrueckt = false;
    if (klick)
        emit geklickt();
}

QLabel* bezeichnung(QWidget* eltern, const QString& name, const QString& text, int x, int y, int pixel, bool fett,
                    QColor farbe)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    if (pixel > 0)
        l->setFont(arial(pixel, fett));
    else if (fett) {
        QFont f = eltern->font();
        f.setBold(true);
        l->setFont(f);
    }
    if (farbe != QColor(Qt::black)) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, farbe);
        l->setPalette(pal);
    }
    l->setProperty("autoSize", true);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setGeometry(x, y, breite, hoehe);
    // Enter presses the focused button, as the pages expect when they move
    // the focus on to the next step.
    k->setAutoDefault(true);
    return k;
}

QLineEdit* eingabefeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, const QString& text)
{
    auto* f = new QLineEdit(text, eltern);
    f->setObjectName(name);
    f->setGeometry(x, y, breite, hoehe);
    f->setTextMargins(0, 0, 0, 0);
    return f;
}

void setzeRahmen(QLineEdit* feld, bool rahmen)
{
    feld->setFrame(rahmen);
}

void setzeTabstop(QWidget* feld, bool tabstop)
{
    feld->setFocusPolicy(tabstop ? Qt::StrongFocus : Qt::ClickFocus);
}

QPlainTextEdit* textfeld(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe, const QString& text)
{
    auto* t = new QPlainTextEdit(eltern);
    t->setObjectName(name);
    t->setGeometry(x, y, breite, hoehe);
    t->setReadOnly(true);
    t->setFrameShape(QFrame::NoFrame);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    t->setFocusPolicy(Qt::ClickFocus);
    t->viewport()->setCursor(Qt::ArrowCursor);
    t->setTextInteractionFlags(Qt::NoTextInteraction);
    t->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    t->setPalette(pal);
    t->document()->setDocumentMargin(1);
    t->setPlainText(text);
    return t;
}

QRadioButton* optionsfeld(QWidget* eltern, const QString& name, const QString& text, int x, int y, bool gewaehlt)
{
    auto* r = new QRadioButton(text, eltern);
    r->setObjectName(name);
    r->move(x, y);
    r->adjustSize();
    r->setProperty("autoSize", true);
    r->setChecked(gewaehlt);
    return r;
}

QGroupBox* gruppe(QWidget* eltern, const QString& name, const QString& titel, int x, int y, int breite, int hoehe)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(name);
    g->setGeometry(x, y, breite, hoehe);
    return g;
}

QString ressourcentext(const QString& pfad)
{
    QFile datei(Sprache::datei(pfad));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(datei.readAll());
}
