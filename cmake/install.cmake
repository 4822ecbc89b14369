# The installed program (cmake --install, and the Debian package made from
# it): the command zefiran3d, its read-only data in share/zefiran3d (found
# from the executable, src/settings/folders.h), and what makes it a desktop
# program: a desktop entry, icons, AppStream metadata and the manual page.
include(GNUInstallDirs)
set(ZEF_COMMAND zefiran3d)
set(ZEF_SHARE ${CMAKE_INSTALL_DATADIR}/${ZEF_COMMAND})
set(ZEF_DOC ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ZEF_COMMAND})

# The build folder keeps the executable's established name; the command
# installed is in lower case, as commands are.
install(PROGRAMS $<TARGET_FILE:Zefiran3D> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${ZEF_COMMAND})
# Only targets are stripped by "cmake --install --strip" and by CPack.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${ZEF_COMMAND}\")
endif()")

install(FILES ${ZEF_LANGUAGE_FILES} DESTINATION ${ZEF_SHARE}/languages)
install(FILES ${ZEF_SKIN_FILES} DESTINATION ${ZEF_SHARE}/skins)
install(FILES ${ZEF_SOUND_FILES} DESTINATION ${ZEF_SHARE}/sounds)
if(TARGET zefbook)
  install(FILES ${CMAKE_BINARY_DIR}/book.opn DESTINATION ${ZEF_SHARE})
endif()

# The manual page, made from the README at every change of it.
find_program(ZEF_GZIP gzip REQUIRED)
add_executable(manpage tools/manpage.cpp)
set(ZEF_MAN ${CMAKE_BINARY_DIR}/man/${ZEF_COMMAND}.6)
add_custom_command(OUTPUT ${ZEF_MAN}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND manpage ${CMAKE_SOURCE_DIR}/README.md ${PROJECT_VERSION} ${ZEF_MAN}
  COMMAND ${ZEF_GZIP} -9nf ${ZEF_MAN}
  DEPENDS manpage ${CMAKE_SOURCE_DIR}/README.md
  COMMENT "Making the manual page from README.md"
  VERBATIM)
add_custom_target(zefman ALL DEPENDS ${ZEF_MAN}.gz)
install(FILES ${ZEF_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# What Debian asks of every package's documentation: the copyright and a
# changelog, compressed.
set(ZEF_CHANGELOG ${CMAKE_BINARY_DIR}/package/changelog)
string(TIMESTAMP ZEF_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${ZEF_CHANGELOG}.in
  "${ZEF_COMMAND} (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}, built from the project's sources.\n\n"
  " -- ${ZEF_MAINTAINER}  ${ZEF_CHANGELOG_DATE}\n")
add_custom_command(OUTPUT ${ZEF_CHANGELOG}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${ZEF_CHANGELOG}.in ${ZEF_CHANGELOG}
  COMMAND ${ZEF_GZIP} -9nf ${ZEF_CHANGELOG}
  DEPENDS ${ZEF_CHANGELOG}.in
  VERBATIM)
add_custom_target(zefchangelog ALL DEPENDS ${ZEF_CHANGELOG}.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/package/copyright ${ZEF_CHANGELOG}.gz DESTINATION ${ZEF_DOC})

if(ZEF_HAVE_GUI)
  # The icon, drawn by tools/iconmaker.cpp in the icon theme's sizes.
  add_executable(iconmaker tools/iconmaker.cpp)
  target_link_libraries(iconmaker PRIVATE zefgraphics Qt6::Gui)
  set(ZEF_ICONS ${CMAKE_BINARY_DIR}/icons)
  add_custom_command(OUTPUT ${ZEF_ICONS}/hicolor/scalable/apps/${ZEF_COMMAND}.svg
    COMMAND iconmaker ${ZEF_ICONS}
    DEPENDS iconmaker
    COMMENT "Drawing the icon"
    VERBATIM)
  add_custom_target(zeficons ALL DEPENDS ${ZEF_ICONS}/hicolor/scalable/apps/${ZEF_COMMAND}.svg)
  install(DIRECTORY ${ZEF_ICONS}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${ZEF_COMMAND}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${ZEF_COMMAND}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
