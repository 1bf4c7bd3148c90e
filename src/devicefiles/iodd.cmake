# SPDX-License-Identifier: MIT
# The IODD generator: model files in the core, the main window's step in the UI library.
target_sources(tessaro_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/iodd_project.h ${CMAKE_CURRENT_LIST_DIR}/iodd_project.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iodd_document.h ${CMAKE_CURRENT_LIST_DIR}/iodd_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iodd_zip.h ${CMAKE_CURRENT_LIST_DIR}/iodd_zip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iodd_pictures.h ${CMAKE_CURRENT_LIST_DIR}/iodd_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iodd_generator.h ${CMAKE_CURRENT_LIST_DIR}/iodd_generator.cpp)

# The three vendor pictures, compiled in; iodd_pictures.cpp registers them.
set_target_properties(tessaro_core PROPERTIES AUTORCC ON)
target_sources(tessaro_core PRIVATE ${PROJECT_SOURCE_DIR}/resources/iodd/iodd_pictures.qrc)

target_sources(tessaro_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/iodd_make.h ${CMAKE_CURRENT_LIST_DIR}/iodd_make.cpp)
