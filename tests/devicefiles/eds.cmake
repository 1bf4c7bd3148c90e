# SPDX-License-Identifier: MIT
tessaro_add_test(tst_eds ${CMAKE_CURRENT_LIST_DIR}/tst_eds.cpp)
tessaro_add_test(tst_eds_cli ${CMAKE_CURRENT_LIST_DIR}/tst_eds_cli.cpp)
