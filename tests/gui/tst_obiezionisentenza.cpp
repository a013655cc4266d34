// Whole cases through the real windows: the header, the possession window, one of the defendant's
// objections raised from its button and closed with "&Possesso", then the judgment. A proved
// objection changes the judgment as the law says; one without proof changes nothing.
#include "gui/frame/gruppoopzioni.h"
#include "gui/frame/modpossidoria.h"
#include "gui/case/bloccodate.h"
#include "gui/case/finestracausa.h"
#include "gui/case/finestradate.h"
#include "gui/case/finestrapossesso.h"
#include "gui/case/questionario.h"
#include "fakes/piattaformafinta.h"
#include "core/catalogo.h"
#include "gui/judgment/finestrasentenza.h"
#include "core/regole.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

struct Possesso {
    int tipo;
    QString inizio, fine;
    int interr, fed, acq;   // the plaintiff's answers; manner, state of mind and provenance are sound
};

// The objection raised, and how the defendant proves it.
enum class Obiezione { Nessuna, Date, Interruzione, Modo, Psiche, Fede };
struct Prova {
    Obiezione obiezione = Obiezione::Nessuna;
    QString inizio, fine;                 // dates of the date windows
    int provaInizio = 0, provaFine = 0;   // the date windows' proofs, or the questionnaire's choice
};

FinestraPossesso* possesso() { return Finestre::di<FinestraPossesso>(); }

void avvia(const Possesso& p)
{
    FinestraCausa* c = Finestre::di<FinestraCausa>();
    c->attore()->setText(QStringLiteral("Mario Rossi"));
    c->convenuto()->setText(QStringLiteral("Luigi Bianchi"));
    c->bene()->setText(QStringLiteral("fondo in località Poggio"));
    c->luogo()->setText(QStringLiteral("Siena"));
    c->Option1()->seleziona(p.tipo);
    c->cmdavanti_Click();
    FinestraPossesso* f = possesso();
    f->datainizio()->setText(p.inizio);
    f->datafine()->setText(p.fine);
    f->interr()->pulsante(p.interr)->click();
    f->modus()->pulsante(2)->click();
    f->psic()->pulsante(2)->click();
    f->prov()->pulsante(1)->click();
    f->fed()->pulsante(p.fed)->click();
    f->acq()->pulsante(p.acq)->click();
}

QString sentenza()
{
    possesso()->cmdavanti_Click();
    auto* s = Finestre::finestra<FinestraSentenza>(QStringLiteral("sentenza"));
    return s && s->isVisible() ? s->testosentenza()->toPlainText() : QString();
}

// The judgment paragraph of a rule of the table.
QString paragrafo(const char* chiave)
{
    for (const Regola& r : tabellaRegole())
        if (r.chiave == QLatin1String(chiave))
            return sentenzaDellaRegola(r);
    return QStringLiteral("(nessuna regola %1)").arg(QLatin1String(chiave));
}

// Raises the objection from the possession window's button, enters the proof, goes back.
void obietta(const Prova& p)
{
    static const QHash<Obiezione, std::pair<int, const char*>> finestre{{Obiezione::Date, {1, "ledate"}},
                                                                        {Obiezione::Interruzione, {2, "interruzione"}},
                                                                        {Obiezione::Modo, {3, "modo"}},
                                                                        {Obiezione::Psiche, {4, "psiche"}},
                                                                        {Obiezione::Fede, {6, "fede"}}};
    if (p.obiezione == Obiezione::Nessuna)
        return;
    const auto [bottone, nome] = finestre.value(p.obiezione);
    possesso()->oppos1_Click(bottone);
    QWidget* w = Finestre::finestra(QString::fromLatin1(nome));
    QVERIFY(w && w->isVisible());
    if (auto* d = qobject_cast<FinestraDate*>(w)) {
        d->blocco()->datainizio()->setText(p.inizio);
        d->blocco()->datafine()->setText(p.fine);
        d->datin()->pulsante(p.provaInizio)->click();
        d->datfin()->pulsante(p.provaFine)->click();
        d->cmdpossesso_Click();
    } else {
        auto* q = qobject_cast<Questionario*>(w);
        QVERIFY(q);
        q->gruppo()->pulsante(p.provaInizio)->click();
        q->cmdpossesso_Click();
    }
    QCOMPARE(possesso()->numobiez()->text(), QStringLiteral("È stata formulata n. 1 obiezione."));
}

}   // namespace

Q_DECLARE_METATYPE(Possesso)
Q_DECLARE_METATYPE(Prova)

class TstObiezioniSentenza : public QObject {
    Q_OBJECT
private slots:
    void init() { finta_ = new PiattaformaFinta; }
    void cleanup()
    {
        delete finta_;
        finta_ = nullptr;
    }
    void obiezioneCambiaSentenza_data();
    void obiezioneCambiaSentenza();

private:
    PiattaformaFinta* finta_ = nullptr;
};

void TstObiezioniSentenza::obiezioneCambiaSentenza_data()
{
    QTest::addColumn<Possesso>("causa");
    QTest::addColumn<Prova>("prova");
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");

    // Type 1 (ownership), 25 years, no interruption, good faith; with and without a title.
    const Possesso senzaTitolo{1, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"), 3, 1, 2};
    const Possesso conTitolo{1, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"), 3, 1, 1};
    const Possesso breve{1, QStringLiteral("1/1/83"), QStringLiteral("1/1/95"), 3, 1, 1};     // 12 years
    const Possesso mobili{10, QStringLiteral("1/1/83"), QStringLiteral("1/1/95"), 3, 1, 2};   // movables, 12 years

    const Prova dateProvate{Obiezione::Date, QStringLiteral("1/1/1980"), QStringLiteral("1/1/1995"), 5, 6};
    QTest::newRow("15 anni provati: R1 diventa R10")
        << senzaTitolo << dateProvate << paragrafo("R1") << paragrafo("R10");
    // With good faith and a title the ten years of art. 1159 came first, and fifteen still hold them.
    QTest::newRow("con titolo, 15 anni provati: resta R5")
        << conTitolo << dateProvate << paragrafo("R5") << paragrafo("R5");
    QTest::newRow("date senza prova: nulla cambia")
        << senzaTitolo << Prova{Obiezione::Date, QStringLiteral("1/1/1980"), QStringLiteral("1/1/1990"), 10, 13}
        << paragrafo("R1") << paragrafo("R1");

    const Possesso menoDiUnAnno{1, QStringLiteral("1/1/70"), QStringLiteral("1/1/95"), 1, 1, 2};
    QTest::newRow("interruzione di oltre un anno")
        << menoDiUnAnno << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1985"), QStringLiteral("15/3/1986"), 1, 1}
        << paragrafo("R1") << paragrafo("R2");
    // Twenty years were complete on 1/1/1990: a later loss of possession takes nothing away.
    QTest::newRow("interruzione dopo il ventennio compiuto")
        << menoDiUnAnno << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1991"), 1, 1}
        << paragrafo("R1") << paragrafo("R1");
    QTest::newRow("interruzione prima del possesso")
        << menoDiUnAnno << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1960"), QStringLiteral("15/3/1969"), 1, 1}
        << paragrafo("R1") << paragrafo("R1");
    // An end without proof leaves the objection unproved, and the possession uninterrupted.
    QTest::newRow("interruzione senza prova dell'inizio")
        << menoDiUnAnno
        << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1991"), 13, 1}
        << paragrafo("R1") << paragrafo("R1");
    QTest::newRow("interruzione senza prova della fine")
        << menoDiUnAnno
        << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1990"), QStringLiteral("15/3/1991"), 10, 10}
        << paragrafo("R1") << paragrafo("R1");
    QTest::newRow("interruzione di meno di un anno")
        << menoDiUnAnno << Prova{Obiezione::Interruzione, QStringLiteral("1/3/1990"), QStringLiteral("28/2/1991"), 1, 1}
        << paragrafo("R1") << paragrafo("R1");

    // clang-format off
    QTest::newRow("mala fede provata") << mobili << Prova{Obiezione::Fede, {}, {}, 5} << paragrafo("R35") << paragrafo("R39");
    QTest::newRow("mala fede senza prova") << mobili << Prova{Obiezione::Fede, {}, {}, 12} << paragrafo("R35") << paragrafo("R35");
    QTest::newRow("modo, diffida: nulla cambia") << breve << Prova{Obiezione::Modo, {}, {}, 11} << paragrafo("R5") << paragrafo("R5");
    QTest::newRow("modo, testimoni") << breve << Prova{Obiezione::Modo, {}, {}, 6} << paragrafo("R5") << paragrafo("R7");
    QTest::newRow("modo senza prova") << conTitolo << Prova{Obiezione::Modo, {}, {}, 12} << paragrafo("R5") << paragrafo("R5");
    QTest::newRow("fede, diffida: nulla cambia") << breve << Prova{Obiezione::Fede, {}, {}, 11} << paragrafo("R5") << paragrafo("R5");
    QTest::newRow("fede, tolleranza") << conTitolo << Prova{Obiezione::Fede, {}, {}, 10} << paragrafo("R5") << paragrafo("RT");
    QTest::newRow("psiche, tolleranza") << breve << Prova{Obiezione::Psiche, {}, {}, 10} << paragrafo("R5") << paragrafo("RT");
    QTest::newRow("psiche, diffida: nulla cambia") << breve << Prova{Obiezione::Psiche, {}, {}, 11} << paragrafo("R5") << paragrafo("R5");
    // clang-format on
}

void TstObiezioniSentenza::obiezioneCambiaSentenza()
{
    QFETCH(Possesso, causa);
    QFETCH(Prova, prova);
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    avvia(causa);
    QVERIFY2(sentenza().startsWith(prima), qPrintable(sentenza()));
    obietta(prova);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(sentenza().startsWith(dopo), qPrintable(sentenza()));
    QVERIFY(finta_->messaggi.mostrati.size() <= 2);   // at most the two "nessuna prova" notices
}

QTEST_MAIN(TstObiezioniSentenza)
#include "tst_obiezionisentenza.moc"
