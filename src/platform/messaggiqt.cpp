#include "platform/messaggiqt.h"
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

Risposta MessaggiQt::mostra(const QString& testo, const QString& titolo, Icona icona,
                            Pulsanti pulsanti, Risposta predefinita)
{
    static const QMessageBox::Icon icone[] = {QMessageBox::Information, QMessageBox::Warning,
                                              QMessageBox::Critical, QMessageBox::Question};
    QMessageBox box(icone[int(icona)], titolo, QString(testo).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (pulsanti == Pulsanti::SiNo) {
        QPushButton* si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(predefinita == Risposta::No ? no : si);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == si ? Risposta::Si : Risposta::No;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return Risposta::Ok;
}

static QString filtroQt(const FiltroFile& f)
{
    return f.descrizione + QStringLiteral(" (") + f.schema + QLatin1Char(')');
}

static QString dialogo(bool salvare, const QString& titolo, const QList<FiltroFile>& filtri,
                       int filtroIniziale, const QString& nomeIniziale)
{
    QStringList elenco;
    for (const FiltroFile& f : filtri)
        elenco << filtroQt(f);
    QString scelto = filtroIniziale >= 1 && filtroIniziale <= elenco.size() ? elenco[filtroIniziale - 1] : QString();
    QWidget* padre = QApplication::activeWindow();
    const QString unione = elenco.join(QStringLiteral(";;"));
    return salvare ? QFileDialog::getSaveFileName(padre, titolo, nomeIniziale, unione, &scelto)
                   : QFileDialog::getOpenFileName(padre, titolo, nomeIniziale, unione, &scelto);
}

QString DialoghiQt::apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                         const QString& nomeIniziale)
{
    return dialogo(false, titolo, filtri, filtroIniziale, nomeIniziale);
}

QString DialoghiQt::salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                          const QString& nomeIniziale)
{
    return dialogo(true, titolo, filtri, filtroIniziale, nomeIniziale);
}
