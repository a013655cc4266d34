// Time of one decision, over every combination of type, years of possession (0-30), the six
// answers of the plaintiff and the three objections that can decide (manner, state of mind, faith).
#include "core/regole.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QTextStream>
#include <QVector>

int main()
{
    // Possessions of 0 to 30 years and a few days, all ending on the same day.
    const QDate fine(2010, 1, 1);
    QVector<QDate> inizi;
    for (int anni = 0; anni <= 30; ++anni)
        inizi << fine.addYears(-anni).addDays(-(anni * 7 % 365 + 1));

    QVector<long long> conteggi(int(tabellaRegole().size()));
    long long decisioni = 0;
    long long vinte = 0;
    QElapsedTimer cronometro;
    cronometro.start();
    Fatti f;
    for (int tipo = 1; tipo <= 12; ++tipo) {
        f.tipologia = Tipologia(tipo);
        f.possessoFine = fine;
        for (const QDate& inizio : inizi) {
            f.possessoInizio = inizio;
            for (int interr = 1; interr <= 3; ++interr)
                for (int modus = 1; modus <= 2; ++modus)
                    for (int psic = 1; psic <= 2; ++psic)
                        for (int prov = 1; prov <= 2; ++prov)
                            for (int fed = 1; fed <= 2; ++fed)
                                for (int acq = 1; acq <= 2; ++acq) {
                                    f.interruzione = Interruzione(interr);
                                    f.modo = Modo(modus);
                                    f.animo = Animo(psic);
                                    f.provenienza = Provenienza(prov);
                                    f.fede = Fede(fed);
                                    f.titolo = Titolo(acq);
                                    for (int om = 0; om <= 12; ++om)
                                        for (int op = 0; op <= 12; ++op)
                                            for (int of = 0; of <= 12; ++of) {
                                                f.obiezioneModo = ProvaRequisito(om);
                                                f.obiezioneAnimo = ProvaRequisito(op);
                                                f.obiezioneFede = ProvaRequisito(of);
                                                const Decisione d = decidi(f);
                                                ++conteggi[d.riga];
                                                vinte += d.esito == Esito::Vince;
                                                ++decisioni;
                                            }
                                }
        }
    }
    const qint64 ns = cronometro.nsecsElapsed();

    QTextStream out(stdout);
    const auto raggiunte = std::count_if(conteggi.begin(), conteggi.end(), [](long long n) { return n > 0; });
    out << "decisions: " << decisioni << ", won: " << vinte << ", rules reached: " << raggiunte << " of "
        << tabellaRegole().size() << "\n";
    out << "total: " << QString::number(ns / 1e9, 'f', 3)
        << " s, per decision: " << QString::number(double(ns) / double(decisioni), 'f', 1) << " ns\n";
    for (size_t i = 0; i < tabellaRegole().size(); ++i)
        out << tabellaRegole()[i].chiave << ' ' << conteggi[int(i)] << (i + 1 == tabellaRegole().size() ? "\n" : "  ");
    return 0;
}
