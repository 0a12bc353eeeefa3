# The clock, device and event command families of the virtual sign.
target_sources(signsim_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/device_family.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_family.cpp
)
