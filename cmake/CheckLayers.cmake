# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a folder that its own folder may not use.
#   cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#

cmake_minimum_required(VERSION 3.25)
# The layers, bottom to top. Each folder may include itself and the folders listed
# for it; toolkit-free folders may include no Qt header at all.
set(allowed_numeric  numeric)
set(allowed_canvas   canvas numeric)
set(allowed_platform platform)
set(allowed_model    model canvas numeric platform)
set(allowed_theory   theory numeric platform)
set(allowed_view     view model canvas numeric platform)
set(allowed_app      app view model theory canvas numeric platform)
set(allowed_session  session app view model theory canvas numeric platform)
set(allowed_chart    chart session app view model theory canvas numeric platform)
set(allowed_ui       ui chart session app view model theory canvas numeric platform)
set(allowed_cli      cli chart session app view model theory canvas numeric platform)
set(allowed_web      web session app view model theory canvas numeric platform)
# The one gas of the program is defined once, in the model's constants; the exact theory
# takes that file and nothing else of the model.
set(extra_theory "model/Constants.h")
# session/ reaches Qt Gui only through view's frame (Session, OffscreenHost); SessionCore and
# the answers need none.
set(toolkit_free numeric canvas model theory app session web)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: pass -DSOURCE_DIR=<the src folder>")
endif()

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  if(NOT DEFINED allowed_${folder})
    list(APPEND faults "src/${file}: the folder '${folder}' has no place in the layers (cmake/CheckLayers.cmake)")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"(([^/\"]+)/[^\"]*)\"")
      set(path "${CMAKE_MATCH_1}")
      set(target "${CMAKE_MATCH_2}")
      if(NOT target IN_LIST allowed_${folder} AND NOT path IN_LIST extra_${folder})
        string(REPLACE ";" ", " may "${allowed_${folder}}")
        list(APPEND faults "src/${file} includes \"${path}\": ${folder}/ may include only ${may}")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z/]*)>" AND folder IN_LIST toolkit_free)
      list(APPEND faults "src/${file} includes <${CMAKE_MATCH_1}>: ${folder}/ is toolkit-free")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Layering broken:\n  ${text}")
endif()
