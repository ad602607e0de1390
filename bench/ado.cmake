# ado: reading through Recordset against raw sqlite3 calls on the same file, in the same run.
find_package(SQLite3 REQUIRED)
add_executable(bench_ado ${CMAKE_CURRENT_SOURCE_DIR}/ado_lectura.cpp)
target_link_libraries(bench_ado PRIVATE ado benchmark::benchmark SQLite::SQLite3)
