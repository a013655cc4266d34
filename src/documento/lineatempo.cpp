#include "documento/lineatempo.h"

#include "core/date.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

QString anni(int n) { return n == 1 ? QStringLiteral("1 anno") : QStringLiteral("%1 anni").arg(n); }

const QColor coloreAttore(0, 90, 170);
const QColor coloreConvenuto(200, 110, 0);
const QColor coloreInterruzione(190, 0, 0);
const QColor coloreTermine(0, 130, 60);

}   // namespace

int passoAnni(int durata, qreal pixelAnno, qreal larghezzaEtichetta)
{
    for (int passo : {1, 2, 5, 10, 20, 50})
        if (durata / passo <= 12 && passo * pixelAnno >= 1.5 * larghezzaEtichetta)
            return passo;
    return 100;
}

std::optional<QDate> LineaTempo::inizioUtile() const
{
    if (!inizio)
        return std::nullopt;
    return inizioConvenuto && *inizioConvenuto > *inizio ? inizioConvenuto : inizio;
}

std::optional<QDate> LineaTempo::fineUtile() const
{
    if (!fine)
        return std::nullopt;
    return fineConvenuto && *fineConvenuto < *fine ? fineConvenuto : fine;
}

QString LineaTempo::etichettaTermine() const
{
    if (termine < 0)
        return {};
    if (termine == 0)
        return QStringLiteral("consegna in buona fede: %1").arg(articolo);
    if (raggiunto || !decorrenza)
        return QStringLiteral("%1: %2").arg(anni(termine), articolo);
    return QStringLiteral("%1: %2, %3 %4")
        .arg(anni(termine), articolo, anniMancanti == 1 ? QStringLiteral("manca") : QStringLiteral("mancano"),
             anni(anniMancanti));
}

QString LineaTempo::nomeInterruzione(TipoInterruzione tipo)
{
    switch (tipo) {
    case TipoInterruzione::PerditaPossesso: return QStringLiteral("perdita del possesso (art. 1167)");
    case TipoInterruzione::Domanda: return QStringLiteral("domanda giudiziale (art. 2943)");
    case TipoInterruzione::Riconoscimento: return QStringLiteral("riconoscimento (art. 2944)");
    case TipoInterruzione::Dichiarata: return QStringLiteral("possesso perso per oltre un anno");
    case TipoInterruzione::Nessuna: break;
    }
    return {};
}

LineaTempo lineaTempo(const Causa& causa, const Decisione& d)
{
    const TestiCausa& t = causa.testi;
    const DatiCausa& s = causa.scelte;
    const Origini& o = d.origini;
    LineaTempo l;
    l.inizio = Date::leggi(t.possessoInizio);
    l.fine = Date::leggi(t.possessoFine);
    if (l.inizio && l.fine && *l.fine < *l.inizio)
        l.fine.reset();
    if (dataProvata(s.provaInizioDate))
        l.inizioConvenuto = Date::leggi(t.ledateInizio);
    // A claim or an acknowledgement ends no possession: the decision weighs it as an interruption.
    if (dataProvata(s.provaFineDate) && o.attoFineDate == TipoInterruzione::Nessuna)
        l.fineConvenuto = Date::leggi(t.ledateFine);

    // The interruption as the decision weighed it.
    if (o.opposizione == Opposizione::Efficace) {
        l.interruzione = o.tipoInterruzione;
        l.inizioInterruzione = o.inizioInterruzione;
        l.fineInterruzione = o.fineInterruzione;
    }
    if (d.fattori.interrotto && o.interruzione == Fonte::Attore)
        l.interruzione = TipoInterruzione::Dichiarata;

    const Termine term = termineDelCaso(d.fattori);
    l.termine = term.anni;
    l.articolo = QString::fromLatin1(term.articolo);
    const auto da = l.inizioUtile();
    const auto a = l.fineUtile();
    if (l.termine < 0 || !da || !a || *a < *da)
        return l;
    // After an interruption inside the possession a new term runs from the day art. 2945 says.
    l.decorrenza = o.interruzione == Fonte::Convenuto && (o.ripresa || l.fineInterruzione)
                       ? (o.ripresa ? o.ripresa : l.fineInterruzione)
                       : da;
    l.scadenza = l.decorrenza->addYears(l.termine);
    l.raggiunto = l.interruzione != TipoInterruzione::Dichiarata && *l.scadenza <= *a;
    // A term already complete is what the decision found, whatever came after it.
    if (d.compiuta) {
        l.scadenza = d.compiuta;
        l.raggiunto = true;
    }
    if (!l.raggiunto) {
        int compiuti = 0;
        while (compiuti < l.termine && l.decorrenza->addYears(compiuti + 1) <= *a)
            ++compiuti;
        l.anniMancanti = l.interruzione == TipoInterruzione::Dichiarata ? l.termine : l.termine - compiuti;
    }
    return l;
}

qreal GeometriaLinea::x(const QDate& data) const
{
    const QDate da(annoDa, 1, 1);
    const qreal giorni = qreal(da.daysTo(QDate(annoA, 1, 1)));
    return asse.left() + asse.width() * qreal(da.daysTo(data)) / giorni;
}

GeometriaLinea geometria(const LineaTempo& l, const QRectF& area)
{
    GeometriaLinea g;
    QList<QDate> date;
    for (const auto& d :
         {l.inizio, l.fine, l.inizioConvenuto, l.fineConvenuto, l.inizioInterruzione, l.fineInterruzione, l.scadenza})
        if (d)
            date << *d;
    if (date.isEmpty()) {
        const int anno = QDate::currentDate().year();
        g.annoDa = anno;
        g.annoA = anno + 1;
    } else {
        g.annoDa = std::min_element(date.begin(), date.end())->year();
        g.annoA = std::max_element(date.begin(), date.end())->year() + 1;
    }
    // A thumbnail has no room for words: the bars and the marks fill it.
    const bool miniatura = GeometriaLinea::miniatura(area);
    const qreal sinistra = area.left() + (miniatura ? 3 : area.width() * 0.14);
    const qreal destra = area.right() - (miniatura ? 3 : area.width() * 0.03);
    const qreal alto = area.top() + area.height() * (miniatura ? 0.08 : 0.22);
    const qreal basso = area.top() + area.height() * (miniatura ? 0.85 : 0.72);
    g.asse = QRectF(QPointF(sinistra, alto), QPointF(destra, basso));
    const qreal h = g.asse.height() / 4;
    auto barra = [&](const std::optional<QDate>& da, const std::optional<QDate>& a, qreal y) {
        if (!da || !a || *a < *da)
            return QRectF();
        return QRectF(QPointF(g.x(*da), y), QPointF(g.x(*a), y + h));
    };
    g.barraAttore = barra(l.inizio, l.fine, g.asse.top() + h * 0.4);
    if (l.inizioConvenuto || l.fineConvenuto)
        g.barraConvenuto = barra(l.inizioConvenuto ? l.inizioConvenuto : l.inizio,
                                 l.fineConvenuto ? l.fineConvenuto : l.fine, g.asse.top() + h * 2.0);
    if (l.inizioInterruzione && l.fineInterruzione)
        g.interruzione = QRectF(QPointF(g.x(*l.inizioInterruzione), g.asse.top()),
                                QPointF(g.x(*l.fineInterruzione), g.asse.top() + h * 3.4));
    if (l.scadenza)
        g.xTermine = g.x(*l.scadenza);
    return g;
}

void disegnaLineaTempo(QPainter& p, const QRectF& area, const LineaTempo& l)
{
    const GeometriaLinea g = geometria(l, area);
    const bool miniatura = GeometriaLinea::miniatura(area);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(std::max(9, int(area.height() / 17)));
    p.setFont(font);
    const QFontMetricsF fm(font);
    const qreal h = g.asse.height() / 4;

    // The axis, with a tick at every year and a label at every step.
    const qreal yAsse = g.asse.bottom();
    p.setPen(QPen(Qt::black, 1.2));
    p.drawLine(QPointF(g.asse.left(), yAsse), QPointF(g.asse.right(), yAsse));
    const int passo = passoAnni(g.annoA - g.annoDa, g.x(QDate(g.annoDa + 1, 1, 1)) - g.x(QDate(g.annoDa, 1, 1)),
                                fm.horizontalAdvance(QStringLiteral("8888")));
    for (int anno = g.annoDa; anno <= g.annoA; ++anno) {
        const qreal x = g.x(QDate(anno, 1, 1));
        const bool etichetta = !miniatura && (anno - g.annoDa) % passo == 0;
        p.drawLine(QPointF(x, yAsse), QPointF(x, yAsse + (etichetta ? 6 : 3)));
        if (etichetta) {
            const QString s = QString::number(anno);
            p.drawText(QPointF(x - fm.horizontalAdvance(s) / 2, yAsse + 8 + fm.ascent()), s);
        }
    }

    auto titolo = [&](const QRectF& r, const QString& s) {
        if (miniatura)
            return;
        p.setPen(Qt::black);
        p.drawText(QPointF(area.left() + 4, r.center().y() + fm.ascent() / 2 - 1), s);
    };
    titolo(QRectF(0, g.asse.top() + h * 0.4, 1, h), QStringLiteral("Attore"));
    if (!g.barraAttore.isNull()) {
        p.fillRect(g.barraAttore, coloreAttore);
    }
    if (!g.barraConvenuto.isNull()) {
        titolo(g.barraConvenuto, QStringLiteral("Convenuto"));
        p.fillRect(g.barraConvenuto, coloreConvenuto);
    }

    // The interruption: a hatched span over the bars, its kind written beneath the axis.
    if (!g.interruzione.isNull()) {
        QRectF r = g.interruzione;
        if (r.width() < 2)
            r.setWidth(2);
        p.fillRect(r, Qt::white);
        p.fillRect(r, QBrush(coloreInterruzione, Qt::BDiagPattern));
        p.setPen(QPen(coloreInterruzione, 1));
        p.drawRect(r);
        if (!miniatura) {
            const QString s = QStringLiteral("interruzione: ") + LineaTempo::nomeInterruzione(l.interruzione);
            const qreal x = std::clamp(r.center().x() - fm.horizontalAdvance(s) / 2, area.left() + 2,
                                       area.right() - fm.horizontalAdvance(s) - 2);
            p.drawText(QPointF(x, yAsse + 10 + fm.height() + fm.ascent()), s);
        }
    } else if (l.interruzione == TipoInterruzione::Dichiarata && !miniatura) {
        p.setPen(coloreInterruzione);
        p.drawText(QPointF(g.asse.left(), yAsse + 10 + fm.height() + fm.ascent()),
                   QStringLiteral("interruzione: ") + LineaTempo::nomeInterruzione(l.interruzione));
    }

    // The term: a solid mark where it is reached, a dashed one where it would be.
    const QString etichetta = l.etichettaTermine();
    if (g.xTermine) {
        const qreal x = *g.xTermine;
        p.setPen(QPen(coloreTermine, 2, l.raggiunto ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(QPointF(x, g.asse.top()), QPointF(x, yAsse));
        if (miniatura) {
            p.restore();
            return;
        }
        const qreal larghezza = fm.horizontalAdvance(etichetta);
        const qreal xs = std::clamp(x - larghezza / 2, area.left() + 2, area.right() - larghezza - 2);
        p.drawText(QPointF(xs, g.asse.top() - fm.descent() - 4), etichetta);
    } else if (l.termine < 0 && l.inizio && !miniatura) {
        p.setPen(coloreInterruzione);
        p.drawText(QPointF(g.asse.left(), g.asse.top() - 8),
                   QStringLiteral("nessun termine: il diritto non si acquista per usucapione"));
    }
    p.restore();
}

QImage immagineLineaTempo(const Giudizio& giudizio, const QSize& dimensione)
{
    QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    disegnaLineaTempo(p, QRectF(QPointF(0, 0), QSizeF(dimensione)), lineaTempo(giudizio.causa, giudizio.decisione));
    return immagine;
}
