// The runtime error of the original platform (its Err object): a signed 32-bit number, a
// description and a source. Thrown as an exception inside a routine; step runners catch it.
#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace plataforma {

// Runtime error numbers the program tests by value.
namespace errores {
inline constexpr int32_t ArgumentoNoValido = 5;         // invalid procedure call or argument
inline constexpr int32_t Desbordamiento = 6;
inline constexpr int32_t TiposNoCoinciden = 13;
inline constexpr int32_t ArchivoNoEncontrado = 53;
inline constexpr int32_t PermisoDenegado = 70;
inline constexpr int32_t RutaNoEncontrada = 76;
inline constexpr int32_t ObjetoCerrado = 3704;          // operation not allowed on a closed object
inline constexpr int32_t ObjetoAbierto = 3705;          // operation not allowed on an open object
inline constexpr int32_t ContextoNoValido = 3219;       // operation not allowed in this context
inline constexpr int32_t ConexionNoValida = 3709;       // connection closed or not valid
inline constexpr int32_t ElementoNoEncontrado = 3265;   // item not found in the collection
inline constexpr int32_t ConversionNoValida = 3421;     // value of the wrong type
inline constexpr int32_t ErrorNoEspecificado = static_cast<int32_t>(0x80004005);
inline constexpr int32_t ErrorSintaxisSql = static_cast<int32_t>(0x80040E14);
inline constexpr int32_t ObjetoNoEncontrado = static_cast<int32_t>(0x80040E37);
inline constexpr int32_t ErrorIntegridad = static_cast<int32_t>(0x80040E2F);
}  // namespace errores

struct ErrorEjecucion {
    int32_t Number = 0;
    QString Description;
    QString Source;

    bool hayError() const { return Number != 0; }
};

// The exception a failing statement raises. Only step runners and routines with a handler of
// their own catch it; anything else lets it reach the caller, as an unhandled runtime error does.
class ErrorRuntime : public std::exception {
public:
    explicit ErrorRuntime(ErrorEjecucion error);
    const ErrorEjecucion& error() const { return error_; }
    int32_t numero() const { return error_.Number; }
    const char* what() const noexcept override { return texto_.c_str(); }

private:
    ErrorEjecucion error_;
    std::string texto_;
};

// Raises a runtime error; the source defaults to the executable's name (the program's own errors).
[[noreturn]] void Lanzar(int32_t numero, const QString& descripcion = QString(),
                         const QString& origen = QString());

// The platform's Spanish description for the runtime numbers it knows; empty for others.
QString DescripcionError(int32_t numero);

}  // namespace plataforma
