# Memory for the arrays every tick sweeps whole; shared by the core and the frame.
add_library(zerkon_pages STATIC ${CMAKE_CURRENT_LIST_DIR}/LargePages.cpp)
target_link_libraries(zerkon_pages PUBLIC zerkon_headers)

add_library(zerkon_view_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PressureBubble.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Streamline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlowAnimation.cpp
)
target_link_libraries(zerkon_view_core PUBLIC zerkon_model zerkon_pages)
