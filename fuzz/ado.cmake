# ado: the T-SQL emulation (splitting and rewriting), run against an in-memory SQLite engine.
find_package(SQLite3 REQUIRED)
velmora_fuzz(tsql LIBS ado SQLite::SQLite3)
