#include "platform/messaggiqt.h"
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

// The window manager writes the caption in its own bold font, larger than the program's, beside an
// icon and three buttons. A box sized for its short text alone cuts a long caption ("Possidoria:
// controllo dati immessi nella finestra attiva"): the box is widened to hold it whole.
int MessaggiQt::larghezzaPerTitolo(const QString& titolo, const QWidget* box)
{
    QFont f = QApplication::font();
    f.setBold(true);
    f.setPointSizeF(qMax(f.pointSizeF(), 11.0));
    const double scala = (box ? box->logicalDpiX() : 96) / 96.0;
    return QFontMetrics(f, box).horizontalAdvance(titolo) + qRound(170 * scala);
}

static void allargaPerTitolo(QMessageBox& box)
{
    // The box fixes its own size from its layout's minimum width when shown: a spacer as wide as
    // the caption needs raises that minimum.
    if (auto* griglia = qobject_cast<QGridLayout*>(box.layout()))
        griglia->addItem(new QSpacerItem(MessaggiQt::larghezzaPerTitolo(box.windowTitle(), &box), 0, QSizePolicy::Fixed,
                                         QSizePolicy::Minimum),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
}

Risposta MessaggiQt::mostra(const QString& testo, const QString& titolo, Icona icona, Pulsanti pulsanti,
                            Risposta predefinita)
{
    static const QMessageBox::Icon icone[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Question};
    QMessageBox box(icone[int(icona)], titolo, QString(testo).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (pulsanti == Pulsanti::SiNo || pulsanti == Pulsanti::SiNoAnnulla) {
        QPushButton* si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        QPushButton* annulla = pulsanti == Pulsanti::SiNoAnnulla
                                   ? box.addButton(QStringLiteral("&Annulla"), QMessageBox::RejectRole)
                                   : nullptr;
        box.setDefaultButton(predefinita == Risposta::Annulla && annulla ? annulla
                             : predefinita == Risposta::No               ? no
                                                                         : si);
        box.setEscapeButton(annulla ? annulla : no);
        allargaPerTitolo(box);
        box.exec();
        if (box.clickedButton() == si)
            return Risposta::Si;
        return box.clickedButton() == no || !annulla ? Risposta::No : Risposta::Annulla;
    }
    box.addButton(QMessageBox::Ok);
    allargaPerTitolo(box);
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

namespace {

// Qt's own dialog reads double quotes in a typed name as a list of names ("a" "b"): it would save
// `nuovo caso "q"` as `q`, or open `q` for it. A typed name holding a double quote is taken whole.
class DialogoFile : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    QString scelto() const { return nomeIntero_.isEmpty() ? selectedFiles().value(0) : nomeIntero_; }

protected:
    void accept() override
    {
        auto* campo = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!campo || !campo->text().contains(QLatin1Char('"'))) {
            QFileDialog::accept();
            return;
        }
        const QFileInfo file(directory().absoluteFilePath(campo->text()));
        if (file.isDir()) {
            setDirectory(file.absoluteFilePath());
            campo->clear();
            return;
        }
        // The same questions and notices as Qt's, in its own words and translations.
        if (acceptMode() == AcceptOpen && !file.exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate("QFileDialog", "%1\nFile not found.\nPlease verify the "
                                                                            "correct file name was given.")
                                     .arg(file.fileName()));
            return;
        }
        if (acceptMode() == AcceptSave && file.exists() && !testOption(DontConfirmOverwrite)
            && QMessageBox::warning(
                   this, windowTitle(),
                   QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                       .arg(file.fileName()),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            return;
        nomeIntero_ = file.absoluteFilePath();
        QDialog::accept();
    }

private:
    QString nomeIntero_;
};

enum class Scopo { Apri, Salva, Elimina };

// Under a filter that recognises files by their content, the dialog lists every file its patterns
// name and every one it recognises; folders always. Any other filter is left to the dialog.
class FiltroContenuto : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void usa(const FiltroFile* filtro)
    {
        filtro_ = filtro && filtro->riconosce ? filtro : nullptr;
        if (auto* m = qobject_cast<QFileSystemModel*>(sourceModel()); m && filtro_)
            m->setNameFilters({});   // every file reaches filterAcceptsRow, which decides
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int riga, const QModelIndex& padre) const override
    {
        auto* m = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!filtro_ || !m)
            return true;
        const QModelIndex i = m->index(riga, 0, padre);
        if (m->isDir(i))
            return true;
        const QString nome = m->fileName(i);
        for (const QString& schema : filtro_->schema.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (QDir::match(schema.trimmed(), nome))
                return true;
        return filtro_->riconosce(m->filePath(i));
    }

private:
    const FiltroFile* filtro_ = nullptr;
};

QString dialogo(Scopo scopo, const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                const QString& nomeIniziale)
{
    QStringList elenco;
    for (const FiltroFile& f : filtri)
        elenco << DialoghiQt::filtroQt(f);
    DialogoFile d(QApplication::activeWindow(), titolo);
    // Qt's own dialog, the same on every desktop: it can list archives known by their content.
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(scopo == Scopo::Salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(scopo == Scopo::Salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (scopo == Scopo::Elimina)
        d.setLabelText(QFileDialog::Accept, QStringLiteral("&Elimina"));
    auto* contenuto = new FiltroContenuto(&d);
    d.setProxyModel(contenuto);
    // Saving over an existing archive asks first, so that a saved case is never replaced unawares.
    d.setNameFilters(elenco);
    QObject::connect(&d, &QFileDialog::filterSelected, contenuto, [&, contenuto](const QString& scelto) {
        const qsizetype i = elenco.indexOf(scelto);
        contenuto->usa(i >= 0 ? &filtri[i] : nullptr);
    });
    const QFileInfo iniziale(nomeIniziale);
    if (!nomeIniziale.isEmpty() && iniziale.isDir()) {
        d.setDirectory(nomeIniziale);
    } else if (!nomeIniziale.isEmpty()) {
        d.setDirectory(iniziale.absolutePath());
        d.selectFile(iniziale.fileName());
    }
    if (filtroIniziale >= 1 && filtroIniziale <= elenco.size()) {
        d.selectNameFilter(elenco[filtroIniziale - 1]);
        contenuto->usa(&filtri[filtroIniziale - 1]);
    }
    return d.exec() == QDialog::Accepted ? d.scelto() : QString();
}

}   // namespace

QString DialoghiQt::apri(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                         const QString& nomeIniziale)
{
    return dialogo(Scopo::Apri, titolo, filtri, filtroIniziale, nomeIniziale);
}

QString DialoghiQt::salva(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                          const QString& nomeIniziale)
{
    return dialogo(Scopo::Salva, titolo, filtri, filtroIniziale, nomeIniziale);
}

QString DialoghiQt::elimina(const QString& titolo, const QList<FiltroFile>& filtri, int filtroIniziale,
                            const QString& nomeIniziale)
{
    return dialogo(Scopo::Elimina, titolo, filtri, filtroIniziale, nomeIniziale);
}
