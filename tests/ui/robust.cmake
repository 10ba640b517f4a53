# The window under bad input and wild mouse gestures, on Qt's offscreen platform.
include_guard(GLOBAL)
if(NOT TARGET zerkon_window)
  return()
endif()

find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(test_window_robust
  ${CMAKE_CURRENT_LIST_DIR}/WindowTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowRobustnessTest.cpp)
target_link_libraries(test_window_robust PRIVATE zerkon_window Qt6::Test GTest::gtest)
gtest_discover_tests(test_window_robust DISCOVERY_TIMEOUT 120)
