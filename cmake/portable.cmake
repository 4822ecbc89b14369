# Writes OUT, a settings file with the default settings as the configuration
# dialog writes them, unless OUT exists.
#   cmake -DOUT=<folder>/Zefiran3D.ini -P cmake/portable.cmake
if(EXISTS "${OUT}")
  return()
endif()
string(ASCII 13 CR)
set(lines
  "FILE DI CONFIGURAZIONE DI ZEFIRAN 3D"
  "NON EDITARE DIRETTAMENTE QUESTO FILE MA"
  "UTILIZZARE IL MENU' FILE -> CONFIGURAZIONE"
  ""
  "hash=3"
  "profonditalibro=0"
  "abbandona=no"
  "skin=default.usk"
  "linguaggio=english.dat")
set(text "")
foreach(line IN LISTS lines)
  string(APPEND text "${line}${CR}\n")
endforeach()
file(WRITE "${OUT}" "${text}")
