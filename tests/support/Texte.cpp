#include "support/Texte.h"

#include "app/Fenster.h"
#include "platform/Steuerelemente.h"
#include "sim/Statusleiste.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QWidget>

namespace Texte {

namespace {

QString pfad(const QWidget* w)
{
    QStringList teile;
    for (; w; w = w->parentWidget()) {
        teile.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
        if (w->isWindow())
            break;
    }
    return teile.join(QLatin1Char('/'));
}

void menue(QList<Fundstelle>& liste, const QString& ort, QMenu* m)
{
    liste.append({ort + QStringLiteral(" menu"), m->title(), m, {}, m->font(), false});
    for (QAction* a : m->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            menue(liste, ort + QLatin1Char('/') + a->menu()->objectName(), a->menu());
        else
            liste.append({ort + QLatin1Char('/') + a->objectName(), a->text(), m, {}, m->font(), false});
    }
}

void sammeln(QList<Fundstelle>& liste, QWidget* w)
{
    const QString ort = pfad(w);
    if (w->isWindow() || w->windowType() == Qt::SubWindow)
        liste.append({ort + QStringLiteral(" caption"), w->windowTitle(), w, {}, w->font(), false});
    if (!w->toolTip().isEmpty())
        liste.append({ort + QStringLiteral(" tooltip"), w->toolTip(), w, {}, w->font(), false});
    if (auto* l = qobject_cast<QLabel*>(w))
        liste.append({ort, l->text(), w, l->contentsRect(), l->font(), !l->text().contains(QLatin1Char('\n'))});
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QRect feld = b->rect();
        if (b->inherits("QRadioButton") || b->inherits("QCheckBox")) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            feld = b->style()->subElementRect(b->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                                                          : QStyle::SE_CheckBoxContents,
                                              &o, b);
        } else
            feld = b->rect().adjusted(4, 2, -4, -2);
        liste.append({ort, b->text(), w, feld, b->font(), true});
    } else if (auto* g = qobject_cast<QGroupBox*>(w))
        liste.append({ort + QStringLiteral(" title"), g->title(), w, {}, g->font(), false});
    else if (auto* t = qobject_cast<QTabBar*>(w)) {
        // a tab's text has its width less the style's spacing
        const int abstand = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
        for (int i = 0; i < t->count(); ++i)
            liste.append({ort + QStringLiteral(" tab %1").arg(i), t->tabText(i), w,
                          t->tabRect(i).adjusted(abstand / 2, 0, -(abstand - abstand / 2), 0), t->font(), true});
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly() && !e->text().isEmpty())
            liste.append({ort, e->text(), w, e->rect(), e->font(), true});
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        liste.append({ort, p->toPlainText(), w, {}, p->font(), false});
    else if (auto* s = qobject_cast<Statusleiste*>(w)) {
        for (int i = 0; i < s->panelzahl(); ++i)
            liste.append({ort + QStringLiteral(" panel %1").arg(i), s->text(i), w, s->textrechteck(i), s->font(), true});
    } else if (auto* pa = qobject_cast<Panel*>(w)) {
        if (!pa->text().isEmpty())
            liste.append({ort, pa->text(), w, pa->rect(), pa->font(), true});
    } else if (auto* mb = qobject_cast<QMenuBar*>(w)) {
        for (QAction* a : mb->actions())
            if (a->menu())
                menue(liste, ort + QLatin1Char('/') + a->menu()->objectName(), a->menu());
    }
    for (QObject* o : w->children())
        if (auto* k = qobject_cast<QWidget*>(o); k && !k->inherits("QMenu"))
            sammeln(liste, k);
}

}  // namespace

QList<Fundstelle> alle()
{
    QList<Fundstelle> liste;
    for (QWidget* w : Fenstersatz::alle())
        sammeln(liste, w);
    QList<Fundstelle> mitText;
    for (const Fundstelle& f : liste)
        if (!f.text.trimmed().isEmpty())
            mitText.append(f);
    return mitText;
}

}  // namespace Texte
