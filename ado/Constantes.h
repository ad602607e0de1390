// ADO's enumerations and the runtime error numbers this layer raises, under ADO's own names.
#pragma once

#include <cstdint>

namespace ado {

// CursorTypeEnum
inline constexpr int adOpenUnspecified = -1;
inline constexpr int adOpenForwardOnly = 0;
inline constexpr int adOpenKeyset = 1;
inline constexpr int adOpenDynamic = 2;
inline constexpr int adOpenStatic = 3;

// LockTypeEnum
inline constexpr int adLockUnspecified = -1;
inline constexpr int adLockReadOnly = 1;
inline constexpr int adLockPessimistic = 2;
inline constexpr int adLockOptimistic = 3;
inline constexpr int adLockBatchOptimistic = 4;

// CursorLocationEnum
inline constexpr int adUseServer = 2;
inline constexpr int adUseClient = 3;

// ObjectStateEnum
inline constexpr int adStateClosed = 0;
inline constexpr int adStateOpen = 1;

// EditModeEnum
inline constexpr int adEditNone = 0;
inline constexpr int adEditInProgress = 1;
inline constexpr int adEditAdd = 2;

// CommandTypeEnum / ExecuteOptionEnum (accepted, not needed by this layer)
inline constexpr int adCmdUnspecified = -1;
inline constexpr int adCmdText = 1;
inline constexpr int adCmdTable = 2;
inline constexpr int adExecuteNoRecords = 0x80;

// SchemaEnum
inline constexpr int adSchemaColumns = 4;
inline constexpr int adSchemaTables = 20;

// IsolationLevelEnum
inline constexpr int adXactUnspecified = -1;
inline constexpr int adXactReadUncommitted = 0x100;
inline constexpr int adXactReadCommitted = 0x1000;
inline constexpr int adXactRepeatableRead = 0x10000;
inline constexpr int adXactSerializable = 0x100000;

// DataTypeEnum (the codes the program classifies)
inline constexpr int adEmpty = 0;
inline constexpr int adSmallInt = 2;
inline constexpr int adInteger = 3;
inline constexpr int adSingle = 4;
inline constexpr int adDouble = 5;
inline constexpr int adCurrency = 6;
inline constexpr int adDate = 7;
inline constexpr int adBSTR = 8;
inline constexpr int adBoolean = 11;
inline constexpr int adDecimal = 14;
inline constexpr int adTinyInt = 16;
inline constexpr int adUnsignedTinyInt = 17;
inline constexpr int adBigInt = 20;
inline constexpr int adGUID = 72;
inline constexpr int adChar = 129;
inline constexpr int adWChar = 130;
inline constexpr int adNumeric = 131;
inline constexpr int adDBDate = 133;
inline constexpr int adDBTime = 134;
inline constexpr int adDBTimeStamp = 135;
inline constexpr int adVarChar = 200;
inline constexpr int adLongVarChar = 201;
inline constexpr int adVarWChar = 202;
inline constexpr int adLongVarWChar = 203;
inline constexpr int adVarBinary = 204;
inline constexpr int adLongVarBinary = 205;

// Error numbers of this layer that the platform's list does not hold.
namespace errores {
inline constexpr int32_t SinRegistroActual = 3021;        // BOF or EOF is true, or the row was deleted
inline constexpr int32_t NoActualizable = 3251;           // the recordset does not support updating
inline constexpr int32_t ArgumentosNoValidos = 3001;      // arguments of the wrong type or out of range
inline constexpr int32_t FilaNoEncontrada = static_cast<int32_t>(0x80040E38);  // row cannot be located
inline constexpr int32_t DatosTruncados = static_cast<int32_t>(0x80040E57);    // text longer than its column
}  // namespace errores

// SQL Server's native error numbers that the program tests; the SQLite backend maps onto them.
namespace nativos {
inline constexpr int32_t ErrorGeneralRed = 11;
inline constexpr int32_t ServidorNoExiste = 17;
inline constexpr int32_t SintaxisIncorrecta = 102;
inline constexpr int32_t ObjetoNoValido = 208;
inline constexpr int32_t ColumnaNoValida = 207;
inline constexpr int32_t NuloNoPermitido = 515;
inline constexpr int32_t ConflictoRestriccion = 547;
inline constexpr int32_t BloqueoAgotado = 1222;
inline constexpr int32_t ClaveDuplicada = 2627;
inline constexpr int32_t InstruccionTerminada = 3621;
inline constexpr int32_t CommitSinBegin = 3902;
inline constexpr int32_t RollbackSinBegin = 3903;
inline constexpr int32_t BaseNoAbre = 4060;
inline constexpr int32_t Truncamiento = 8152;
}  // namespace nativos

}  // namespace ado
