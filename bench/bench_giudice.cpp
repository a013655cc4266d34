// The command-line judge over many archives in one process, JSON out, as a whole process.
//   ./bench_giudice [ARCHIVES]   (1000 by default)
// Writes that many different complete cases into a temporary folder, then runs the built
// possidoria-sentenza --json on all of them, eleven times, and prints the median wall time.
#include "core/archivio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int quanti = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    const QString giudice = QCoreApplication::applicationDirPath() + QStringLiteral("/../possidoria-sentenza");
    QTemporaryDir cartella;
    QStringList file;
    for (int i = 0; i < quanti; ++i) {
        // Every type, answer and objection in turn, and a possession from 5 to 34 years.
        Causa c;
        c.testi = {QStringLiteral("Niccolò Ferrè %1").arg(i),
                   QStringLiteral("Società l’Edera"),
                   QStringLiteral("fondo rustico"),
                   QStringLiteral("Città di Castello"),
                   QStringLiteral("1/3/%1").arg(1960 + i % 30),
                   QStringLiteral("1/3/1995"),
                   QStringLiteral("1/3/1975"),
                   QStringLiteral("1/3/1995"),
                   QStringLiteral("1/1/1980"),
                   QStringLiteral("1/6/1981")};
        // Every answer by the numbers an archive holds, any number the sweep reaches.
        c.scelte = {.tipologia = Tipologia(1 + i % 12),
                    .interruzione = Interruzione(1 + i % 3),
                    .modo = Modo(1 + i % 2),
                    .animo = Animo(1 + (i / 2) % 2),
                    .provenienza = Provenienza(1 + (i / 3) % 2),
                    .fede = Fede(1 + (i / 5) % 2),
                    .titolo = Titolo(1 + (i / 7) % 2),
                    .provaInizioDate = ProvaCorta(i % 4),
                    .provaFineDate = ProvaLunga(i % 3),
                    .provaInizioInterruzione = ProvaLunga(i % 5),
                    .provaFineInterruzione = ProvaCorta(i % 4),
                    .obiezioneModo = ProvaRequisito(i % 13),
                    .obiezioneAnimo = ProvaRequisito(i % 11),
                    .obiezioneProvenienza = ProvaRequisito(i % 7),
                    .obiezioneFede = ProvaRequisito(i % 9),
                    .obiezioneTitolo = ProvaRequisito(i % 12)};
        const QString percorso = cartella.filePath(QStringLiteral("Possidoria-dati-%1").arg(i));
        if (!salvaFileArchivio(percorso, c)) {
            out << "cannot write " << percorso << "\n";
            return 1;
        }
        file << percorso;
    }
    QVector<double> tempi;
    for (int g = 0; g < 11; ++g) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        p.start(giudice, QStringList{QStringLiteral("--json")} + file);
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            out << "the judge failed: " << p.readAllStandardError() << "\n";
            return 1;
        }
        tempi << t.nsecsElapsed() / 1e6;
    }
    std::sort(tempi.begin(), tempi.end());
    out << "possidoria-sentenza --json over " << quanti << " archives: median " << QString::number(tempi[5], 'f', 1)
        << " ms, best " << QString::number(tempi.first(), 'f', 1) << " ms, worst "
        << QString::number(tempi.last(), 'f', 1) << " ms (11 runs)\n";
    return 0;
}
