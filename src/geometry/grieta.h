// La grieta de tracción: el término del empuje del agua que la llena.
#pragma once

namespace vertana {

// Término del agua en la grieta, AlturaAguaGrieta = 0.5·(w − y2)² (m²), con w la ordenada del
// agua y y2 la del fondo de la grieta: el empuje es γw·AlturaAguaGrieta por metro. Sólo cuando
// hay grieta (su segundo punto está por debajo del primero) y el agua está por encima del fondo;
// 0 en otro caso.
double TerminoAguaGrieta(double ordenadaPrimerPunto, double ordenadaSegundoPunto,
                         double ordenadaAgua);

} // namespace vertana
