# Tests of the window: the picture widget, the number fields, the main dialog,
# the About box and the theory window, run on Qt's offscreen platform.
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
# The theory window exists only in a build with the exact theory.
if(TARGET zerkon_report)
  target_sources(test_window PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TheoryWindowTest.cpp)
  # The keyboard is checked bit for bit against a headless session when one can be built.
  if(TARGET zerkon_session)
    target_link_libraries(test_window PRIVATE zerkon_session)
    target_compile_definitions(test_window PRIVATE ZERKON_TEST_SESSION)
  endif()
endif()
gtest_discover_tests(test_window DISCOVERY_TIMEOUT 60)
