# ado: the T-SQL emulation (splitting and rewriting), run against an in-memory SQLite engine.
find_package(SQLite3 REQUIRED)
velmora_fuzz(tsql LIBS ado SQLite::SQLite3)
# The emulation's own sources are compiled into the fuzzer with its instrumentation, so the
# campaign sees their coverage (the ado library itself is built without it).
if(VELMORA_FUZZ)
  target_sources(fuzz_tsql PRIVATE ${PROJECT_SOURCE_DIR}/ado/tsql_sqlite.cpp
    ${PROJECT_SOURCE_DIR}/ado/motor_sqlite.cpp ${PROJECT_SOURCE_DIR}/ado/Resultado.cpp)
endif()
