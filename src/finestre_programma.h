#pragma once
// Wires every window of the program into the registry; main() and the tests call it once.
void registraFinestre();
