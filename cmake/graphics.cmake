# Graphics tools: the skin generator and the frame benchmark.

# Writes the project's skins (default.usk, marble.usk) into a folder:
#   cmake --build <build> --target skins   regenerates data/skins/ in the source tree.
add_executable(skinmaker tools/skinmaker.cpp)
target_link_libraries(skinmaker PRIVATE zefgraphics)
add_custom_target(skins
  COMMAND skinmaker ${CMAKE_SOURCE_DIR}/data/skins
  DEPENDS skinmaker
  COMMENT "Regenerating the skins in data/skins")

# Writes the board's sounds (move, capture, check, end) into a folder:
#   cmake --build <build> --target sounds   regenerates data/sounds/ in the source tree.
add_executable(soundmaker tools/soundmaker.cpp)
add_custom_target(sounds
  COMMAND soundmaker ${CMAKE_SOURCE_DIR}/data/sounds
  DEPENDS soundmaker
  COMMENT "Regenerating the sounds in data/sounds")

# Frame benchmark of the board view (needs the GUI build and Google Benchmark):
#   DISPLAY=... LIBGL_ALWAYS_SOFTWARE=1 <build>/bench_frame
if(ZEF_HAVE_GUI AND ZEF_TESTS)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    add_executable(bench_frame src/graphics/bench/frame_bench.cpp)
    target_link_libraries(bench_frame PRIVATE zefui Qt6::Test benchmark::benchmark)
    target_compile_definitions(bench_frame PRIVATE ZEF_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  endif()
endif()
