target_sources(zelt_shell PRIVATE ${CMAKE_CURRENT_LIST_DIR} / Helpers.cpp ${CMAKE_CURRENT_LIST_DIR} /
               Helpers.h ${CMAKE_CURRENT_LIST_DIR} / SystemInfo.cpp ${CMAKE_CURRENT_LIST_DIR} / SystemInfo.h)
