# The application-wide error handler, the error translation and the error
# dialog.
target_sources(zelt_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ErrorTranslation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorTranslation.h
  ${CMAKE_CURRENT_LIST_DIR}/ErrorHandler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ErrorHandler.h
  ${CMAKE_CURRENT_LIST_DIR}/Fr_ShowError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fr_ShowError.h)
