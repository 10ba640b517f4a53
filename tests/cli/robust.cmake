# Bad input, odd picture sizes and long runs, all through the session the tool builds.
# Included from tests/cli/CMakeLists.txt once zerkon_session exists.

add_executable(test_robust
  ${CMAKE_CURRENT_LIST_DIR}/CliTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RobustnessTest.cpp)
target_include_directories(test_robust PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(test_robust PRIVATE zerkon_session Qt6::Gui GTest::gtest)
gtest_discover_tests(test_robust DISCOVERY_TIMEOUT 120)

# Counts every heap allocation of its process, so it runs on its own. The long soaks
# carry the label "soak", which the sanitizer run leaves out; the short soak runs everywhere.
add_executable(test_soak
  ${CMAKE_CURRENT_LIST_DIR}/CliTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoakTest.cpp)
target_include_directories(test_soak PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(test_soak PRIVATE zerkon_session Qt6::Gui GTest::gtest)
gtest_discover_tests(test_soak DISCOVERY_TIMEOUT 120 TEST_FILTER "Soak.*"
  PROPERTIES LABELS soak TIMEOUT 1500)
gtest_discover_tests(test_soak DISCOVERY_TIMEOUT 120 TEST_FILTER "ShortSoak.*")
