#pragma once
// A finding of a fuzz target: what went wrong and the input, percent-encoded, then a crash that
// libFuzzer records with the input.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void difetto(const char* bersaglio, const char* cosa, const QByteArray& dati)
{
    std::fprintf(stderr, "%s: %s\n  input: %s\n", bersaglio, cosa, dati.toPercentEncoding().constData());
    std::abort();
}
