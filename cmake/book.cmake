# The shipped opening book: built by the program itself from the public game
# records in data/book/games, and placed beside the executable.
file(GLOB ZEF_BOOK_GAMES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/book/games/*.pgn)
list(SORT ZEF_BOOK_GAMES)
if(ZEF_BOOK_GAMES)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/book.opn
    COMMAND $<TARGET_FILE:Zefiran3D> --build-book ${CMAKE_BINARY_DIR}/book.opn ${ZEF_BOOK_GAMES}
    DEPENDS Zefiran3D ${ZEF_BOOK_GAMES}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Building the opening book from ${CMAKE_SOURCE_DIR}/data/book/games"
    VERBATIM)
  add_custom_target(zefbook ALL DEPENDS ${CMAKE_BINARY_DIR}/book.opn)
endif()

# The records benchmark reads the same game records.
if(TARGET records_bench)
  target_compile_definitions(records_bench PRIVATE ZEF_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
