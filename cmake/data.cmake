# Copies the runtime data files into the folder of the executable, so that a
# build folder is a complete program folder.
file(GLOB ZEF_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/languages/*.dat)
file(GLOB ZEF_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/skins/*.usk)
file(GLOB ZEF_SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sounds/*.wav)
set(ZEF_DATA_OUTPUTS "")
foreach(f ${ZEF_LANGUAGE_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/languages/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_BINARY_DIR}/languages/${n}
    DEPENDS ${f})
  list(APPEND ZEF_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/languages/${n})
endforeach()
foreach(f ${ZEF_SKIN_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/skins/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_BINARY_DIR}/skins/${n}
    DEPENDS ${f})
  list(APPEND ZEF_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/skins/${n})
endforeach()
foreach(f ${ZEF_SOUND_FILES})
  get_filename_component(n ${f} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/sounds/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_BINARY_DIR}/sounds/${n}
    DEPENDS ${f})
  list(APPEND ZEF_DATA_OUTPUTS ${CMAKE_BINARY_DIR}/sounds/${n})
endforeach()
# A build folder is a portable program folder: with a settings file beside the
# executable, the program keeps its settings and logs there and not in the
# user's folders (src/settings/folders.h). The file is written once, with the
# default settings; the one the configuration dialog saves stays.
add_custom_target(zefdata ALL
  COMMAND ${CMAKE_COMMAND} -DOUT=${CMAKE_BINARY_DIR}/Zefiran3D.ini -P ${CMAKE_SOURCE_DIR}/cmake/portable.cmake
  DEPENDS ${ZEF_DATA_OUTPUTS})
add_dependencies(Zefiran3D zefdata)
