#include "support/Testumgebung.h"

#include "app/Fenster.h"
#include "app/HauptBlatt.h"
#include "app/Programm.h"
#include "platform/Bildanzeige.h"
#include "platform/Einpassung.h"
#include "tools/Sinogrammfenster.h"

#include <QDir>
#include <QStyleFactory>
#include <QTemporaryFile>
#include <QTimer>

namespace Testumgebung {

namespace {
// Owner of the pending modal actions: torn down with the window set, so an
// action whose modal window never came cannot fire into the next test.
QObject*& modalWaechter()
{
    static QObject* w = nullptr;
    return w;
}

QList<Meldungseintrag>& liste()
{
    static QList<Meldungseintrag> l;
    return l;
}
bool aufgebaut = false;
}  // namespace

namespace {
QtMessageHandler voriger = nullptr;
void filtern(QtMsgType typ, const QMessageLogContext& ort, const QString& text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (voriger)
        voriger(typ, ort, text);
}
}  // namespace

void meldungsfilter()
{
    // Installed over the test framework's own handler, which passes the rest on.
    static bool installiert = false;
    if (installiert)
        return;
    installiert = true;
    voriger = qInstallMessageHandler(filtern);
}

void ressourcenLaden()
{
    Programm::ressourcenLaden();
}

void anwendungEinrichten()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    ressourcenLaden();
    // No test opens a real file dialog: the sinogram window's export is
    // cancelled unless a test gives it a folder.
    TFormSinogramm::Ordnerwahl = [] { return QString(); };
}

namespace {
void fensterAufbauen(Beantworter antworten)
{
    Meldung::setzeBeantworter([antworten](Meldung::Art art, const QString& text) {
        liste().append({art, text});
        if (antworten)
            return antworten(art, text);
        return art == Meldung::Art::Fehler ? Meldung::Antwort::OK : Meldung::Antwort::Ignorieren;
    });
    Programm::endeZuruecksetzen();
    Fenstersatz::erzeugen();
    aufgebaut = true;
}
}  // namespace

void aufbauen(const Anzeigedaten& anzeige, Beantworter antworten, QSize einpassung, QSize ganz)
{
    meldungsfilter();
    abbauen();
    liste().clear();
    Bildschirm::zuruecksetzen();
    Bildschirm::ersetzen(anzeige);
    Bildschirm::einpassen(einpassung, ganz);
    fensterAufbauen(std::move(antworten));
}

void starten(const Anzeigedaten& anzeige)
{
    aufbauen(anzeige);
    Fenstersatz::starten();
    QCoreApplication::processEvents();
}

QSize layoutgroesse(int layoutbreite)
{
    return {layoutbreite, layoutbreite == 800 ? 600 : 768};
}

void starten(int layoutbreite)
{
    const QSize groesse = layoutgroesse(layoutbreite);
    starten({96, 24, groesse.width(), groesse.height()});
}

void startenWieDasProgramm()
{
    meldungsfilter();
    abbauen();
    liste().clear();
    fensterAufbauen({});
    Fenstersatz::starten();
    QCoreApplication::processEvents();
}

void offscreenBildschirm(QSize groesse, int dpi)
{
    static QTemporaryFile datei(QDir::tempPath() + QStringLiteral("/quorvel-bildschirm-XXXXXX.json"));
    if (!datei.open())
        qFatal("no temporary file for the screen");
    datei.resize(0);
    datei.write(QStringLiteral(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": %1, "height": %2,)"
                               R"( "logicalDpi": %3, "logicalBaseDpi": 96, "dpr": 1}]})")
                    .arg(groesse.width())
                    .arg(groesse.height())
                    .arg(dpi)
                    .toUtf8());
    datei.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(datei.fileName()));
}

QSize bildschirmVorbereiten(const QByteArray& wahl, int argc, char** argv)
{
    const QList<QByteArray> masse = wahl.split('x');
    const QSize groesse = masse.size() == 2 ? QSize(masse[0].toInt(), masse[1].toInt()) : QSize();
    if (groesse.isEmpty())
        return {};
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (plattform.isEmpty() || plattform.startsWith("offscreen"))
        offscreenBildschirm(groesse);
    Einpassung::vorbereiten(argc, argv);
    return groesse;
}

void abbauen()
{
    delete modalWaechter();
    modalWaechter() = nullptr;
    if (!aufgebaut)
        return;
    Fenstersatz::abbauen();
    aufgebaut = false;
    QCoreApplication::processEvents();
}

const QList<Meldungseintrag>& meldungen()
{
    return liste();
}

void klicken(QWidget* element, QPoint punkt)
{
    if (punkt == QPoint(-1, -1))
        punkt = element->rect().center();
    QTest::mouseClick(element, Qt::LeftButton, Qt::NoModifier, punkt);
}

void wennModal(std::function<void()> aktion, int nachMs)
{
    if (!modalWaechter())
        modalWaechter() = new QObject;
    QTimer::singleShot(nachMs, modalWaechter(), aktion);
}

QRgb pixel(QWidget* bildanzeige, int x, int y)
{
    auto* b = qobject_cast<Bildanzeige*>(bildanzeige);
    return b ? b->flaeche().pixel(x, y) : 0;
}

QWidget* fensterVon(QWidget* w, const QSet<QWidget*>& fenster)
{
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (fenster.contains(p))
            return p;
    return nullptr;
}

}  // namespace Testumgebung
