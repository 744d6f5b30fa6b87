# The configuration database, the run context and the user's rights.
target_sources(zelt_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dm_Config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dm_Config.h
  ${CMAKE_CURRENT_LIST_DIR}/SupportSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SupportSettings.h
)
