# zelt_add_test(NAME <name> SOURCES <files...> LIBS <libs...>)
# One GoogleTest program per source folder; Qt runs offscreen in every test.
function(zelt_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} zelt_testsupport GTest::gtest)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 900)
endfunction()

# Adds every listed sub-folder that already holds a CMakeLists.txt, so that the
# folders of later work can be listed here before they exist.
function(zelt_add_folders)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
