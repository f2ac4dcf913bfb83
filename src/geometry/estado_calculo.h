// Estado del cálculo: la superficie de falla de trabajo, sus cruces con los estratos, las zonas
// y la tabla de dovelas que preparan las seis rutinas comunes a todos los métodos, con sus
// banderas. Vive mientras el programa y se reinicia con un proyecto nuevo.
#pragma once

#include "model/proyecto.h"
#include "model/tabla.h"

#include <string>
#include <utility>

namespace vertana {

// Tablas de trabajo por dovela (dovelas s = 1..N−1 entre los bordes s y s + 1, N bordes). Las
// tablas por dovela que se guardan con el proyecto (ancho, centro, talud, presión de poros,
// material, peso unitario) están en Proyecto.
struct TablaDeDovelas {
    Tabla<double> AbscisaBordeDovela;       // 1..N, estrictamente decreciente (m)
    Tabla<double> OrdenadaBordeDovela;      // superficie de falla en cada borde (m)
    Tabla<double> OrdenadaTaludBorde;       // superficie del talud en cada borde (m)
    Tabla<double> OrdenadaFreaticoBorde;    // nivel freático en cada borde, si lo hay (m)
    Tabla<double> PendienteTaludDovela;     // tan β del talud sobre la dovela
    Tabla<double> OrdenadaFreaticoDovela;   // nivel freático en el centro, si lo hay (m)
    Tabla2<double> OrdenadaEstratoEnDovela; // (dovela, estrato): línea inferior del estrato (m)
    Tabla<Entero16> EstratoBaseDovela;      // estrato en la base
    Tabla<Entero16> TipoEstratoEnDovela;    // TipoDeEstrato del estrato en la base (suelos)
    Tabla<double> TangenteFriccionDovela;
    Tabla<double> CompresionSimpleDovela; // σci del estrato en la base (roca)
    Tabla<double> PendienteBaseDovela;    // tan α de la base
    Tabla<double> CargaVerticalDovela;    // agua libre sobre el talud como carga (ton/m2)
    Tabla<double> GradientePresionDovela; // (Δh + Δu)/dx (ton/m3)
    Tabla<double> AlturaAguaSobreTalud;   // agua libre sobre el talud en desembalse rápido (m)
    Tabla<double> ExcesoPresionDovela;    // Δu de construcción de un terraplén (ton/m2)
};

struct EstadoCalculo {
    // Superficie de falla de trabajo.
    Entero16 NumeroPuntosSPF = 0;
    Tabla<double> AbscisasSPF, OrdenadasSPF;
    Tabla<TipoUnion> TipoTramoSPF; // tipo del tramo que empieza en cada punto
    // Uniones en vigor: las del proyecto o, en un círculo único, los arcos de la división.
    Entero16 NumeroTramosSPF = 0;
    Tabla<Entero16> InicioTramoSPF, FinTramoSPF; // puntos de trabajo
    Tabla<TipoUnion> TipoDeTramoSPF;
    bool CirculoUnico = false;
    double RadioDeTrabajo = 0.0;
    bool CentroFijo = false; // el centro del círculo único no se recalcula

    // Cruces con las líneas de los estratos.
    Entero16 NumeroIntersecciones = 0;
    Tabla<double> AbscisaInterseccion;
    Tabla<Entero16> EstratoInterseccion;
    Tabla<double> PendienteFallaInterseccion, PendienteEstratoInterseccion;

    // Zonas.
    Entero16 NumeroZonas = 0;
    Tabla<double> AbscisasZonas;
    double AbscisaMaximaSPF = 0.0;
    double AbscisaMinimaSPF = 0.0;
    double OrdenadaFinalSPF = 0.0;

    TablaDeDovelas Dovelas;

    // Origen de las coordenadas relativas en que corre un cálculo (calculo/marco_relativo.h):
    // los mensajes que muestran una abscisa la dan absoluta sumándole OrigenX.
    double OrigenX = 0.0;
    double OrigenY = 0.0;

    // Respuesta del método a "¿desembalse rápido?".
    bool DesembalseRapido = false;

    // Cálculo con parámetros instantáneos: la orden de su menú marca la ejecución y, si la
    // persona lo pide, que se usen los parámetros ya guardados con el proyecto.
    bool EjecucionInstantanea = false;
    bool ReutilizarParametrosInstantaneos = false;
    // Del último cálculo, por dovela: la resistencia movilizada en la falla F·τ y el esfuerzo
    // efectivo σ′ (ton/m2). Se llenan para una ejecución instantánea.
    Tabla<double> ResistenciaCorteDovela;
    Tabla<double> EsfuerzoNormalPrevioDovela;

    // Método variacional. Esfuerzos que la persona escribió en Form13 tras un cálculo fallido
    // (por nodo o por dovela, NodoDeSigmaUsuario); el cálculo siguiente parte de ellos y baja la
    // bandera.
    bool SigmasModificados = false;
    Tabla<double> SigmasUsuario;
    // Del cálculo en curso: el mínimo admisible de σ por dovela (u − c/tan φ), la primera dovela
    // que no chequea, los esfuerzos de cada iteración (nodo j, iteración k: nodo 1 la cresta,
    // j = i + 1 la base de la dovela i) y las tres sumas de equilibrio del último paso.
    Tabla<double> SigmaMinimoDovela;
    Entero16 DovelaSinChequeo = 0;
    Tabla2<double> HistoriaEsfuerzosNormales;
    double SumaFuerzasHorizontales = 0.0;
    double SumaFuerzasVerticales = 0.0;
    double SumaMomentos = 0.0;

    // Banderas de las seis rutinas de preparación.
    bool SuperficieConstruida = false;
    bool ZonasConstruidas = false;
    bool DovelasConstruidas = false;
    bool GeometriaDovelasCalculada = false;
    bool MaterialesAsignados = false;
    bool PresionesCalculadas = false;
};

// Estado de un proyecto nuevo: todo vacío, banderas y CentroFijo en falso.
void ReiniciarEstadoCalculo(EstadoCalculo& e);

// Las seis rutinas ya corrieron.
bool PreparacionCompleta(const EstadoCalculo& e);

// Resultado de una rutina de preparación: correcto, o el mensaje que detuvo la preparación.
struct ResultadoPreparacion {
    bool correcto = true;
    std::string mensaje;
    // La preparación no se repitió porque la persona contestó que nada cambió.
    bool omitida = false;

    static ResultadoPreparacion Bien() { return {}; }
    static ResultadoPreparacion Fallo(std::string texto)
    {
        return {false, std::move(texto), false};
    }
    explicit operator bool() const { return correcto; }
};

} // namespace vertana
