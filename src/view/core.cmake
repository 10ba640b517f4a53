add_library(zerkon_view_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PressureBubble.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Streamline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlowAnimation.cpp
)
target_link_libraries(zerkon_view_core PUBLIC zerkon_model)
