#pragma once
// The timeline of a possession: read from the case record alone, drawn with QPainter (no widget),
// so the judgment window, the judgment document and the command-line judge show the same picture.
#include "core/daticausa.h"
#include "core/giudizio.h"
#include "core/regole.h"

#include <QDate>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

struct LineaTempo {
    std::optional<QDate> inizio, fine;                     // the plaintiff's possession
    std::optional<QDate> inizioConvenuto, fineConvenuto;   // the defendant's dates, when proved
    TipoInterruzione interruzione = TipoInterruzione::Nessuna;
    std::optional<QDate> inizioInterruzione, fineInterruzione;
    // The term of the type (-1 when the right is never acquired by possession, 0 for art. 1153).
    int termine = -1;
    QString articolo;                  // "art. 1158"
    std::optional<QDate> decorrenza;   // where the term runs from
    std::optional<QDate> scadenza;     // decorrenza + termine anniversaries
    bool raggiunto = false;            // the term falls within the possession taken into account
    int anniMancanti = 0;              // whole years still lacking when not reached

    // The possession taken into account: the plaintiff's, shortened by the defendant's proved dates.
    std::optional<QDate> inizioUtile() const;
    std::optional<QDate> fineUtile() const;
    // "20 anni: art. 1158", "mancano 3 anni (art. 1158)"; empty with no term.
    QString etichettaTermine() const;
    static QString nomeInterruzione(TipoInterruzione tipo);
};

// The decision is the one made of the same record: the picture shows what the judgment weighed.
LineaTempo lineaTempo(const Causa& causa, const Decisione& decisione);

// Where each part of the picture goes inside an area; empty rectangles for what is not drawn.
struct GeometriaLinea {
    int annoDa = 0, annoA = 0;   // the axis runs from 1 January of annoDa to 1 January of annoA
    QRectF asse;                 // the span of the axis (its height is the band of the bars)
    QRectF barraAttore, barraConvenuto, interruzione;
    std::optional<qreal> xTermine;

    qreal x(const QDate& data) const;
    // Too low for words: only the bars, the axis and the marks are drawn.
    static bool miniatura(const QRectF& area) { return area.height() < 60; }
};

GeometriaLinea geometria(const LineaTempo& linea, const QRectF& area);

// Draws the timeline in the area.
void disegnaLineaTempo(QPainter& p, const QRectF& area, const LineaTempo& linea);

// The step, in years, between the axis' year labels: about a dozen labels or fewer, each at least
// half a label's width apart from the next, however narrow the picture.
int passoAnni(int durata, qreal pixelAnno, qreal larghezzaEtichetta);
// The timeline as a picture of that size, on white.
QImage immagineLineaTempo(const Giudizio& giudizio, const QSize& dimensione = QSize(900, 240));
