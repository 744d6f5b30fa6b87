# The document grid with its editors, the toolbar actions, the status bar and
# the form key conventions.
target_sources(zelt_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Actions.h
  ${CMAKE_CURRENT_LIST_DIR}/DocGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocGrid.h
  ${CMAKE_CURRENT_LIST_DIR}/FormKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormKeys.h
  ${CMAKE_CURRENT_LIST_DIR}/GridEditors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridEditors.h
  ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusBar.h
)
