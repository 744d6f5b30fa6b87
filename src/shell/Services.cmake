target_sources(zelt_shell PRIVATE ${CMAKE_CURRENT_LIST_DIR}/U_DM.cpp ${CMAKE_CURRENT_LIST_DIR}/U_DM.h)
