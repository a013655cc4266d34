#pragma once
// How a case window's text field is a view of a text of the case record: whatever changes the
// field (typing, a paste, code) goes into the record; the record's text is shown without coming
// back into it, so that no limit of the field ever cuts what the record holds.
#include "core/causaviva.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace VistaCausa {

inline void collega(CausaViva& causa, QLineEdit* campo, QString TestiCausa::*testo)
{
    QObject::connect(campo, &QLineEdit::textChanged, campo,
                     [&causa, testo](const QString& t) { causa.imposta(testo, t); });
}

inline void mostra(QLineEdit* campo, const QString& testo)
{
    if (campo->text() == testo)
        return;
    const QSignalBlocker zitto(campo);
    campo->setText(testo);
}

}   // namespace VistaCausa
