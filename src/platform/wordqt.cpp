#include "platform/wordqt.h"
#include "app/modpossidoria.h"
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextDocumentWriter>

namespace {

const QString tipoOdt = QStringLiteral("application/vnd.oasis.opendocument.text");

// The desktop entry that opens text documents, as far as the desktop tells; a plain word otherwise.
QString applicazionePredefinita()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess p;
        p.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), tipoOdt});
        if (p.waitForFinished(2000) && p.exitCode() == 0) {
            const QString nome = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
            if (!nome.isEmpty())
                return nome;
        }
    }
#endif
    return QStringLiteral("desktop");
}

// Qt's ODF writer looks for the font under the single-family key (else it writes "Sans"),
// while the document itself reads the family list: both are set.
void impostaFont(QTextCharFormat& formato, const QString& nome)
{
    formato.setFontFamilies({nome});
    formato.setProperty(QTextFormat::OldFontFamily, nome);
}

// Hands the document to the desktop without a word on the terminal: the launcher's own complaints go
// nowhere, and a desktop without a launcher answers false, which the program reports in its message.
bool apriInSilenzio(const QUrl& u)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty()) {
        QProcess p;
        p.setProgram(xdgOpen);
        p.setArguments({u.toString()});
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        return p.startDetached();
    }
#endif
    static QtMessageHandler precedente = nullptr;
    precedente = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
        if (t != QtWarningMsg && precedente)
            precedente(t, c, m);
    });
    const bool aperto = QDesktopServices::openUrl(u);
    qInstallMessageHandler(precedente);
    return aperto;
}

} // namespace

WordQt::WordQt(Apertura apri)
    : apri_(apri ? std::move(apri) : Apertura(apriInSilenzio))
{
}

WordQt::~WordQt() = default;

void WordQt::nuovoDocumento()
{
    documento_ = std::make_unique<QTextDocument>();
    documento_->setUndoRedoEnabled(false);
    selezione_ = QTextCursor(documento_.get());
    formatoSelezione_ = QTextCharFormat();
    formatoParagrafo_ = QTextCharFormat();
    paragrafoFinale_ = false;
    salvato_.clear();
}

void WordQt::assicuraDocumento()
{
    if (!documento_)
        nuovoDocumento();
}

void WordQt::fontSelezione(const QString& nome)
{
    assicuraDocumento();
    impostaFont(formatoSelezione_, nome);
    // A paragraph added later starts with the font of the text before it, as in a word processor.
    impostaFont(formatoParagrafo_, nome);
    if (selezione_.block().length() <= 1)
        selezione_.setBlockCharFormat(formatoSelezione_);
}

void WordQt::dimensioneSelezione(int punti)
{
    assicuraDocumento();
    formatoSelezione_.setFontPointSize(punti);
    if (selezione_.block().length() <= 1)
        selezione_.setBlockCharFormat(formatoSelezione_);
}

void WordQt::scrivi(const QString& testo)
{
    assicuraDocumento();
    inserisci(selezione_, testo, formatoSelezione_);
}

void WordQt::aggiungiParagrafoFinale()
{
    assicuraDocumento();
    formatoParagrafo_ = formatoSelezione_;
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    // An empty last paragraph is the one to fill; otherwise a new one follows the text.
    if (fine.block().length() > 1) {
        QTextBlockFormat f = fine.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        fine.insertBlock(f, formatoParagrafo_);
    }
    else
        fine.setBlockCharFormat(formatoParagrafo_);
    paragrafoFinale_ = true;
}

void WordQt::dimensioneParagrafo(int punti)
{
    assicuraDocumento();
    if (!paragrafoFinale_)
        aggiungiParagrafoFinale();
    formatoParagrafo_.setFontPointSize(punti);
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    if (fine.block().length() <= 1)
        fine.setBlockCharFormat(formatoParagrafo_);
}

void WordQt::testoParagrafo(const QString& testo)
{
    assicuraDocumento();
    if (!paragrafoFinale_)
        aggiungiParagrafoFinale();
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    inserisci(fine, testo, formatoParagrafo_);
}

void WordQt::giustificaTutto()
{
    assicuraDocumento();
    QTextCursor tutto(documento_.get());
    tutto.select(QTextCursor::Document);
    QTextBlockFormat giustificato;
    giustificato.setAlignment(Qt::AlignJustify);
    tutto.mergeBlockFormat(giustificato);
}

// "\r" (or "\n", or "\r\n") ends the paragraph; "\f" puts what follows on a new page.
void WordQt::inserisci(QTextCursor& cursore, const QString& testo, const QTextCharFormat& formato)
{
    QString pezzo;
    auto versaPezzo = [&] {
        if (pezzo.isEmpty())
            return;
        if (cursore.block().length() <= 1)
            cursore.setBlockCharFormat(formato);
        cursore.insertText(pezzo, formato);
        pezzo.clear();
    };
    auto formatoNuovoBlocco = [&] {
        QTextBlockFormat f = cursore.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        return f;
    };
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < testo.size() && testo.at(i + 1) == QLatin1Char('\n'))
                ++i;
            versaPezzo();
            cursore.insertBlock(formatoNuovoBlocco(), formato);
        } else if (c == QLatin1Char('\f')) {
            versaPezzo();
            if (cursore.block().length() > 1)
                cursore.insertBlock(formatoNuovoBlocco(), formato);
            QTextBlockFormat f;
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursore.mergeBlockFormat(f);
        } else {
            pezzo += c;
        }
    }
    versaPezzo();
}

bool WordQt::scriviOdf(const QTextDocument& doc, const QString& percorso)
{
    QTextDocumentWriter scrittore(percorso, QByteArrayLiteral("odf"));
    return scrittore.write(&doc);
}

bool WordQt::salvaCome(const QString& percorso)
{
    assicuraDocumento();
    if (!scriviOdf(*documento_, percorso))
        return false;
    salvato_ = percorso;
    return true;
}

QString WordQt::mostra()
{
    assicuraDocumento();
    QString percorso = salvato_;
    if (percorso.isEmpty()) {
        const QString nome = ModPossidoria::nomeprogramma.isEmpty() ? QStringLiteral("documento")
                                                                    : ModPossidoria::nomeprogramma;
        QTemporaryFile nuovo(QDir::tempPath() + QLatin1Char('/') + nome + QStringLiteral("-XXXXXX.odt"));
        nuovo.setAutoRemove(false);
        if (nuovo.open()) {
            percorso = nuovo.fileName();
            nuovo.close();
        }
    }
    if (percorso.isEmpty() || !scriviOdf(*documento_, percorso)) {
        // The export would otherwise end in silence: say that no document came out of it.
        if (piattaforma().messaggi)
            piattaforma().messaggi->mostra(
                QStringLiteral("Non è stato possibile scrivere il documento") +
                    (percorso.isEmpty() ? QStringLiteral(" nella cartella temporanea.")
                                        : QStringLiteral(":\r") + QDir::toNativeSeparators(percorso)),
                ModPossidoria::titoloaiuto, Icona::Esclamazione);
        return {};
    }
    ModPossidoria::docword = percorso;
    if (apri_(QUrl::fromLocalFile(percorso))) {
        ModPossidoria::appword = applicazionePredefinita();
    } else {
        ModPossidoria::appword.clear();
        if (piattaforma().messaggi)
            piattaforma().messaggi->mostra(
                QStringLiteral("Nessun programma di videoscrittura ha potuto aprire il documento, "
                               "che è stato scritto in:\r") +
                    QDir::toNativeSeparators(percorso) +
                    QStringLiteral("\rLo si può aprire con un programma che legga i documenti "
                                   "OpenDocument (.odt)."),
                ModPossidoria::titoloaiuto, Icona::Esclamazione);
    }
    return percorso;
}
