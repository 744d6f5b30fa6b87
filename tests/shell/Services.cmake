target_sources(shell_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ServicesTest.cpp)
