# Tests of the Qt frame: the image canvas and the off-screen frame buffer.
include_guard(GLOBAL)
if(NOT TARGET zerkon_frame)
  return()
endif()

add_executable(test_frame
  ${CMAKE_CURRENT_LIST_DIR}/FrameTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageCanvasTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameBufferTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LargePageImageTest.cpp)
target_link_libraries(test_frame PRIVATE zerkon_frame GTest::gtest)
gtest_discover_tests(test_frame DISCOVERY_TIMEOUT 60)
