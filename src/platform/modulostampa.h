#pragma once
// What the print module exports: the real printer, the system's dialog or (with a path) a PDF file.
#include "platform/porte.h"

#define POSSIDORIA_NUOVA_STAMPANTE "possidoria_nuova_stampante"
using NuovaStampante = PortaStampante* (*)(const QString* percorsoPdf);
