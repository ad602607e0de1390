# The toolbar's refresh: a host's burst of property changes, refreshed once per turn or once per change.
add_executable(bench_toolbar ${CMAKE_CURRENT_LIST_DIR}/toolbar.cpp)
target_link_libraries(bench_toolbar PRIVATE toolbar benchmark::benchmark)
