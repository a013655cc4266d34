#include "gui/frame/finestre.h"
#include "gui/frame/clsresize.h"
#include "gui/frame/lingua.h"
#include "gui/frame/accessibilita.h"
#include "gui/frame/tabellafinestre.h"
#include <QApplication>
#include <QHash>
#include <QMenuBar>
#include <QToolBar>

namespace {
struct Voce {
    Finestre::Fabbrica fabbrica;
    QPointer<QWidget> istanza;
};
QHash<QString, Voce>& registro()
{
    static QHash<QString, Voce> r;
    return r;
}
}   // namespace

namespace Finestre {

void registra(const QString& nome, Fabbrica fabbrica)
{
    // Every window has its row, so that the frame, the menus and the exit sequence know it.
    if (!scheda(nome))
        qFatal("Finestra senza riga nella tabella delle finestre: %s", qPrintable(nome));
    registro()[nome].fabbrica = std::move(fabbrica);
}

bool disponibile(const QString& nome) { return registro().contains(nome); }

QStringList registrate()
{
    QStringList nomi = registro().keys();
    nomi.sort();
    return nomi;
}

bool caricata(const QString& nome)
{
    auto it = registro().constFind(nome);
    return it != registro().constEnd() && it->istanza;
}

QWidget* finestra(const QString& nome)
{
    auto it = registro().find(nome);
    if (it == registro().end())
        return nullptr;
    if (!it->istanza) {
        Accessibilita::prepara();
        // Qt's own Italian texts (context menus, file and print dialogs) are first needed by a
        // window after the splash and the main menu, which show none: the catalogue waits for it.
        if (nome != QLatin1String("frmSplash") && nome != QLatin1String("scelta"))
            Lingua::carica();
        QWidget* w = it->fabbrica();
        w->setObjectName(nome);
        // Stored before the load step, so that a load referring to its own window finds it.
        it->istanza = w;
        if (auto* c = dynamic_cast<Caricabile*>(w))
            c->carica();
        // Once its controls exist, the window is readable by a screen reader.
        Accessibilita::nomina(w);
    }
    return it->istanza;
}

QWidget* primoControllo(QWidget* w)
{
    const auto inBarra = [w](QWidget* c) {
        for (QWidget* p = c; p && p != w; p = p->parentWidget())
            if (qobject_cast<QMenuBar*>(p) || qobject_cast<QToolBar*>(p))
                return true;
        return false;
    };
    for (QWidget* c = w->nextInFocusChain(); c && c != w; c = c->nextInFocusChain())
        if ((c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && c->window() == w && c->isEnabled() && c->isVisibleTo(w)
            && !inBarra(c))
            return c;
    return nullptr;
}

void mostra(const QString& nome)
{
    if (QWidget* w = finestra(nome)) {
        const bool apertura = !w->isVisible();
        Accessibilita::nomina(w);   // controls a handler added since the load
        // A window that places itself nowhere (the small ones) opens centred on the free area.
        if (!w->isVisible() && !Ridimensionamento::di(w) && !w->property("collocata").toBool()) {
            Ridimensionamento::collocaAlCentro(w);
            w->setProperty("collocata", true);
        }
        if (w->isMinimized())
            w->showNormal();
        w->show();
        // Opened, the window takes what is typed at once: its first field, or its first control.
        if (apertura && !(w->focusWidget() && w->focusWidget()->isVisible()))
            if (QWidget* primo = primoControllo(w))
                primo->setFocus(Qt::TabFocusReason);
        w->raise();
        w->activateWindow();
    }
}

void chiudi(const QString& nome)
{
    auto it = registro().find(nome);
    if (it == registro().end() || !it->istanza)
        return;
    QWidget* w = it->istanza;
    it->istanza = nullptr;
    // The window may be closing itself from one of its own handlers: delete it later.
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    // Closed by the program (the exit sequence asked already), not by the user.
    w->setProperty("chiusaDalProgramma", true);
    w->close();
    w->hide();
    w->deleteLater();
}

void nascondi(QWidget* w)
{
    for (QWidget* altra : QApplication::topLevelWidgets())
        if (altra != w && altra->isVisible() && altra->testAttribute(Qt::WA_QuitOnClose)
            && (altra->windowType() == Qt::Window || altra->windowType() == Qt::Dialog)) {
            w->hide();
            return;
        }
    w->close();
}

QStringList ordineChiusura()
{
    QStringList ordine;
    for (const SchedaFinestra& s : schede())
        if (s.daChiudere)
            ordine << s.nome;
    return ordine;
}

namespace {
QString& proprietarioArchivio()
{
    static QString nome;
    return nome;
}
}   // namespace

void registraArchivio(const QString& nome) { proprietarioArchivio() = nome; }

ComandiArchivio* archivio()
{
    return proprietarioArchivio().isEmpty() ? nullptr : finestra<ComandiArchivio>(proprietarioArchivio());
}

bool archivioDisponibile() { return !proprietarioArchivio().isEmpty() && disponibile(proprietarioArchivio()); }

}   // namespace Finestre

namespace {
std::function<void()>& azioneCongedo()
{
    static std::function<void()> a;
    return a;
}
}   // namespace

namespace Finestre {

void alCongedo(std::function<void()> azione) { azioneCongedo() = std::move(azione); }

void congedo()
{
    if (azioneCongedo())
        azioneCongedo()();
}

}   // namespace Finestre

namespace {
Finestre::CustodeCausa& custode()
{
    static Finestre::CustodeCausa c;
    return c;
}
}   // namespace

namespace Finestre {

void impostaCustode(CustodeCausa c) { custode() = std::move(c); }

bool causaModificata() { return custode().modificata && custode().modificata(); }

bool lasciaCausa(const QString& perFare)
{
    return !causaModificata() || !custode().lascia || custode().lascia(perFare);
}

}   // namespace Finestre
