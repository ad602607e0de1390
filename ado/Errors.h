// The connection's error collection: one record per error the provider reported for the last
// failing call, as ADO's Errors collection holds them.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace ado {

struct Error {
    int32_t Number = 0;        // the HRESULT raised as runtime error (0x80004005, 0x80040E14...)
    QString Description;
    QString Source;
    QString SQLState;
    int32_t NativeError = 0;   // SQL Server's own number (2627, 547, 515, 8152, 11...)
};

class Errors {
public:
    int Count() const { return static_cast<int>(lista_.size()); }
    // 0-based, as ADO's Item; an index out of range raises 3265.
    const Error& Item(int indice) const;
    const Error& operator[](int indice) const { return Item(indice); }
    void Clear() { lista_.clear(); }

    // Filled by the connection before it raises.
    void Agregar(Error error) { lista_.push_back(std::move(error)); }
    void Reemplazar(std::vector<Error> lista) { lista_ = std::move(lista); }
    auto begin() const { return lista_.begin(); }
    auto end() const { return lista_.end(); }

private:
    std::vector<Error> lista_;
};

}  // namespace ado
