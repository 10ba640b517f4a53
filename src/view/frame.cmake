# The Qt frame: an image canvas and the off-screen frame buffer.
include_guard(GLOBAL)
if(NOT ZERKON_BUILD_GUI)
  return()
endif()

add_library(zerkon_frame STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ImageCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameHost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LargePageImage.cpp)
target_link_libraries(zerkon_frame PUBLIC zerkon_headers zerkon_pages Qt6::Gui)
