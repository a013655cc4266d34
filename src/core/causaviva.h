#pragma once
// The case being worked on: one record, created at start-up and handed to the case windows that
// show and edit it, the judgment that reads it and the archive that stores it. Every change is
// announced once by cambiata(); a window shows the record anew when it hears it.
#include "core/daticausa.h"

#include <QObject>
#include <QString>
#include <optional>
#include <type_traits>

class CausaViva : public QObject {
    Q_OBJECT
public:
    CausaViva() = default;

    const Causa& causa() const { return causa_; }
    const TestiCausa& testi() const { return causa_.testi; }
    const DatiCausa& scelte() const { return causa_.scelte; }

    // The archive the case was last opened from or saved to; empty for a new case.
    const QString& archivio() const { return archivio_; }
    void impostaArchivio(const QString& percorso);
    // An archive "&Salva" must not write (an example of the program, one another instance holds):
    // saving asks for a new name.
    bool solaLettura() const { return solaLettura_; }
    void impostaSolaLettura(bool sola);

    // True when the case differs from what was last opened or saved (a new case: from the empty
    // one). The whole record is compared, whatever fields it has.
    bool modificata() const { return causa_ != salvata_; }
    // What the archive holds since the last open or save.
    const Causa& salvata() const { return salvata_; }
    // The case as it stands is now what its archive holds (a save under that name).
    void segnaSalvata(const QString& archivio);

    // An edit: a text as typed, or an answer. Announced only when the value changes.
    void imposta(QString TestiCausa::*campo, const QString& testo);
    template <class E> void imposta(std::optional<E> DatiCausa::*campo, std::type_identity_t<std::optional<E>> valore)
    {
        Causa nuova = causa_;
        nuova.scelte.*campo = valore;
        cambia(nuova);
    }
    // An answer by its option's position, as a window's table numbers it.
    void imposta(const CampoRisposta& campo, Scelta numero);
    // The proof of a date objection (1: the possession's dates, 2: its interruption) for its start
    // (fine false) or its end, numbered as the objection's proofs. On the possession's own dates
    // "nessuna prova" lets the plaintiff's date stand: that date of the objection becomes his. Only
    // there: an interruption that began or ended with the possession would be no interruption at
    // all. One change announced; true when the plaintiff's date was taken.
    bool scegliProvaData(int obiezione, bool fine, Scelta prova);

    // A whole case in one step (an archive opened), with the archive it came from.
    void sostituisci(const Causa& causa, const QString& archivio);
    // A new case: nothing typed, nothing chosen, no archive.
    void azzera();
    // A case brought back after a crash: on screen as it was, still differing from `salvata`.
    void ripristina(const Causa& causa, const Causa& salvata, const QString& archivio);

signals:
    void cambiata();
    // Another case took this one's place (opened, new, recovered): what was shown of the old one goes.
    void sostituita();
    // modificata() turned true or false (an edit, an undone edit, a save, another case).
    void modificataCambiata(bool modificata);
    // The archive the case belongs to, or whether it is only to be read, changed.
    void archivioCambiato();

private:
    // Takes the case when it differs, and announces it.
    void cambia(const Causa& nuova);
    // Announces the change and, when it turned, the modified state.
    void annuncia(bool eraModificata);

    Causa causa_;
    Causa salvata_;
    QString archivio_;
    bool solaLettura_ = false;
};
