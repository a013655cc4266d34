#include "app/gruppoopzioni.h"

GruppoOpzioni::GruppoOpzioni(const QString& nome, QObject* parent) : QObject(parent), nome_(nome) {}

QRadioButton* GruppoOpzioni::aggiungi(QWidget* contenitore, const QString& testo)
{
    auto* b = new QRadioButton(testo, contenitore);
    const int indice = pulsanti_.size() + 1;
    b->setObjectName(QStringLiteral("%1(%2)").arg(nome_).arg(indice));
    // Each button is exclusive by hand, so that the group may also have no selection at all.
    b->setAutoExclusive(false);
    connect(b, &QRadioButton::clicked, this, [this, indice] { seleziona(indice); });
    pulsanti_.append(b);
    return b;
}

int GruppoOpzioni::selezionato() const
{
    for (int i = 0; i < pulsanti_.size(); ++i)
        if (pulsanti_[i]->isChecked())
            return i + 1;
    return 0;
}

void GruppoOpzioni::seleziona(int i)
{
    // A value that names no button (an archive's empty or out-of-range choice) selects nothing.
    if (i < 1 || i > pulsanti_.size())
        return;
    for (int k = 0; k < pulsanti_.size(); ++k)
        pulsanti_[k]->setChecked(k == i - 1);
    if (clic)
        clic(i);
}

void GruppoOpzioni::deseleziona(int i)
{
    if (QRadioButton* b = pulsante(i))
        b->setChecked(false);
}

void GruppoOpzioni::deselezionaTutti()
{
    for (QRadioButton* b : pulsanti_)
        b->setChecked(false);
}

void GruppoOpzioni::mostra(int i)
{
    for (int k = 0; k < pulsanti_.size(); ++k)
        pulsanti_[k]->setChecked(k == i - 1);
}
