# Tests of the document grid, actions, status bar and form keys.
target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DocGridTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridTestSupport.h
  ${CMAKE_CURRENT_LIST_DIR}/FormPiecesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinesWindowTest.cpp
)
