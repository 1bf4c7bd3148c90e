# SPDX-License-Identifier: MIT
target_sources(tessaro_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/eds_generator.h ${CMAKE_CURRENT_LIST_DIR}/eds_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eds_project.h ${CMAKE_CURRENT_LIST_DIR}/eds_project.cpp)
