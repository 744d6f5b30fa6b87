# The read-only result grid of the search dialogs.
target_sources(zelt_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ResultGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResultGrid.h
)
