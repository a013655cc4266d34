#include "platform/porte.h"

static Piattaforma installata;

Piattaforma& piattaforma() { return installata; }
void installaPiattaforma(const Piattaforma& p) { installata = p; }
