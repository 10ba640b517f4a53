# Whole sessions reduced to digests: they guard every optimisation.
if(NOT TARGET zerkon_frame)
  return()
endif()
add_executable(test_golden ${CMAKE_CURRENT_LIST_DIR}/GoldenTest.cpp ${CMAKE_CURRENT_LIST_DIR}/FrameTestMain.cpp)
target_link_libraries(test_golden PRIVATE zerkon_frame zerkon_view_core zerkon_ui_core GTest::gtest)
gtest_discover_tests(test_golden DISCOVERY_TIMEOUT 60)
