// The rows of a client-side result held in memory: cells of 16 bytes, text kept as the engine's
// UTF-8 bytes in a block arena and turned into a QVariant only when a field is read, so that a
// large result costs little more than its raw text (this is what makes reading fast).
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

namespace ado {

// One column of a result: its name, ADO type code and size, and where it comes from.
struct Columna {
    QString nombre;
    int tipo = 0;               // ADO DataTypeEnum
    int64_t definedSize = 0;
    bool tipoDeclarado = false; // false: an expression, typed from its values
    QString tabla;              // base table and column, empty for expressions
    QString columnaOrigen;
};
using Columnas = std::vector<Columna>;

// Memory for the large arrays of a result: pieces of 2 MB or more are whole huge pages, so a
// million rows cost a few dozen page faults instead of tens of thousands.
void* ReservarGrande(size_t bytes);
void LiberarGrande(void* p, size_t bytes);

template <class T>
struct AsignadorGrande {
    using value_type = T;
    AsignadorGrande() = default;
    template <class U> AsignadorGrande(const AsignadorGrande<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(ReservarGrande(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { LiberarGrande(p, n * sizeof(T)); }
    template <class U> bool operator==(const AsignadorGrande<U>&) const { return true; }
};

enum class ClaseValor : uint8_t { Nulo, Entero, Real, Texto, Binario };

struct Celda {
    union {
        int64_t entero;
        double real;
        const char* datos;
    };
    uint32_t largo = 0;
    ClaseValor clase = ClaseValor::Nulo;
};

class Resultado {
public:
    explicit Resultado(std::shared_ptr<const Columnas> columnas);
    ~Resultado();
    Resultado(const Resultado&) = delete;
    Resultado& operator=(const Resultado&) = delete;

    const Columnas& columnas() const { return *columnas_; }
    std::shared_ptr<const Columnas> columnasCompartidas() const { return columnas_; }
    // Replaces the description (after an expression's type was taken from its values).
    void fijarColumnas(std::shared_ptr<const Columnas> columnas) { columnas_ = std::move(columnas); }
    size_t numColumnas() const { return ancho_; }
    size_t filas() const { return filas_; }
    const Celda* fila(size_t i) const { return celdas_.data() + i * ancho_; }
    Celda* fila(size_t i) { return celdas_.data() + i * ancho_; }

    // A new row of null cells at the end; its cells are filled with the setters below.
    Celda* agregarFila();
    void quitarFila(size_t i);
    void texto(Celda& c, const char* bytes, size_t largo);
    void binario(Celda& c, const void* bytes, size_t largo);
    void asignar(Celda& c, const QVariant& valor);  // stores a value already converted for its column
    void reservarFilas(size_t n) { celdas_.reserve(n * ancho_); }

    // For expression columns: the ADO type of the first non-null value.
    void tiparExpresiones();

private:
    char* guardar(size_t largo);

    std::shared_ptr<const Columnas> columnas_;
    size_t ancho_;
    size_t filas_ = 0;
    struct Bloque { char* datos; size_t tamano; };
    std::vector<Celda, AsignadorGrande<Celda>> celdas_;
    std::vector<Bloque> bloques_;
    char* libre_ = nullptr;
    size_t restante_ = 0;
    size_t proximoBloque_ = 512;
};

// The ADO type code and defined size of a declared column type ("varchar(50)" is 200 with 50).
void TipoDeclarado(const QByteArray& declarado, int& tipo, int64_t& tamano);

// A cell read as the QVariant its column's type gives (Null is a null QVariant of nullptr type).
QVariant ValorDeCelda(const Celda& celda, const Columna& columna);

// A value converted for a column before it is written; raises 3421 when it does not fit the type.
QVariant ConvertirParaColumna(const QVariant& valor, const Columna& columna);

bool EsTipoTexto(int tipo);
bool EsTipoFecha(int tipo);

// Dates travel to and from the SQLite engine as this text.
QString TextoDeFecha(const QDateTime& fecha);

}  // namespace ado
