target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LookupControlsTest.cpp
)
