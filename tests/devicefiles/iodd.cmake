# SPDX-License-Identifier: MIT
tessaro_add_test(tst_iodd ${CMAKE_CURRENT_LIST_DIR}/tst_iodd.cpp)

# The archive is opened again with libzip; the main window's step needs the UI library.
tessaro_add_test(tst_iodd_files ${CMAKE_CURRENT_LIST_DIR}/tst_iodd_files.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../app/recording_prompter.h
  LIBS tessaro_ui PkgConfig::LIBZIP)
# The IODD 1.1 schema lies in shared/, beside the checkout.
target_compile_definitions(tst_iodd_files PRIVATE
  TESSARO_IODD_SCHEMA_DIR="${CMAKE_SOURCE_DIR}/../shared/iodd-schema")
