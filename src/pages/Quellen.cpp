#include "pages/Quellen.h"

#include "pages/Bausteine.h"
#include "platform/Farbtabelle.h"
#include "platform/Fensterart.h"
#include "platform/Steuerelemente.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {
QLineEdit* verweisfeld(QWidget* eltern, const QString& name, int x, int y, int breite, const QString& text,
                       const QString& ziel)
{
    QLineEdit* f = eingabefeld(eltern, name, x, y, breite, 20, text);
    setzeRahmen(f, false);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Text, QColor(Farben::Navy));
    pal.setColor(QPalette::Base, Qt::white);
    f->setPalette(pal);
    Bausteine::alsVerweis(f, ziel);
    f->setCursorPosition(0);
    return f;
}
}  // namespace

TFormQuellen::TFormQuellen()
{
    setObjectName(QStringLiteral("FormQuellen"));
    setWindowTitle(tr("Sources"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 542, 348);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    ScrollBox1 = Bausteine::rollkasten(this, QStringLiteral("ScrollBox1"), 16, 16, 513, 289, 492, 900);
    QWidget* innen = ScrollBox1->widget();
    Memo3 = Bausteine::memo(innen, QStringLiteral("Memo3"), 8, 8, 481, 177, QStringLiteral("quellen_herkunft"));
    Edit1 = verweisfeld(innen, QStringLiteral("Edit1"), 24, 32, 313, Bausteine::Webadresse, Bausteine::Webadresse);
    Edit2 = verweisfeld(innen, QStringLiteral("Edit2"), 24, 128, 137, Bausteine::Mailadresse, Bausteine::Mailverweis);
    Memo1 = Bausteine::memo(innen, QStringLiteral("Memo1"), 8, 192, 225, 696, QStringLiteral("quellen_literatur1"));
    Memo2 = Bausteine::memo(innen, QStringLiteral("Memo2"), 256, 192, 225, 700, QStringLiteral("quellen_literatur2"));
    Panel1 = new Panel(innen, QStringLiteral("Panel1"), 240, 192, 4, 696, QColor(Farben::Navy));
    Edit1->setAccessibleName(tr("Web address of the course"));
    Edit2->setAccessibleName(tr("Mail address of the course team"));
    Memo3->setAccessibleName(tr("Where the course comes from"));
    Memo1->setAccessibleName(tr("Literature, first column"));
    Memo2->setAccessibleName(tr("Literature, second column"));
    EndeButton = Bausteine::endeKnopf(this, 231, 312);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
}
