add_executable(test_view_core
  ${CMAKE_CURRENT_LIST_DIR}/TracerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SceneTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlowAnimationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LargePagesTest.cpp
)
target_include_directories(test_view_core PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(test_view_core PRIVATE zerkon_view_core GTest::gtest_main)
gtest_discover_tests(test_view_core DISCOVERY_TIMEOUT 60)

# Counts every heap allocation of its process, so it runs on its own.
add_executable(test_allocation ${CMAKE_CURRENT_LIST_DIR}/AllocationTest.cpp)
target_include_directories(test_allocation PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(test_allocation PRIVATE zerkon_view_core GTest::gtest_main)
gtest_discover_tests(test_allocation DISCOVERY_TIMEOUT 60)
