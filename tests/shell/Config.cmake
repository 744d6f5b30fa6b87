find_package(Qt6 REQUIRED COMPONENTS Network)
target_sources(shell_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ConfigTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SmtpListener.h
)
target_link_libraries(shell_tests PRIVATE Qt6::Network)
