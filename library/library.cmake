# The sending library: its logic as a static core (also linked by the tests), the
# shared library that exports only the C functions, a dlopen loader and the host
# program signlink-cli.
set(SIGNLINK_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(signlinkcore STATIC
  ${SIGNLINK_DIR}/command_builder.cpp
  ${SIGNLINK_DIR}/files_folder.cpp
  ${SIGNLINK_DIR}/frame_input.cpp
  ${SIGNLINK_DIR}/library_api.cpp
  ${SIGNLINK_DIR}/link_settings.cpp
  ${SIGNLINK_DIR}/network_link.cpp
  ${SIGNLINK_DIR}/param_value.cpp
  ${SIGNLINK_DIR}/profile_snapshot.cpp
  ${SIGNLINK_DIR}/reply_check.cpp
  ${SIGNLINK_DIR}/result_codes.cpp
  ${SIGNLINK_DIR}/return_file.cpp
  ${SIGNLINK_DIR}/send_engine.cpp
  ${SIGNLINK_DIR}/serial_link.cpp
  ${SIGNLINK_DIR}/settings_file.cpp
)
target_include_directories(signlinkcore PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(signlinkcore PUBLIC signprotocol signplatform)
# The installed samples seen from the installed library's folder, so an extracted or
# relocated tree finds its own.
file(RELATIVE_PATH signlink_samples_from_libdir ${CMAKE_INSTALL_FULL_LIBDIR} ${CMAKE_INSTALL_FULL_DATADIR}/signlink)
target_compile_definitions(signlinkcore PRIVATE SIGNLINK_SAMPLES_FROM_LIBDIR="${signlink_samples_from_libdir}")
set_target_properties(signlinkcore PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)

# The library's version is the one its header states.
file(STRINGS ${SIGNLINK_DIR}/signlink.h signlink_version_line REGEX "^#define SIGNLINK_VERSION \"")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" SIGNLINK_VERSION "${signlink_version_line}")
string(REGEX MATCH "^[0-9]+" SIGNLINK_SOVERSION "${SIGNLINK_VERSION}")

add_library(signlink SHARED ${SIGNLINK_DIR}/exports.cpp)
target_link_libraries(signlink PRIVATE signlinkcore)
target_include_directories(signlink INTERFACE
  $<BUILD_INTERFACE:${SIGNLINK_DIR}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(signlink PROPERTIES
  VERSION ${SIGNLINK_VERSION}
  SOVERSION ${SIGNLINK_SOVERSION}
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON
  LINK_DEPENDS ${SIGNLINK_DIR}/signlink.map)
# Only the fourteen exports are visible, whatever the static parts inside declare.
target_link_options(signlink PRIVATE
  -Wl,--version-script=${SIGNLINK_DIR}/signlink.map -Wl,--exclude-libs,ALL)
# In sanitizer and fuzz builds the host program carries the sanitizer runtime.
if(NOT SIGN_SANITIZE AND NOT SIGN_FUZZ)
  target_link_options(signlink PRIVATE -Wl,--no-undefined)
endif()

add_library(signlinkloader STATIC ${SIGNLINK_DIR}/signlink_loader.cpp ${SIGNLINK_DIR}/result_codes.cpp)
target_include_directories(signlinkloader PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(signlinkloader PUBLIC ${CMAKE_DL_LIBS})

add_executable(signlink-cli ${SIGNLINK_DIR}/signlink_cli.cpp)
# The core gives the cli only the folder rule, so `show` can name the folder in use.
target_link_libraries(signlink-cli PRIVATE signlinkloader signlinkcore)
target_compile_definitions(signlink-cli PRIVATE SIGNTOOLS_VERSION="${PROJECT_VERSION}")
add_dependencies(signlink-cli signlink)

# The sample definitions and settings beside the built library, so signlink-cli
# works at once against a virtual sign on 127.0.0.1:2015. Existing copies (which a
# user may have edited) are kept.
foreach(sample CmdSet.cfg SendFrame.cfg)
  if(NOT EXISTS ${CMAKE_BINARY_DIR}/bin/${sample})
    file(COPY ${PROJECT_SOURCE_DIR}/data/${sample} DESTINATION ${CMAKE_BINARY_DIR}/bin)
  endif()
endforeach()
