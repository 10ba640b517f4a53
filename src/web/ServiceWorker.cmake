# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker from its template: the page's files, and a stamp that changes
# whenever any of them does, so a new build replaces the cached page as a whole.
#   cmake -DFOLDER=<web folder> -DTEMPLATE=<sw.js.in> -DOUTPUT=<sw.js> -P ServiceWorker.cmake
file(GLOB_RECURSE files RELATIVE ${FOLDER} ${FOLDER}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(names "")
foreach(file IN LISTS files)
  file(SHA256 ${FOLDER}/${file} digest)
  string(APPEND digests "${file}:${digest};")
  if(names)
    string(APPEND names ", ")
  endif()
  string(APPEND names "\"${file}\"")
endforeach()
string(SHA256 stamp "${digests}")
string(SUBSTRING "${stamp}" 0 16 ZERKON_WEB_STAMP)
set(ZERKON_WEB_FILES "${names}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
