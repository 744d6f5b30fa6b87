target_sources(shell_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ErrorsTest.cpp)
target_link_libraries(shell_tests PRIVATE Qt6::Test)
