// possidoria-sentenza: judges archived cases without showing anything. Each file is opened the
// way "&Apri..." opens it and judged the way "&Sentenza" judges it, on windows that stay hidden;
// the messages the program would show are collected instead.
//   possidoria-sentenza [--json] FILE...
// Exit status 0, or 2 when a file could not be read or judged (the reason on standard error).
#include "app/finestre.h"
#include "app/modpossidoria.h"
#include "case/archiviocausa.h"
#include "case/finestracausa.h"
#include "case/finestrapossesso.h"
#include "finestre_programma.h"
#include "judgment/finestrasentenza.h"
#include "platform/porte.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QQueue>
#include <cstdio>

namespace {

// Messages are kept, never shown; a question gets its default answer.
class MessaggiRaccolti : public PortaMessaggi {
public:
    QStringList testi;
    Risposta mostra(const QString& testo, const QString&, Icona, Pulsanti, Risposta predefinita) override
    {
        testi << QString(testo).replace(QChar(13), QChar(10));
        return predefinita;
    }
};

// The open dialog "chooses" the file being judged; nothing is ever saved.
class DialogoFisso : public PortaDialoghi {
public:
    QString percorso;
    QString apri(const QString&, const QList<FiltroFile>&, int, const QString&) override { return percorso; }
    QString salva(const QString&, const QList<FiltroFile>&, int, const QString&) override { return {}; }
};

void scrivi(FILE* f, const QString& testo)
{
    const QByteArray b = testo.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
}

// Lines 1..n of a list of the program state, without the empty ones.
QStringList righe(const QStringList& elenco)
{
    QStringList r;
    for (int i = 1; i < elenco.size(); ++i)
        if (!elenco[i].isEmpty())
            r << elenco[i];
    return r;
}

void chiudiFinestre()
{
    for (const QString& nome : Finestre::ordineChiusura())
        Finestre::chiudi(nome);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Qt's own notes about the offscreen platform are not the judge's output.
void soloErroriGravi(QtMsgType tipo, const QMessageLogContext&, const QString& testo)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        scrivi(stderr, testo + QLatin1Char('\n'));
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(soloErroriGravi);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QStringList file = app.arguments().mid(1);
    const bool json = file.removeAll(QStringLiteral("--json")) > 0;
    if (file.isEmpty()) {
        scrivi(stderr, QStringLiteral("Uso: possidoria-sentenza [--json] FILE...\n"
                                      "Giudica le cause archiviate e ne stampa la sentenza.\n"));
        return 2;
    }

    ModPossidoria::impostaAspetto();
    MessaggiRaccolti messaggi;
    DialogoFisso dialogo;
    installaPiattaforma({&messaggi, &dialogo, nullptr, nullptr, nullptr});
    registraFinestre();

    int stato = 0;
    QJsonArray risultati;
    for (const QString& percorso : file) {
        chiudiFinestre();
        ModPossidoria::azzeraStato();
        messaggi.testi.clear();
        Finestre::finestra(QStringLiteral("norme"));   // the article table, as the main menu leaves it
        dialogo.percorso = percorso;
        ArchivioCausa::apri();
        auto* sentenza = Finestre::di<FinestraSentenza>();
        if (ModPossidoria::nomefile == percorso)
            Finestre::di<FinestraPossesso>()->cmdavanti_Click();
        const std::optional<Decisione> d = sentenza->decisione();
        if (ModPossidoria::nomefile != percorso || !d) {
            const QString motivo = messaggi.testi.isEmpty() ? QStringLiteral("la causa non può essere giudicata.")
                                                            : messaggi.testi.last();
            scrivi(stderr, QStringLiteral("possidoria-sentenza: %1: %2\n").arg(percorso, motivo));
            stato = 2;
            continue;
        }
        const QStringList perche = sentenza->perche();
        const QStringList fatti = righe(ModPossidoria::elencofatti);
        const QStringList obiezioni = righe(ModPossidoria::elencoobiezioni);
        const QString testo = sentenza->testosentenza()->toPlainText();
        const QString commento = sentenza->commento()->toPlainText();
        if (json) {
            risultati.append(QJsonObject{
                {QStringLiteral("file"), percorso},
                {QStringLiteral("regola"), d->chiave},
                {QStringLiteral("vince"), d->esito == Esito::Vince},
                {QStringLiteral("perche"), QJsonArray::fromStringList(perche)},
                {QStringLiteral("sentenza"), testo},
                {QStringLiteral("commento"), commento},
                {QStringLiteral("fatti"), QJsonArray::fromStringList(fatti)},
                {QStringLiteral("obiezioni"), QJsonArray::fromStringList(obiezioni)},
            });
            continue;
        }
        QString r = QStringLiteral("== %1\nRegola: %2\n").arg(percorso, d->chiave);
        r += QStringLiteral("Perché:\n");
        for (const QString& l : perche)
            r += QStringLiteral("  ") + l + QLatin1Char('\n');
        r += QStringLiteral("Sentenza:\n") + testo.trimmed() + QLatin1Char('\n');
        r += QStringLiteral("Commento:\n") + commento.trimmed() + QLatin1Char('\n');
        r += QStringLiteral("Fatti dichiarati dall'attore:\n");
        for (const QString& l : fatti)
            r += QStringLiteral("  ") + l + QLatin1Char('\n');
        r += QStringLiteral("Obiezioni del convenuto:\n");
        for (const QString& l : obiezioni)
            r += QStringLiteral("  ") + l + QLatin1Char('\n');
        scrivi(stdout, r + QLatin1Char('\n'));
    }
    if (json)
        scrivi(stdout, QString::fromUtf8(QJsonDocument(risultati).toJson()));
    chiudiFinestre();
    return stato;
}
