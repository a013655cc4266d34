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

QString DialoghiQt::filtroQt(const FiltroFile& f)
{
    // Qt separates patterns with blanks and its "*.*" wants a dot in the name: "*" lists every
    // file, the archives without extension included.
    QStringList schemi = f.schema.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& s : schemi) {
        s = s.trimmed();
        if (s == QLatin1String("*.*"))
            s = QStringLiteral("*");
    }
    schemi.removeAll(QString());
    return f.descrizione.trimmed() + QStringLiteral(" (") + schemi.join(QLatin1Char(' ')) + QLatin1Char(')');
}

static QString dialogo(bool salvare, const QString& titolo, const QList<FiltroFile>& filtri,
                       int filtroIniziale, const QString& nomeIniziale)
{
    QStringList elenco;
    for (const FiltroFile& f : filtri)
        elenco << DialoghiQt::filtroQt(f);
    QString scelto = filtroIniziale >= 1 && filtroIniziale <= elenco.size() ? elenco[filtroIniziale - 1] : QString();
    QWidget* padre = QApplication::activeWindow();
    const QString unione = elenco.join(QStringLiteral(";;"));
    // Saving over an existing archive asks first, so that a saved case is never replaced unawares.
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
