# Data-aware controls: edits, lists and the lookup edit bound to a field of a
# data set.
target_sources(zelt_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DbLink.cpp ${CMAKE_CURRENT_LIST_DIR}/DbLink.h
  ${CMAKE_CURRENT_LIST_DIR}/DbEdit.cpp ${CMAKE_CURRENT_LIST_DIR}/DbEdit.h
  ${CMAKE_CURRENT_LIST_DIR}/DbNumberEdit.cpp ${CMAKE_CURRENT_LIST_DIR}/DbNumberEdit.h
  ${CMAKE_CURRENT_LIST_DIR}/DbChoice.cpp ${CMAKE_CURRENT_LIST_DIR}/DbChoice.h
  ${CMAKE_CURRENT_LIST_DIR}/DbIdLookup.cpp ${CMAKE_CURRENT_LIST_DIR}/DbIdLookup.h
)
