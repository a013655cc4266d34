#include "documento/odflingua.h"

#include <QtEndian>
#include <optional>
#include <vector>
#include <zlib.h>

namespace {

struct Membro {
    QByteArray nome;
    QByteArray dati;   // uncompressed
};

quint16 leggi16(const QByteArray& b, qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); }
quint32 leggi32(const QByteArray& b, qsizetype i) { return qFromLittleEndian<quint32>(b.constData() + i); }

void scrivi16(QByteArray& b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void scrivi32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

std::optional<QByteArray> espandi(QByteArrayView compressi, quint32 dimensione)
{
    QByteArray uscita(qsizetype(dimensione), Qt::Uninitialized);
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressi.data()));
    s.avail_in = uInt(compressi.size());
    s.next_out = reinterpret_cast<Bytef*>(uscita.data());
    s.avail_out = uInt(uscita.size());
    const int esito = inflate(&s, Z_FINISH);
    inflateEnd(&s);
    if (esito != Z_STREAM_END || s.total_out != dimensione)
        return std::nullopt;
    return uscita;
}

// The members in their order, read through the central directory; nothing for any other shape.
std::optional<std::vector<Membro>> leggiZip(const QByteArray& zip)
{
    constexpr qsizetype fondo = 22;
    const qsizetype fine = zip.lastIndexOf(QByteArrayView("PK\x05\x06", 4));
    if (fine < 0 || fine + fondo > zip.size())
        return std::nullopt;
    const quint16 quanti = leggi16(zip, fine + 10);
    qsizetype voce = leggi32(zip, fine + 16);
    std::vector<Membro> membri;
    for (int k = 0; k < quanti; ++k) {
        if (voce + 46 > zip.size() || leggi32(zip, voce) != 0x02014b50)
            return std::nullopt;
        const quint16 metodo = leggi16(zip, voce + 10);
        const quint32 compressi = leggi32(zip, voce + 20), dimensione = leggi32(zip, voce + 24);
        const quint16 lNome = leggi16(zip, voce + 28), lExtra = leggi16(zip, voce + 30),
                      lNota = leggi16(zip, voce + 32);
        const qsizetype locale = leggi32(zip, voce + 42);
        if (voce + 46 + lNome > zip.size() || locale + 30 > zip.size() || leggi32(zip, locale) != 0x04034b50)
            return std::nullopt;
        Membro m{zip.mid(voce + 46, lNome), {}};
        const qsizetype inizio = locale + 30 + leggi16(zip, locale + 26) + leggi16(zip, locale + 28);
        if (inizio + qsizetype(compressi) > zip.size())
            return std::nullopt;
        const QByteArrayView dati(zip.constData() + inizio, compressi);
        if (metodo == 0 && compressi == dimensione)
            m.dati = dati.toByteArray();
        else if (const auto espansi = metodo == 8 ? espandi(dati, dimensione) : std::nullopt)
            m.dati = *espansi;
        else
            return std::nullopt;
        membri.push_back(std::move(m));
        voce += 46 + lNome + lExtra + lNota;
    }
    return membri;
}

// Every member stored as it is: the package stays small, and "mimetype" keeps its first place.
QByteArray scriviZip(const std::vector<Membro>& membri)
{
    QByteArray zip, centrale;
    for (const Membro& m : membri) {
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(m.dati.constData()), uInt(m.dati.size())));
        const quint32 posizione = quint32(zip.size());
        const auto intestazione = [&](QByteArray& b, bool centrale) {
            scrivi32(b, centrale ? 0x02014b50 : 0x04034b50);
            if (centrale)
                scrivi16(b, 20);   // made by
            scrivi16(b, 20);       // needed to extract
            scrivi16(b, 0);        // flags
            scrivi16(b, 0);        // stored
            scrivi16(b, 0);        // time
            scrivi16(b, 0x21);     // date: 1 January 1980
            scrivi32(b, crc);
            scrivi32(b, quint32(m.dati.size()));
            scrivi32(b, quint32(m.dati.size()));
            scrivi16(b, quint16(m.nome.size()));
            scrivi16(b, 0);   // extra
            if (centrale) {
                scrivi16(b, 0);   // comment
                scrivi16(b, 0);   // disk
                scrivi16(b, 0);   // internal attributes
                scrivi32(b, 0);   // external attributes
                scrivi32(b, posizione);
            }
            b += m.nome;
        };
        intestazione(zip, false);
        zip += m.dati;
        intestazione(centrale, true);
    }
    const quint32 inizioCentrale = quint32(zip.size());
    zip += centrale;
    scrivi32(zip, 0x06054b50);
    scrivi16(zip, 0);
    scrivi16(zip, 0);
    scrivi16(zip, quint16(membri.size()));
    scrivi16(zip, quint16(membri.size()));
    scrivi32(zip, quint32(centrale.size()));
    scrivi32(zip, inizioCentrale);
    scrivi16(zip, 0);
    return zip;
}

}   // namespace

namespace OdfLingua {

QByteArray dichiara(const QByteArray& odt, QByteArrayView lingua, QByteArrayView paese)
{
    std::optional<std::vector<Membro>> membri = leggiZip(odt);
    if (!membri)
        return odt;
    const QByteArray proprieta =
        "<style:text-properties fo:language=\"" + lingua.toByteArray() + "\" fo:country=\"" + paese.toByteArray() + '"';
    for (Membro& m : *membri)
        if (m.nome == "content.xml" && !m.dati.contains("fo:language="))
            m.dati.replace("<style:text-properties", proprieta);
    return scriviZip(*membri);
}

QByteArray membro(const QByteArray& zip, QByteArrayView nome)
{
    if (const auto membri = leggiZip(zip))
        for (const Membro& m : *membri)
            if (m.nome == nome)
                return m.dati;
    return {};
}

}   // namespace OdfLingua
