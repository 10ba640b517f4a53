# Model and exact theory side by side: the report behind the batch tool's theory command
# and the theory window. It needs the exact theory, which may be left out of a build.
if(ZERKON_SKIP_THEORY OR NOT EXISTS ${PROJECT_SOURCE_DIR}/src/theory/CMakeLists.txt)
  return()
endif()
add_library(zerkon_report STATIC ${CMAKE_CURRENT_LIST_DIR}/TheoryReport.cpp)
target_link_libraries(zerkon_report PUBLIC zerkon_ui_core zerkon_theory)
