# The window: number fields, the main dialog, the About box, the theory window and the program.
include_guard(GLOBAL)
if(NOT ZERKON_BUILD_GUI OR NOT TARGET zerkon_widget)
  return()
endif()

add_library(zerkon_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NumberField.h
  ${CMAKE_CURRENT_LIST_DIR}/NumberField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/MainDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainDialog.ui
  ${CMAKE_CURRENT_LIST_DIR}/AboutDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/AboutDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FlowApp.h
  ${CMAKE_CURRENT_LIST_DIR}/FlowApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zerkon.qrc)
target_link_libraries(zerkon_window PUBLIC zerkon_ui_core zerkon_widget Qt6::Widgets)
# The theory window needs the report, which is left out of a build without the exact theory.
if(TARGET zerkon_report)
  target_sources(zerkon_window PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TheoryWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/TheoryWindow.cpp)
  target_link_libraries(zerkon_window PUBLIC zerkon_report)
  target_compile_definitions(zerkon_window PUBLIC ZERKON_THEORY_WINDOW)
endif()

add_executable(zerkon ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(zerkon PRIVATE zerkon_window)

include(GNUInstallDirs)
install(TARGETS zerkon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zerkon.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/zerkon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The batch tool's directory is added after this one, so its target is
# looked for once the whole project has been read.
function(zerkon_install_cli)
  if(TARGET zerkon-cli)
    install(TARGETS zerkon-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL zerkon_install_cli)
