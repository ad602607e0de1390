# maintenance: the window's two timed paths (Enter on a code, F2 to code entry) on the demo
# database, and the programs the start-up comparison runs under Xvfb (bench/maintenance_arranque.sh).
add_executable(bench_maintenance ${CMAKE_CURRENT_LIST_DIR}/maintenance_ventana.cpp)
target_link_libraries(bench_maintenance PRIVATE maintenance velmoradb benchmark::benchmark Qt6::Widgets)
# Not a bench_ program: it waits for a key, so the benchmark runner must not start it.
add_executable(minimo_tabla ${CMAKE_CURRENT_LIST_DIR}/maintenance_minimo.cpp)
target_link_libraries(minimo_tabla PRIVATE Qt6::Widgets)
