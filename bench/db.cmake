# db: ExisteEnTabla against the same statement prepared and stepped with raw sqlite3 calls.
find_package(SQLite3 REQUIRED)
add_executable(bench_db ${CMAKE_CURRENT_SOURCE_DIR}/db_existe.cpp)
target_link_libraries(bench_db PRIVATE db benchmark::benchmark SQLite::SQLite3)
