#pragma once
// The language of a word-processor document: Qt's ODF writer declares none, so the word processor
// would check the spelling in its own language and mark every Italian word.
#include <QByteArray>
#include <QByteArrayView>

namespace OdfLingua {

// The .odt package with every text style of its content declaring the language and country given
// ("it", "IT"); the package unchanged when it cannot be read as the zip Qt writes.
QByteArray dichiara(const QByteArray& odt, QByteArrayView lingua, QByteArrayView paese);

// The uncompressed content of one member of a zip package; empty when missing or unreadable.
QByteArray membro(const QByteArray& zip, QByteArrayView nome);

}   // namespace OdfLingua
