# The Qt widget that shows the animation.
include_guard(GLOBAL)
if(NOT ZERKON_BUILD_GUI OR NOT TARGET zerkon_frame)
  return()
endif()

add_library(zerkon_widget STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FlowView.h
  ${CMAKE_CURRENT_LIST_DIR}/FlowView.cpp)
target_link_libraries(zerkon_widget PUBLIC zerkon_frame zerkon_view_core Qt6::Widgets)
