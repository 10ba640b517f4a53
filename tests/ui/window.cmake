# Tests of the window: the picture widget, the number fields, the main dialog
# and the About box, run on Qt's offscreen platform.
include_guard(GLOBAL)
if(NOT TARGET zerkon_window)
  return()
endif()

find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(test_window
  ${CMAKE_CURRENT_LIST_DIR}/WindowTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlowViewTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFieldTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppIconTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainDialogTest.cpp)
target_link_libraries(test_window PRIVATE zerkon_window Qt6::Test GTest::gtest)
gtest_discover_tests(test_window DISCOVERY_TIMEOUT 60)
