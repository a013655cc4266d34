#pragma once
// Wires every window of the program into the registry; start-up and the tests call it once. The
// case windows, the judgment and the archive commands are given `causa`, the live case, which
// must outlive them.
class CausaViva;
void registraFinestre(CausaViva& causa);
