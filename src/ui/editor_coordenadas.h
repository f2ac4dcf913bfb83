// Estado del editor de coordenadas de la ventana principal, sin widgets: qué conjunto de puntos
// está en pantalla, su copia de trabajo (siempre en orden decreciente de x) y las operaciones que
// la pasan al proyecto. La ventana muestra este estado; los mensajes y preguntas son suyos.
#pragma once

#include "model/proyecto.h"

#include <limits>
#include <optional>
#include <vector>

namespace vertana {

// Conjuntos de puntos del editor (valores de ConjuntoActivo).
enum Conjunto : int {
    ConjuntoTalud = 1,
    ConjuntoFalla = 2,
    ConjuntoFreatico = 3,
    ConjuntoEstratos = 4,
};

// Mayor cantidad de puntos de un conjunto y de estratos: las cantidades son enteros de 16 bits.
constexpr int MaximoCantidad = std::numeric_limits<Entero16>::max();

class EditorCoordenadas {
public:
    struct Punto {
        double x;
        double y;
        bool operator==(const Punto&) const = default;
    };
    // Todo el estado del editor, para deshacer un cambio que lo altera entero (insertar o
    // eliminar un estrato).
    struct Estado {
        int ConjuntoActivo = ConjuntoTalud;
        int EstratoActivo = 1;
        std::vector<Punto> Puntos;
        int FilaSeleccionada = 0;
        int PosicionNuevoEstrato = 0;
    };

    explicit EditorCoordenadas(Proyecto& proyecto) : proyecto_(proyecto) {}

    int ConjuntoActivo() const { return conjuntoActivo_; }
    int EstratoActivo() const { return estratoActivo_; }
    int NumeroPuntosEditor() const { return static_cast<int>(puntos_.size()); }
    double Abscisa(int i) const; // punto i de la copia de trabajo, 1..NumeroPuntosEditor
    double Ordenada(int i) const;
    // Fila de la lista que la persona eligió por última vez; 0 si ninguna.
    int FilaSeleccionada() const { return filaSeleccionada_; }
    void ElegirFila(int fila);
    // Lugar elegido para el último estrato insertado: 0 antes del primero, i entre los estratos
    // i e i + 1, N después del último.
    int PosicionNuevoEstrato() const { return posicionNuevoEstrato_; }

    // Talud, estrato 1, copia vacía, ninguna fila elegida.
    void Reiniciar();

    // Carga la copia de trabajo desde la tabla del proyecto del conjunto (para los estratos, la
    // fila del estrato dado) y lo deja como conjunto activo; el estrato activo sólo cambia con el
    // conjunto 4. Un conjunto fuera de 1..4 o un estrato inexistente se ignoran (false).
    bool Mostrar(int conjunto, int estrato);

    // Muestra el talud y deja el estrato 1 como estrato activo (tras abrir o cargar geometría).
    void MostrarTalud();

    // Escribe la copia de trabajo en la tabla del proyecto del conjunto activo.
    void Guardar();

    // Inserta el punto antes del primero cuya abscisa es menor o igual que x (el orden queda
    // decreciente y un punto repetido va antes de los iguales). Devuelve su posición. Marca el
    // proyecto con cambios de datos y de coordenadas.
    int Agregar(double x, double y);

    // La copia de trabajo admite un punto más.
    bool CabeOtroPunto() const { return NumeroPuntosEditor() < MaximoCantidad; }

    // Quita el punto de la fila dada (1..NumeroPuntosEditor); false si no existe.
    bool Borrar(int fila);

    // Vacía la copia de trabajo sin tocar el proyecto.
    void VaciarCopia();

    // Guarda el conjunto activo y agrega un estrato. Sin posición (no había estratos) el nuevo es
    // el último; con posición ocupa el lugar posicion + 1 y los siguientes suben un lugar con sus
    // puntos. Termina mostrando el nuevo estrato, sin puntos.
    void InsertarEstrato(std::optional<int> posicion);

    // Elimina el estrato activo: los siguientes bajan un lugar con sus puntos, sus propiedades y
    // sus datos de laboratorio. No guarda la copia de trabajo (es la del estrato eliminado).
    // Termina mostrando los estratos con el estrato activo dentro de 1..NumeroDeEstratos() o, si no
    // queda ninguno, el talud con el estrato 1.
    void EliminarEstratoActivo();

    // Descarta el nivel freático del proyecto y muestra el talud sin guardar la copia de trabajo.
    void EliminarNivelFreatico();

    // Vuelve a poner en la fila dada (1..n + 1) un punto quitado de ella con Borrar; los
    // siguientes suben un lugar. Marca el proyecto con cambios de datos.
    void Reponer(int fila, double x, double y);

    // La copia de trabajo es igual a lo que el proyecto tiene guardado para el conjunto (y el
    // estrato) en pantalla: no hay puntos escritos que falte pasar al proyecto.
    bool CopiaIgualAlProyecto() const;

    Estado EstadoActual() const;
    void Restaurar(const Estado& estado);

private:
    // Puntos que el proyecto tiene guardados para un conjunto (y estrato).
    std::vector<Punto> PuntosDelProyecto(int conjunto, int estrato) const;

    Proyecto& proyecto_;
    int conjuntoActivo_ = ConjuntoTalud;
    int estratoActivo_ = 1;
    std::vector<Punto> puntos_;
    int filaSeleccionada_ = 0;
    int posicionNuevoEstrato_ = 0;
};

} // namespace vertana
