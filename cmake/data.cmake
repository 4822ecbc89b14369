# Copies the runtime data files into the folder of the executable, so that a
# build folder is a complete program folder.
file(GLOB ZEF_LANGUAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/languages/*.dat)
file(GLOB ZEF_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/skins/*.usk)
file(GLOB ZEF_SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sounds/*.wav)
set(ZEF_DATA_OUTPUTS "")
# Each file of a data folder copied into the same folder beside the executable.
function(zef_copy_data folder)
  set(outputs ${ZEF_DATA_OUTPUTS})
  foreach(f ${ARGN})
    get_filename_component(n ${f} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${folder}/${n}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${f} ${CMAKE_BINARY_DIR}/${folder}/${n}
      DEPENDS ${f})
    list(APPEND outputs ${CMAKE_BINARY_DIR}/${folder}/${n})
  endforeach()
  set(ZEF_DATA_OUTPUTS ${outputs} PARENT_SCOPE)
endfunction()
zef_copy_data(languages ${ZEF_LANGUAGE_FILES})
zef_copy_data(skins ${ZEF_SKIN_FILES})
zef_copy_data(sounds ${ZEF_SOUND_FILES})
# A build folder is a portable program folder: with a settings file beside the
# executable, the program keeps its settings and logs there and not in the
# user's folders (src/settings/folders.h). The file is written once, with the
# default settings; the one the configuration dialog saves stays.
add_custom_target(zefdata ALL
  COMMAND ${CMAKE_COMMAND} -DOUT=${CMAKE_BINARY_DIR}/Zefiran3D.ini -P ${CMAKE_SOURCE_DIR}/cmake/portable.cmake
  DEPENDS ${ZEF_DATA_OUTPUTS})
add_dependencies(Zefiran3D zefdata)
