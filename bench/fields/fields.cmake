# The rule for numbers typed into the bench's fields, shared by every page: no Qt.
add_library(benchfields STATIC
  ${CMAKE_CURRENT_LIST_DIR}/integer_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sign_id.cpp
)
target_include_directories(benchfields PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(benchfields PUBLIC signplatform)
