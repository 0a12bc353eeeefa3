# The font directory of the virtual sign.
target_sources(signsim_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/font_family.cpp)
