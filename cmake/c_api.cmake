# The C and C++ interface: libvantix, shared and static, with the header
# vantix.h, a pkg-config file and a CMake package config. The header and the
# adapters that forward each C function to its C++ routine are generated from
# the routine table by tools/gen_c_api.cpp, which reads the C++ signatures.
include(GNUInstallDirs)
set(VANTIX_C_VERSION 8.2)
set(VANTIX_C_SOVERSION 8)
set(VANTIX_C_DIR ${PROJECT_BINARY_DIR}/c_api)

add_executable(vantix_gen_c_api ${PROJECT_SOURCE_DIR}/tools/gen_c_api.cpp)
target_include_directories(vantix_gen_c_api PRIVATE
  $<TARGET_PROPERTY:vantix_quickplot,INTERFACE_INCLUDE_DIRECTORIES>)
add_custom_command(
  OUTPUT ${VANTIX_C_DIR}/include/vantix.h ${VANTIX_C_DIR}/vantix_c.cpp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTIX_C_DIR}/include
  COMMAND vantix_gen_c_api ${VANTIX_C_DIR}/include/vantix.h ${VANTIX_C_DIR}/vantix_c.cpp
  DEPENDS vantix_gen_c_api
  COMMENT "Generating the C interface vantix.h")

# The adapters are compiled once, for both libraries.
add_library(vantix_c_objects OBJECT ${VANTIX_C_DIR}/vantix_c.cpp ${PROJECT_SOURCE_DIR}/src/binding/routine_guard.cpp)
target_include_directories(vantix_c_objects PRIVATE
  $<TARGET_PROPERTY:vantix_quickplot,INTERFACE_INCLUDE_DIRECTORIES>)
add_library(vantix_c_shared SHARED $<TARGET_OBJECTS:vantix_c_objects>)
target_link_libraries(vantix_c_shared PRIVATE vantix_quickplot)
set_target_properties(vantix_c_shared PROPERTIES OUTPUT_NAME vantix VERSION ${VANTIX_C_VERSION}
  SOVERSION ${VANTIX_C_SOVERSION} LIBRARY_OUTPUT_DIRECTORY ${VANTIX_C_DIR}/lib)

# The static library holds the objects of every layer, so that a program
# needs only libvantix.a and the system libraries below.
set(VANTIX_LAYER_OBJECTS "")
foreach(layer IN LISTS VANTIX_LAYERS)
  list(APPEND VANTIX_LAYER_OBJECTS $<TARGET_OBJECTS:vantix_${layer}>)
endforeach()
add_library(vantix_c_static STATIC $<TARGET_OBJECTS:vantix_c_objects> ${VANTIX_LAYER_OBJECTS})
set_target_properties(vantix_c_static PROPERTIES OUTPUT_NAME vantix ARCHIVE_OUTPUT_DIRECTORY ${VANTIX_C_DIR}/lib)

# What a static link needs besides libvantix.a.
set(VANTIX_C_PRIVATE_LIBS_LIST Xm Xt z X11 tiff png gif m stdc++)
list(TRANSFORM VANTIX_C_PRIVATE_LIBS_LIST PREPEND "-l" OUTPUT_VARIABLE VANTIX_C_PRIVATE_FLAGS)
string(JOIN " " VANTIX_C_PRIVATE_LIBS ${VANTIX_C_PRIVATE_FLAGS})

# The installed files find the prefix from their own place, so any prefix works.
file(RELATIVE_PATH VANTIX_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
file(RELATIVE_PATH VANTIX_CMAKE_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/cmake/vantix /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/vantix.pc.in ${VANTIX_C_DIR}/vantix.pc @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/vantixConfig.cmake.in ${VANTIX_C_DIR}/vantixConfig.cmake @ONLY)
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${VANTIX_C_DIR}/vantixConfigVersion.cmake
  VERSION ${VANTIX_C_VERSION} COMPATIBILITY SameMajorVersion)

install(TARGETS vantix_c_shared vantix_c_static
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${VANTIX_C_DIR}/include/vantix.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${VANTIX_C_DIR}/vantix.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
install(FILES ${VANTIX_C_DIR}/vantixConfig.cmake ${VANTIX_C_DIR}/vantixConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vantix)

# Installs into a temporary prefix, builds examples/c/first_plot.c through
# pkg-config (as C, as C++ and statically) and through find_package, runs it
# and checks its picture.
add_test(NAME c_api COMMAND ${PROJECT_SOURCE_DIR}/tools/check_c_api.sh ${PROJECT_BINARY_DIR}
  ${PROJECT_SOURCE_DIR} $<IF:$<BOOL:${VANTIX_SANITIZE}>,sanitize,plain>)
