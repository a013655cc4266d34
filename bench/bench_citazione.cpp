// Time of drafting the writ of summons for a won case: the draft from the judgment, then its ODF
// text (.odt, language declared) and its PDF, as "Per l'avvocato" and --citazione make them.
// Target: the whole draft of a case within 30 ms. Prints the median of many rounds, in wall time and
// in the thread's processor time, which a machine busy with other work does not inflate.
#include "core/citazione.h"
#include "core/giudizio.h"
#include "documento/documentocitazione.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <ctime>

namespace {

// Ownership, twenty-five years, a title transcribed, a loss of possession recovered within the year.
Causa causa()
{
    Causa c;
    c.testi.attore = QStringLiteral("Mario Rossi");
    c.testi.convenuto = QStringLiteral("Giulia Bianchi");
    c.testi.bene = QStringLiteral("fondo agricolo con casa colonica");
    c.testi.luogo = QStringLiteral("Montepulciano");
    c.testi.possessoInizio = QStringLiteral("15/4/1980");
    c.testi.possessoFine = QStringLiteral("31/12/2010");
    c.testi.interruzioneInizio = QStringLiteral("1/5/1993");
    c.testi.interruzioneFine = QStringLiteral("1/9/1994");
    c.testi.trascrizione = QStringLiteral("20/6/1980");
    c.scelte = {.tipologia = Tipologia::Proprieta,
                .interruzione = Interruzione::Nessuna,
                .modo = Modo::PacificoPubblico,
                .animo = Animo::DaTitolare,
                .provenienza = Provenienza::Legittima,
                .fede = Fede::Buona,
                .titolo = Titolo::Idoneo,
                .provaInizioInterruzione = ProvaLunga::Testimoni,
                .provaFineInterruzione = ProvaCorta::Testimoni,
                .atto = AttoInterruttivo::PerditaPossesso,
                .recupero = Recupero::EntroLAnno};
    return c;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double mediana(QVector<double> t)
{
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}   // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const std::optional<Giudizio> g = giudica(causa());
    if (!g || !bozzaCitazione(*g)) {
        out << "the case is not won\n";
        return 1;
    }
    const int giri = 60;
    QVector<double> bozza, odt, pdf, tutto, cpu;
    qsizetype byte = 0;
    for (int i = 0; i < giri; ++i) {
        QElapsedTimer t;
        const double inizio = cpuMs();
        t.start();
        const std::optional<BozzaCitazione> b = bozzaCitazione(*g);
        const qint64 t1 = t.nsecsElapsed();
        const std::optional<QByteArray> o = odtCitazione(*b);
        const qint64 t2 = t.nsecsElapsed();
        const std::optional<QByteArray> p = pdfCitazione(*b);
        const qint64 t3 = t.nsecsElapsed();
        cpu << cpuMs() - inizio;
        if (!o || !p) {
            out << "the draft could not be composed\n";
            return 1;
        }
        byte = o->size() + p->size();
        bozza << t1 / 1e6;
        odt << (t2 - t1) / 1e6;
        pdf << (t3 - t2) / 1e6;
        tutto << t3 / 1e6;
    }
    out << "draft writ of a case (median of " << giri << " rounds): text " << QString::number(mediana(bozza), 'f', 3)
        << " ms, .odt " << QString::number(mediana(odt), 'f', 2) << " ms, PDF " << QString::number(mediana(pdf), 'f', 2)
        << " ms; whole " << QString::number(mediana(tutto), 'f', 2) << " ms wall, "
        << QString::number(mediana(cpu), 'f', 2) << " ms processor (target 30 ms), " << byte << " bytes\n";
    return 0;
}
