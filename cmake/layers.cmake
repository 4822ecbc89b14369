# The program's layers, one library each, bottom to top:
#
#   zefengine    engine/          position, rules, search (the standard library only)
#   zeftext      text/            text helpers, name=value files, output lines
#   zefsettings  settings/        the settings file and the language table
#   zefrecords   records/         notation, game files, opening book, test suites
#   zefgame      game/            the game's one owner: moves, set-ups, take-back; the window's session
#   zefprotocol  protocol/        the WinBoard/xboard and UCI protocols
#   zefapp       app/             start-up, command line, the headless engine
#   zefgraphics  graphics/core/   camera, meshes, skins (no toolkit)
#   zefboard     graphics/gl/     the OpenGL board view (Qt)
#   zefui        ui/              the window and its dialogs (Qt)
#
# Each library's include root holds only its own folder (a link into src),
# and it sees the layers below only through what it links: including a
# header of a layer above fails to compile, and calling into one fails to
# link.
function(zef_layer target folder)
  cmake_parse_arguments(L "" "" "USES" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${L_USES})
endfunction()
