#include "platform/wordqt.h"

#include "documento/odflingua.h"
#include "core/scritturafile.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <QTextDocumentWriter>

namespace {

const QString tipoOdt = QStringLiteral("application/vnd.oasis.opendocument.text");

// The desktop's program for text documents (its desktop entry), or empty when it cannot say. Asked
// only by an export that opened a document, and waited for there, briefly: no process outlives it.
QString applicazionePredefinita()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), tipoOdt});
    if (!p.waitForFinished(2000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
#endif
    return {};
}

bool cartellaScrivibile(const QString& cartella)
{
    const QFileInfo info(cartella);
    return !cartella.isEmpty() && info.isDir() && info.isWritable();
}

// Qt's ODF writer looks for the font under the single-family key (else it writes "Sans"),
// while the document itself reads the family list: both are set.
void impostaFont(QTextCharFormat& formato, const QString& nome)
{
    formato.setFontFamilies({nome});
    formato.setProperty(QTextFormat::OldFontFamily, nome);
}

// Hands the document to the desktop without a word on the terminal: the launcher's own complaints go
// nowhere, and a desktop without a launcher or without a program for the document answers false,
// which the program reports in its message.
bool apriInSilenzio(const QUrl& u)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // A launcher that starts counts for nothing: with no program for the document it fails later,
    // unseen. The desktop is asked first whether anything opens such documents at all.
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty() && applicazionePredefinita().isEmpty())
        return false;
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

}   // namespace

WordQt::WordQt(Apertura apri, Applicazione applicazione)
    : apri_(apri ? std::move(apri) : Apertura(apriInSilenzio))
    , chiediApplicazione_(applicazione ? std::move(applicazione) : Applicazione(applicazionePredefinita))
{}

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
    intatto_ = false;
}

void WordQt::assicuraDocumento()
{
    if (!documento_)
        nuovoDocumento();
}

void WordQt::fontSelezione(const QString& nome)
{
    assicuraDocumento();
    modificato();
    impostaFont(formatoSelezione_, nome);
    // A paragraph added later starts with the font of the text before it, as in a word processor.
    impostaFont(formatoParagrafo_, nome);
    if (selezione_.block().length() <= 1)
        selezione_.setBlockCharFormat(formatoSelezione_);
}

void WordQt::dimensioneSelezione(int punti)
{
    assicuraDocumento();
    modificato();
    formatoSelezione_.setFontPointSize(punti);
    if (selezione_.block().length() <= 1)
        selezione_.setBlockCharFormat(formatoSelezione_);
}

void WordQt::scrivi(const QString& testo)
{
    assicuraDocumento();
    modificato();
    inserisci(selezione_, testo, formatoSelezione_);
}

void WordQt::aggiungiParagrafoFinale()
{
    assicuraDocumento();
    modificato();
    formatoParagrafo_ = formatoSelezione_;
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    // An empty last paragraph is the one to fill; otherwise a new one follows the text.
    if (fine.block().length() > 1) {
        QTextBlockFormat f = fine.blockFormat();
        f.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        fine.insertBlock(f, formatoParagrafo_);
    } else
        fine.setBlockCharFormat(formatoParagrafo_);
    paragrafoFinale_ = true;
}

void WordQt::dimensioneParagrafo(int punti)
{
    assicuraDocumento();
    modificato();
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
    modificato();
    if (!paragrafoFinale_)
        aggiungiParagrafoFinale();
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    inserisci(fine, testo, formatoParagrafo_);
}

void WordQt::immagineParagrafo(const QImage& immagine)
{
    assicuraDocumento();
    modificato();
    if (!paragrafoFinale_)
        aggiungiParagrafoFinale();
    // The document keeps the picture as a resource; the ODF writer stores it inside the file.
    const QUrl nome(QStringLiteral("possidoria://immagine-%1.png").arg(++immagini_));
    documento_->addResource(QTextDocument::ImageResource, nome, immagine);
    QTextImageFormat formato;
    formato.setName(nome.toString());
    // About 16 cm wide, the text column of an A4 page.
    const qreal larghezza = 600;
    formato.setWidth(larghezza);
    formato.setHeight(larghezza * immagine.height() / std::max(1, immagine.width()));
    QTextCursor fine(documento_.get());
    fine.movePosition(QTextCursor::End);
    if (fine.block().length() > 1)
        fine.insertBlock();
    fine.insertImage(formato);
    fine.insertBlock();
}

void WordQt::giustificaTutto()
{
    assicuraDocumento();
    modificato();
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

// The document goes to memory first, then to disk whole or not at all: Qt's writer reports success
// even when the disk refused part of the file.
bool WordQt::scriviOdf(const QTextDocument& doc, const QString& percorso)
{
    QBuffer memoria;
    memoria.open(QIODevice::WriteOnly);
    QTextDocumentWriter scrittore(&memoria, QByteArrayLiteral("odf"));
    if (!scrittore.write(&doc))
        return false;
    return bool(scriviFileIntero(percorso, OdfLingua::dichiara(memoria.data(), "it", "IT")));
}

bool WordQt::salvaCome(const QString& percorso)
{
    assicuraDocumento();
    if (percorso.isEmpty() || !scriviOdf(*documento_, percorso))
        return false;
    salvato_ = percorso;
    intatto_ = true;
    return true;
}

QString WordQt::cartellaDocumento(bool* ripiego)
{
    if (ripiego)
        *ripiego = false;
    // With TMPDIR naming a missing folder Qt answers an empty path, which would put the file in "/".
    const QString temporanea = QDir::tempPath();
    if (cartellaScrivibile(temporanea))
        return temporanea;
    if (ripiego)
        *ripiego = true;
    for (auto luogo : {QStandardPaths::CacheLocation, QStandardPaths::DocumentsLocation}) {
        const QString cartella = QStandardPaths::writableLocation(luogo);
        if (!cartella.isEmpty() && QDir().mkpath(cartella) && cartellaScrivibile(cartella))
            return cartella;
    }
    return {};
}

DocumentoMostrato WordQt::mostra()
{
    assicuraDocumento();
    DocumentoMostrato esito;
    esito.percorso = salvato_;
    if (salvato_.isEmpty()) {
        const QString cartella = cartellaDocumento(&esito.cartellaRipiego);
        if (cartella.isEmpty())
            return esito;
        const QString nome = QCoreApplication::applicationName().isEmpty() ? QStringLiteral("documento")
                                                                           : QCoreApplication::applicationName();
        // Reserves a name no other document has; the whole document then replaces the empty file.
        QTemporaryFile nuovo(QDir(cartella).filePath(nome + QStringLiteral("-XXXXXX.odt")));
        nuovo.setAutoRemove(false);
        if (!nuovo.open())
            return esito;
        esito.percorso = nuovo.fileName();
        nuovo.close();
        if (!scriviOdf(*documento_, esito.percorso)) {
            QFile::remove(esito.percorso);
            return esito;
        }
    } else if (!intatto_ || !QFileInfo(salvato_).isFile()) {
        // Written once: an unchanged saved document is opened as it is, never written over.
        if (!scriviOdf(*documento_, salvato_))
            return esito;
        intatto_ = true;
    }
    esito.scritto = true;
    esito.aperto = apri_(QUrl::fromLocalFile(esito.percorso));
    if (esito.aperto)
        esito.applicazione = applicazione();
    return esito;
}

QString WordQt::applicazione()
{
    // Asked once: the desktop's choice does not change while the program runs.
    if (!applicazione_) {
        const QString nome = chiediApplicazione_();
        applicazione_ = nome.isEmpty() ? QStringLiteral("desktop") : nome;
    }
    return *applicazione_;
}
