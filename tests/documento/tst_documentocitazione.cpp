// The draft writ as the lawyer receives it: the .odt declares Italian and holds, read back from
// its content, every date, article and fact of the judgment and no other date; the PDF holds the
// same; the word processor's steps carry the same paragraphs.
#include "comune/cause.h"
#include "core/citazione.h"
#include "core/giudizio.h"
#include "documento/documentocitazione.h"
#include "documento/odflingua.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The text of an ODF content.xml: the paragraphs on one line each, the entities read.
QString testoOdf(const QByteArray& contenuto)
{
    QString t = QString::fromUtf8(contenuto);
    t.replace(QRegularExpression(u"</text:p>|<text:line-break/>"_s), u"\n"_s);
    t.replace(QRegularExpression(u"<text:s(?: text:c=\"(\\d+)\")?/>"_s), u" "_s);
    t.remove(QRegularExpression(u"<[^>]*>"_s));
    t.replace(u"&apos;"_s, u"'"_s).replace(u"&quot;"_s, u"\""_s).replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
    return t.replace(u"&amp;"_s, u"&"_s);
}

// The dates written, but the mediation statute's own ("d.lgs. 4 marzo 2010, n. 28"), which must be there.
QStringList date(QString testo)
{
    const QString legge = u"d.lgs. 4 marzo 2010, n. 28"_s;
    if (!testo.contains(legge))
        return {u"manca il "_s + legge};
    testo.remove(legge);
    static const QRegularExpression data(
        u"\\b\\d{1,2}°? (?:gennaio|febbraio|marzo|aprile|maggio|giugno|luglio|agosto|settembre|ottobre|novembre|"
        "dicembre) \\d{4}\\b|\\b\\d{1,2}/\\d{1,2}/\\d{2,4}\\b"_s);
    QStringList r;
    for (auto m = data.globalMatch(testo); m.hasNext();)
        r << m.next().captured(0);
    r.removeDuplicates();
    r.sort();
    return r;
}

QStringList articoli(const QString& testo)
{
    // "art. 1158", "artt. 1140 e 1141", "artt. 1165, 1167 e 2943": every number of the list.
    static const QRegularExpression articolo(u"\\bartt?\\. ((?:\\d{1,4}(?:-bis)?(?:, | e )?)+)"_s);
    static const QRegularExpression numero(u"\\d{1,4}(?:-bis)?"_s);
    QStringList r;
    for (auto m = articolo.globalMatch(testo); m.hasNext();)
        for (auto n = numero.globalMatch(m.next().captured(1)); n.hasNext();)
            r << n.next().captured(0);
    r.removeDuplicates();
    r.sort();
    return r;
}

Causa causaRecuperata()
{
    return conPossessoRecuperato(
        conTitolo(causaDi(Tipologia::Proprieta, u"15/4/1990"_s, u"1/3/2005"_s), u"20/6/1990"_s), u"1/5/1993"_s,
        u"1/9/1994"_s);
}

}   // namespace

class TstDocumentoCitazione : public QObject {
    Q_OBJECT
private slots:
    void odtRiletto();
    void pdfRiletto();
    void passiDellaVideoscrittura();
    void nomeDelFile_data();
    void nomeDelFile();
};

void TstDocumentoCitazione::odtRiletto()
{
    const Causa causa = causaRecuperata();
    const std::optional<Giudizio> g = giudica(causa);
    QVERIFY(g);
    QCOMPARE(g->decisione.chiave, u"R5"_s);
    const std::optional<BozzaCitazione> b = bozzaCitazione(*g);
    QVERIFY(b);
    const std::optional<QByteArray> odt = odtCitazione(*b);
    QVERIFY(odt);
    QVERIFY(odt->startsWith("PK"));
    const QByteArray contenuto = OdfLingua::membro(*odt, "content.xml");
    QVERIFY(!contenuto.isEmpty());
    // Italian declared, so that the word processor checks the spelling in Italian.
    QVERIFY(contenuto.contains("fo:language=\"it\""));
    QVERIFY(contenuto.contains("fo:country=\"IT\""));
    const QString t = testoOdf(contenuto);
    // The record's facts as typed.
    for (const QString& s : {causa.testi.attore, causa.testi.convenuto, causa.testi.bene, causa.testi.luogo})
        QVERIFY2(t.contains(s), qPrintable(s));
    // Every date: the start, the transcription (from which the term ran), the loss and the recovery,
    // the day of the usucapione and the end; none other.
    QCOMPARE(date(t), (QStringList{u"15 aprile 1990"_s, u"1° maggio 1993"_s, u"1° marzo 2005"_s, u"1° settembre 1994"_s,
                                   u"20 giugno 1990"_s, u"20 giugno 2000"_s}));
    QCOMPARE(*g->decisione.compiuta, QDate(2000, 6, 20));
    // The articles: possession and its presumptions, the term, good faith, the interruption and
    // the transcription of the judgment; the procedure's by number.
    QCOMPARE(articoli(t), (QStringList{u"1140"_s, u"1141"_s, u"1142"_s, u"1147"_s, u"1159"_s, u"1165"_s, u"1167"_s,
                                       u"163"_s, u"168-bis"_s, u"21"_s, u"2651"_s, u"2943"_s, u"2944"_s, u"5"_s}));
    QVERIFY(t.contains(u"2. Il possesso fu acquistato senza violenza"_s));
    QVERIFY(t.contains(u"recuperato con l'azione proposta entro l'anno"_s));
}

void TstDocumentoCitazione::pdfRiletto()
{
    const std::optional<Giudizio> g = giudica(causaRecuperata());
    QVERIFY(g);
    const std::optional<QByteArray> pdf = pdfCitazione(*bozzaCitazione(*g));
    QVERIFY(pdf);
    QVERIFY(pdf->contains("/Lang (it-IT)"));
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is missing");
    QProcess p;
    p.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, u"-"_s, u"-"_s});
    p.write(*pdf);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    const QString t = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    QVERIFY(t.contains(u"TRIBUNALE DI ORVIETO"_s));
    QVERIFY(t.contains(u"Pagina 1 di"_s));
    QCOMPARE(date(t), (QStringList{u"15 aprile 1990"_s, u"1° maggio 1993"_s, u"1° marzo 2005"_s, u"1° settembre 1994"_s,
                                   u"20 giugno 1990"_s, u"20 giugno 2000"_s}));
}

void TstDocumentoCitazione::passiDellaVideoscrittura()
{
    const std::optional<Giudizio> g = giudica(causaRecuperata());
    QVERIFY(g);
    const BozzaCitazione b = *bozzaCitazione(*g);
    const DocumentoWord w = wordCitazione(b);
    QCOMPARE(w.famiglia, u"Century Gothic"_s);
    QString tutto;
    for (const PassoWord& p : w.passi) {
        QVERIFY(p.punti >= 9 && p.punti <= 14);
        for (const QString& t : p.testi) {
            QVERIFY(t.endsWith(QChar(13)));
            tutto += t;
        }
    }
    // The same paragraphs as the laid-out document, in the same order.
    std::unique_ptr<QTextDocument> doc(testoCitazione(b, QSizeF(595, 842)));
    QCOMPARE(tutto.split(QChar(13), Qt::SkipEmptyParts), doc->toPlainText().split(QChar(10), Qt::SkipEmptyParts));
}

void TstDocumentoCitazione::nomeDelFile_data()
{
    QTest::addColumn<QString>("attore");
    QTest::addColumn<QString>("convenuto");
    QTest::addColumn<QString>("nome");
    QTest::newRow("parti") << u"Mario Rossi"_s << u"Giulia Bianchi"_s
                           << u"Bozza di citazione Mario Rossi - Giulia Bianchi.odt"_s;
    QTest::newRow("caratteri vietati") << u"A/B"_s << u"C:D"_s << u"Bozza di citazione AB - CD.odt"_s;
    QTest::newRow("senza parti") << QString() << u" "_s << u"Bozza di citazione.odt"_s;
}

void TstDocumentoCitazione::nomeDelFile()
{
    QFETCH(QString, attore);
    QFETCH(QString, convenuto);
    QFETCH(QString, nome);
    QCOMPARE(nomeFileCitazione(attore, convenuto, u"odt"_s), nome);
}

QTEST_MAIN(TstDocumentoCitazione)
#include "tst_documentocitazione.moc"
