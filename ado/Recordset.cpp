// The client-side recordset: navigation over the rows in memory, lazy field values, and the
// writes of updatable recordsets generated on the base table's key.
#include "Recordset.h"

#include "Connection.h"
#include "ErrorEjecucion.h"
#include "Nucleo.h"
#include "Resultado.h"

#include <optional>

namespace ado {

using plataforma::Lanzar;
namespace pe = plataforma::errores;

struct EstadoRecordset {
    std::shared_ptr<Nucleo> nucleo;
    std::unique_ptr<Resultado> datos;
    std::vector<Field> campos;
    Campos coleccion{this};
    QString source;
    int cursorType = adOpenForwardOnly;
    int lockType = adLockReadOnly;
    int64_t pos = 0;                 // current row; -1 = BOF, filas() = EOF
    bool bofExplicito = false;       // MovePrevious went before the first row
    int editMode = adEditNone;
    int64_t posAntesDeAgregar = 0;
    std::vector<std::optional<QVariant>> pendientes;
    std::optional<TablaBase> tabla;

    QString origen() const { return nucleo ? nucleo->origen : QStringLiteral("ADODB.Recordset"); }
    int64_t filas() const { return static_cast<int64_t>(datos->filas()); }
    bool bof() const { return filas() == 0 || pos < 0; }
    bool eof() const { return filas() == 0 || pos >= filas(); }
    void exigirFila() const {
        if (bof() || eof()) Lanzar(errores::SinRegistroActual,
                                   QStringLiteral("BOF o EOF es True, o el actual registro se eliminó. La operación solicitada requiere un registro actual."),
                                   origen());
    }
    void exigirActualizable() const {
        if (lockType == adLockReadOnly || lockType == adLockUnspecified)
            Lanzar(errores::NoActualizable,
                   QStringLiteral("El Recordset actual no admite actualizaciones. Puede deberse a una limitación del proveedor o del tipo de bloqueo seleccionado."),
                   origen());
    }
    const Columna& columna(int j) const { return datos->columnas()[static_cast<size_t>(j)]; }

    void escribir();
    const TablaBase& tablaBase();
};

EstadoRecordset* Abierto(const std::unique_ptr<EstadoRecordset>& e) {
    if (!e) Lanzar(pe::ObjetoCerrado, QString(), QStringLiteral("ADODB.Recordset"));
    return e.get();
}

// ---- Field and Campos ----------------------------------------------------------------------------

QString Field::Name() const { return estado_->columna(indice_).nombre; }
int Field::Type() const { return estado_->columna(indice_).tipo; }
int64_t Field::DefinedSize() const { return estado_->columna(indice_).definedSize; }

QVariant Field::Value() const {
    EstadoRecordset& e = *estado_;
    if (e.editMode != adEditNone) {
        const auto& p = e.pendientes[static_cast<size_t>(indice_)];
        if (p) return *p;
        if (e.editMode == adEditAdd) return Nulo();
    }
    e.exigirFila();
    return ValorDeCelda(e.datos->fila(static_cast<size_t>(e.pos))[indice_], e.columna(indice_));
}

QVariant Field::OriginalValue() const {
    EstadoRecordset& e = *estado_;
    if (e.editMode == adEditAdd) return Nulo();
    e.exigirFila();
    return ValorDeCelda(e.datos->fila(static_cast<size_t>(e.pos))[indice_], e.columna(indice_));
}

void Field::setValue(const QVariant& valor) {
    EstadoRecordset& e = *estado_;
    e.exigirActualizable();
    if (e.editMode == adEditNone) {
        e.exigirFila();
        e.pendientes.assign(e.campos.size(), std::nullopt);
        e.editMode = adEditInProgress;
    }
    e.pendientes[static_cast<size_t>(indice_)] = ConvertirParaColumna(valor, e.columna(indice_));
}

int Campos::Count() const { return static_cast<int>(estado_->campos.size()); }

Field& Campos::Item(int indice) {
    if (indice < 0 || indice >= Count()) Lanzar(pe::ElementoNoEncontrado, QString(), estado_->origen());
    return estado_->campos[static_cast<size_t>(indice)];
}

Field& Campos::Item(const QString& nombre) {
    for (Field& f : estado_->campos) {
        if (estado_->columna(f.Index()).nombre.compare(nombre, Qt::CaseInsensitive) == 0) return f;
    }
    const QString sinBlancos = nombre.trimmed();
    for (Field& f : estado_->campos) {
        if (estado_->columna(f.Index()).nombre.compare(sinBlancos, Qt::CaseInsensitive) == 0) return f;
    }
    Lanzar(pe::ElementoNoEncontrado, QString(), estado_->origen());
}

// ---- Writes --------------------------------------------------------------------------------------

namespace {

QString Citar(const QString& nombre) { return QLatin1Char('"') + QString(nombre).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"'); }

bool EsTextoConLargo(int tipo) { return tipo == adChar || tipo == adWChar || tipo == adVarChar || tipo == adVarWChar; }

}  // namespace

const TablaBase& EstadoRecordset::tablaBase() {
    if (!tabla) {
        QString nombre;
        for (const Columna& c : datos->columnas()) {
            if (!c.tabla.isEmpty()) { nombre = c.tabla; break; }
        }
        if (nombre.isEmpty()) Lanzar(errores::NoActualizable, QStringLiteral("No hay información suficiente de la columna clave para actualizar."), origen());
        try {
            tabla = nucleo->motorAbierto().describirTabla(nombre);
        } catch (const FalloMotor& f) {
            nucleo->lanzar(f);
        }
    }
    return *tabla;
}

// Sends the pending add or change; on success the row in memory takes the values written.
void EstadoRecordset::escribir() {
    Motor& motor = nucleo->motorAbierto();
    const TablaBase& base = tablaBase();
    const Columnas& cols = datos->columnas();
    auto enBase = [&](size_t j) { return !cols[j].columnaOrigen.isEmpty() && cols[j].tabla.compare(base.nombre, Qt::CaseInsensitive) == 0; };

    for (size_t j = 0; j < cols.size(); ++j) {
        const auto& p = pendientes[j];
        if (p && EsTextoConLargo(cols[j].tipo) && cols[j].definedSize > 0 && !EsNulo(*p) && p->toString().size() > cols[j].definedSize) {
            nucleo->lanzar({Error{errores::DatosTruncados, QStringLiteral("Los datos de cadena o binarios se truncarían."), origen(), QStringLiteral("22001"), nativos::Truncamiento},
                            Error{errores::DatosTruncados, QStringLiteral("Se terminó la instrucción."), origen(), QStringLiteral("01000"), nativos::InstruccionTerminada}});
        }
    }
    nucleo->comprobarFallo(Operacion::Actualizar);

    // Key columns present in the recordset; without a usable primary key every base column is compared.
    std::vector<size_t> clave;
    for (const QString& k : base.clave) {
        for (size_t j = 0; j < cols.size(); ++j) if (enBase(j) && cols[j].columnaOrigen.compare(k, Qt::CaseInsensitive) == 0) clave.push_back(j);
    }
    if (clave.size() != base.clave.size() || clave.empty()) {
        clave.clear();
        for (size_t j = 0; j < cols.size(); ++j) if (enBase(j)) clave.push_back(j);
    }

    try {
        if (editMode == adEditAdd) {
            QString nombres, marcas;
            std::vector<QVariant> valores;
            for (size_t j = 0; j < cols.size(); ++j) {
                if (!pendientes[j] || !enBase(j)) continue;
                if (!valores.empty()) { nombres += QLatin1Char(','); marcas += QLatin1Char(','); }
                nombres += Citar(cols[j].columnaOrigen);
                marcas += QLatin1Char('?');
                valores.push_back(*pendientes[j]);
            }
            const QString sql = valores.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Citar(base.nombre))
                                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(Citar(base.nombre), nombres, marcas);
            motor.ejecutarNativo(sql, valores);
            Celda* fila = datos->fila(static_cast<size_t>(pos));
            std::unique_ptr<Resultado> releida = motor.datos().filasReleibles ? motor.releerInsertada(base.nombre, datos->columnasCompartidas()) : nullptr;
            for (size_t j = 0; j < cols.size(); ++j) {
                if (releida && releida->filas() == 1 && enBase(j)) {
                    QVariant v = ValorDeCelda(releida->fila(0)[j], cols[j]);
                    datos->asignar(fila[j], v);
                } else if (pendientes[j]) {
                    datos->asignar(fila[j], *pendientes[j]);
                }
            }
        } else {
            const Celda* original = datos->fila(static_cast<size_t>(pos));
            QString asignaciones, condicion;
            std::vector<QVariant> valores, comparados;
            std::vector<size_t> comparar = clave;
            for (size_t j = 0; j < cols.size(); ++j) {
                if (!pendientes[j] || !enBase(j)) continue;
                if (!valores.empty()) asignaciones += QLatin1Char(',');
                asignaciones += Citar(cols[j].columnaOrigen) + QStringLiteral("=?");
                valores.push_back(*pendientes[j]);
                if (std::find(comparar.begin(), comparar.end(), j) == comparar.end()) comparar.push_back(j);
            }
            if (!valores.empty()) {
                for (size_t j : comparar) {
                    if (!condicion.isEmpty()) condicion += QStringLiteral(" AND ");
                    condicion += Citar(cols[j].columnaOrigen) + QStringLiteral(" IS ?");
                    valores.push_back(ValorDeCelda(original[j], cols[j]));
                }
                const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(Citar(base.nombre), asignaciones, condicion);
                if (motor.ejecutarNativo(sql, valores) == 0) {
                    nucleo->lanzar({Error{errores::FilaNoEncontrada,
                                          QStringLiteral("No se encuentra la fila para actualizar. Algunos valores pueden haber cambiado desde la última lectura."),
                                          origen(), QStringLiteral("HY000"), 0}});
                }
                Celda* fila = datos->fila(static_cast<size_t>(pos));
                for (size_t j = 0; j < cols.size(); ++j) if (pendientes[j]) datos->asignar(fila[j], *pendientes[j]);
            }
        }
    } catch (const FalloMotor& f) {
        nucleo->lanzar(f);
    }
    editMode = adEditNone;
    pendientes.clear();
}

// ---- Recordset -----------------------------------------------------------------------------------

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

void Recordset::abrirConResultado(std::shared_ptr<Nucleo> nucleo, std::unique_ptr<Resultado> filas, const QString& source) {
    auto e = std::make_unique<EstadoRecordset>();
    e->nucleo = std::move(nucleo);
    e->datos = std::move(filas);
    e->source = source;
    e->cursorType = adOpenStatic;
    e->campos.reserve(e->datos->numColumnas());
    for (size_t j = 0; j < e->datos->numColumnas(); ++j) e->campos.emplace_back(e.get(), static_cast<int>(j));
    e_ = std::move(e);
}

void Recordset::Open(const QString& source, Connection& connection, int, int lockType, int options) {
    if (e_) Lanzar(pe::ObjetoAbierto, QString(), e_->origen());
    std::shared_ptr<Nucleo> nucleo = connection.nucleo();
    Motor& motor = nucleo->motorAbierto();
    nucleo->comprobarFallo(Operacion::AbrirRecordset);
    const QString consulta = options == adCmdTable ? QStringLiteral("SELECT * FROM ") + source : source;
    int64_t afectados = 0;
    std::unique_ptr<Resultado> filas;
    try {
        filas = motor.ejecutar(consulta, afectados);
    } catch (const FalloMotor& f) {
        nucleo->lanzar(f);
    }
    if (!filas) {
        // A statement without rows leaves the recordset closed, as ADO does.
        return;
    }
    abrirConResultado(std::move(nucleo), std::move(filas), source);
    // Client cursors are static whatever was asked; the lock type is kept.
    e_->lockType = lockType == adLockUnspecified ? adLockReadOnly : lockType;
}

void Recordset::Close() {
    EstadoRecordset* e = Abierto(e_);
    if (e->editMode != adEditNone) Lanzar(pe::ContextoNoValido, QString(), e->origen());
    e_.reset();
}

int Recordset::State() const { return e_ ? adStateOpen : adStateClosed; }
bool Recordset::BOF() const { return Abierto(e_)->bof(); }
bool Recordset::Eof() const { return Abierto(e_)->eof(); }

namespace {
// Moving away from a pending edit saves it first, as ADO does.
void GuardarPendiente(Recordset& rs, EstadoRecordset* e) {
    if (e->editMode != adEditNone) rs.Update();
}
}  // namespace

void Recordset::MoveFirst() {
    EstadoRecordset* e = Abierto(e_);
    GuardarPendiente(*this, e);
    e->pos = 0;
}

void Recordset::MoveLast() {
    EstadoRecordset* e = Abierto(e_);
    GuardarPendiente(*this, e);
    e->pos = e->filas() == 0 ? 0 : e->filas() - 1;
}

void Recordset::MoveNext() {
    EstadoRecordset* e = Abierto(e_);
    if (e->editMode != adEditNone) GuardarPendiente(*this, e);
    if (e->eof()) Lanzar(errores::SinRegistroActual, QStringLiteral("BOF o EOF es True, o el actual registro se eliminó. La operación solicitada requiere un registro actual."), e->origen());
    ++e->pos;
}

void Recordset::MovePrevious() {
    EstadoRecordset* e = Abierto(e_);
    GuardarPendiente(*this, e);
    if (e->bof()) Lanzar(errores::SinRegistroActual, QStringLiteral("BOF o EOF es True, o el actual registro se eliminó. La operación solicitada requiere un registro actual."), e->origen());
    --e->pos;
}

int Recordset::RecordCount() const { return static_cast<int>(Abierto(e_)->filas()); }

int Recordset::AbsolutePosition() const {
    const EstadoRecordset* e = Abierto(e_);
    if (e->bof()) return -2;
    if (e->eof()) return -3;
    return static_cast<int>(e->pos) + 1;
}

QList<QVariantList> Recordset::GetRows(int filas) {
    EstadoRecordset* e = Abierto(e_);
    GuardarPendiente(*this, e);
    if (e->bof() || e->eof()) e->exigirFila();
    QList<QVariantList> columnas(static_cast<qsizetype>(e->campos.size()));
    while (!e->eof() && filas != 0) {
        const Celda* fila = e->datos->fila(static_cast<size_t>(e->pos));
        for (size_t j = 0; j < e->campos.size(); ++j) columnas[static_cast<qsizetype>(j)].append(ValorDeCelda(fila[j], e->columna(static_cast<int>(j))));
        ++e->pos;
        if (filas > 0) --filas;
    }
    return columnas;
}

Campos& Recordset::Fields() { return Abierto(e_)->coleccion; }

void Recordset::AddNew() {
    EstadoRecordset* e = Abierto(e_);
    e->exigirActualizable();
    GuardarPendiente(*this, e);
    e->posAntesDeAgregar = e->pos;
    e->datos->agregarFila();
    e->pos = e->filas() - 1;
    e->pendientes.assign(e->campos.size(), std::nullopt);
    e->editMode = adEditAdd;
}

void Recordset::Update() {
    EstadoRecordset* e = Abierto(e_);
    if (e->editMode == adEditNone) return;
    e->exigirActualizable();
    e->escribir();
}

void Recordset::CancelUpdate() {
    EstadoRecordset* e = Abierto(e_);
    if (e->editMode == adEditAdd) {
        e->datos->quitarFila(static_cast<size_t>(e->filas() - 1));
        e->pos = e->posAntesDeAgregar;
    }
    e->editMode = adEditNone;
    e->pendientes.clear();
}

void Recordset::Delete() {
    EstadoRecordset* e = Abierto(e_);
    e->exigirActualizable();
    if (e->editMode == adEditAdd) { CancelUpdate(); return; }
    e->editMode = adEditNone;
    e->pendientes.clear();
    e->exigirFila();
    Motor& motor = e->nucleo->motorAbierto();
    const TablaBase& base = e->tablaBase();
    e->nucleo->comprobarFallo(Operacion::Actualizar);
    const Columnas& cols = e->datos->columnas();
    const Celda* fila = e->datos->fila(static_cast<size_t>(e->pos));
    // Every column of the table is compared, so a row that changed since it was read is not deleted.
    QString condicion;
    std::vector<QVariant> valores;
    for (size_t j = 0; j < cols.size(); ++j) {
        if (cols[j].columnaOrigen.isEmpty() || cols[j].tabla.compare(base.nombre, Qt::CaseInsensitive) != 0) continue;
        if (!condicion.isEmpty()) condicion += QStringLiteral(" AND ");
        condicion += Citar(cols[j].columnaOrigen) + QStringLiteral(" IS ?");
        valores.push_back(ValorDeCelda(fila[j], cols[j]));
    }
    try {
        if (motor.ejecutarNativo(QStringLiteral("DELETE FROM %1 WHERE %2").arg(Citar(base.nombre), condicion), valores) == 0) {
            e->nucleo->lanzar({Error{errores::FilaNoEncontrada,
                                     QStringLiteral("No se encuentra la fila para eliminar. Algunos valores pueden haber cambiado desde la última lectura."),
                                     e->origen(), QStringLiteral("HY000"), 0}});
        }
    } catch (const FalloMotor& f) {
        e->nucleo->lanzar(f);
    }
    e->datos->quitarFila(static_cast<size_t>(e->pos));
}

int Recordset::EditMode() const { return Abierto(e_)->editMode; }
int Recordset::CursorType() const { return Abierto(e_)->cursorType; }
int Recordset::LockType() const { return Abierto(e_)->lockType; }
QString Recordset::Source() const { return Abierto(e_)->source; }

}  // namespace ado
