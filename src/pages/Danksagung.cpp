#include "pages/Danksagung.h"

#include "pages/Bausteine.h"
#include "platform/Fensterart.h"
#include "platform/Fokusfalle.h"
#include "platform/Steuerelemente.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

TFormDanksagung::TFormDanksagung()
{
    setObjectName(QStringLiteral("FormDanksagung"));
    setWindowTitle(tr("Acknowledgements"));
    fensterart(this, Rahmen::NurSchliessen, Lage::Feld);
    setFont(arial(13));
    setzeClientgroesse(this, 504, 348);
    setzeZweitesSymbol(this);
    aufBildschirmZentrieren(this);

    Panel1 = new Panel(this, QStringLiteral("Panel1"), 14, 14, 475, 283);
    Memo1 = Bausteine::memo(Panel1, QStringLiteral("Memo1"), 8, 8, 457, 73, QStringLiteral("danksagung"));
    static constexpr int orte[20][2] = {{48, 88},   {328, 88},  {176, 104}, {296, 176}, {280, 136},
                                        {48, 144},  {40, 208},  {224, 216}, {344, 232}, {152, 184},
                                        {88, 248},  {32, 128},  {400, 104}, {216, 160}, {296, 248},
                                        {392, 248}, {64, 232},  {200, 88},  {184, 192}, {336, 216}};
    const QStringList namen = ressourcentext(QStringLiteral(":/pages/texte/danksagung_namen.txt"))
                                  .split(QLatin1Char('\n'));
    for (int i = 0; i < 20; ++i) {
        // Labels 1 to 11 thank someone; 12 to 20 stay empty.
        const QString text = i < 11 ? namen.value(i) : QString();
        Label[std::size_t(i)] = bezeichnung(Panel1, QStringLiteral("Label%1").arg(i + 1), text, orte[i][0],
                                            orte[i][1], 13, false, Qt::black);
        Label[std::size_t(i)]->hide();
    }
    EndeButton = Bausteine::endeKnopf(this, 215, 312);
    connect(EndeButton, &QPushButton::clicked, this, &QWidget::close);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &TFormDanksagung::Timer1Timer);
    fokusfalleFuerAlleTexte(this, EndeButton);
}

void TFormDanksagung::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (e->spontaneous())
        return;
    Zaehler = 1;
    for (QLabel* l : Label)
        l->hide();
    Timer1->setInterval(300);
    Timer1->start();
}

void TFormDanksagung::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        Timer1->stop();
}

void TFormDanksagung::Timer1Timer()
{
    if (Zaehler >= 1 && Zaehler <= 14) {
        Label[std::size_t(Zaehler - 1)]->show();
        ++Zaehler;
    } else if (Zaehler >= 15 && Zaehler <= 28) {
        Label[std::size_t(Zaehler - 15)]->hide();
        ++Zaehler;
    } else {
        Zaehler = 1;
    }
}
