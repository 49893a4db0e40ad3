# Third-party libraries of both builds.
#
#   PNG::PNG                          libpng (+ zlib), native and Windows
#   GTest::gtest, GTest::gtest_main,
#   GTest::gmock, GTest::gmock_main   GoogleTest from Debian's source package
#
# For the Windows build it also defines what Wine tests need (see the end).
include_guard(GLOBAL)
get_filename_component(TINTORA_REPO_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

include(GoogleTest)

# ---------------------------------------------------------------- libpng ---
if(NOT CMAKE_CROSSCOMPILING AND NOT TINTORA_FUZZ)
  find_package(PNG REQUIRED)
else()
  # Debian has zlib for MinGW but no libpng: build Debian's libpng source
  # (with its security patches) as a static library, once per build folder.
  # It is built while configuring, so PNG::PNG refers to real files from the
  # start and no target has to wait for it. The fuzz build compiles the same
  # source with its instrumentation, so that the fuzzer sees into libpng.
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)

  execute_process(
    COMMAND bash "${TINTORA_REPO_ROOT}/scripts/fetch-libpng.sh"
    OUTPUT_VARIABLE _png_src
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE _png_rc)
  if(NOT _png_rc EQUAL 0 OR NOT EXISTS "${_png_src}/png.h")
    message(FATAL_ERROR "scripts/fetch-libpng.sh failed (${_png_rc}); see its messages above")
  endif()

  set(_png_root "${CMAKE_BINARY_DIR}/_deps/libpng")
  set(_png_install "${_png_root}/install")
  set(_png_library "${_png_install}/lib/libpng16.a")
  list(GET ZLIB_LIBRARIES 0 _zlib_library)
  list(JOIN TINTORA_FUZZ_INSTRUMENTATION " " _png_c_flags)

  file(CONFIGURE OUTPUT "${_png_root}/superbuild/CMakeLists.txt" @ONLY CONTENT [[
cmake_minimum_required(VERSION 3.25)
project(tintora_libpng NONE)
include(ExternalProject)
ExternalProject_Add(libpng
  SOURCE_DIR "@_png_src@"
  PREFIX "@_png_root@"
  BINARY_DIR "@_png_root@/build"
  INSTALL_DIR "@_png_install@"
  DOWNLOAD_COMMAND ""
  UPDATE_COMMAND ""
  CMAKE_ARGS
    "-DCMAKE_TOOLCHAIN_FILE=@CMAKE_TOOLCHAIN_FILE@"
    "-DCMAKE_C_COMPILER=@CMAKE_C_COMPILER@"
    "-DCMAKE_C_FLAGS=@_png_c_flags@"
    -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_INSTALL_PREFIX=@_png_install@"
    -DPNG_SHARED=OFF
    -DPNG_STATIC=ON
    -DPNG_TESTS=OFF
    -DPNG_EXECUTABLES=OFF
    -DPNG_FRAMEWORK=OFF
    -DSKIP_INSTALL_EXECUTABLES=ON
    -DSKIP_INSTALL_PROGRAMS=ON
    -DSKIP_INSTALL_FILES=ON
    -DSKIP_INSTALL_EXPORT=ON
    -DZLIB_USE_STATIC_LIBS=ON
    "-DZLIB_INCLUDE_DIR=@ZLIB_INCLUDE_DIRS@"
    "-DZLIB_LIBRARY=@_zlib_library@"
  BUILD_BYPRODUCTS "@_png_library@")
]])

  if(NOT EXISTS "${_png_root}/superbuild.ok")
    message(STATUS "Building libpng from ${_png_src}")
  endif()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -G "${CMAKE_GENERATOR}"
            "-DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM}"
            -S "${_png_root}/superbuild" -B "${_png_root}/superbuild-build"
    OUTPUT_VARIABLE _png_out ERROR_VARIABLE _png_out
    RESULT_VARIABLE _png_rc)
  if(_png_rc EQUAL 0)
    execute_process(
      COMMAND "${CMAKE_COMMAND}" --build "${_png_root}/superbuild-build"
      OUTPUT_VARIABLE _png_out ERROR_VARIABLE _png_out
      RESULT_VARIABLE _png_rc)
  endif()
  if(NOT _png_rc EQUAL 0 OR NOT EXISTS "${_png_library}")
    message(FATAL_ERROR "Building libpng failed:\n${_png_out}")
  endif()
  file(TOUCH "${_png_root}/superbuild.ok")

  add_library(PNG::PNG STATIC IMPORTED GLOBAL)
  set_target_properties(PNG::PNG PROPERTIES
    IMPORTED_LOCATION "${_png_library}"
    INTERFACE_INCLUDE_DIRECTORIES "${_png_install}/include"
    INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)
  set(PNG_FOUND TRUE)
  set(PNG_INCLUDE_DIRS "${_png_install}/include" ${ZLIB_INCLUDE_DIRS})
  set(PNG_LIBRARIES "${_png_library}" ${ZLIB_LIBRARIES})

  # Re-run the libpng step when the recipe changes.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${TINTORA_REPO_ROOT}/scripts/fetch-libpng.sh")
endif()

# ------------------------------------------------------------ GoogleTest ---
set(TINTORA_GOOGLETEST_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source folder")
if(NOT EXISTS "${TINTORA_GOOGLETEST_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest source not found in ${TINTORA_GOOGLETEST_DIR} (Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(gtest_build_tests OFF CACHE BOOL "" FORCE)
set(gtest_build_samples OFF CACHE BOOL "" FORCE)
add_subdirectory("${TINTORA_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)

# ------------------------------------------------------------ Wine tests ---
# A Windows test runs under Wine in the environment that
#   scripts/wine-env.sh start <build folder>
# writes to <build folder>/wine-env.sh.env. scripts/wine-exec (the emulator
# set by the toolchain file) reads it; scripts of end-to-end tests source it
# through $TINTORA_WINE_ENV.
if(CMAKE_CROSSCOMPILING)
  set(TINTORA_WINE_ENV_FILE "${CMAKE_BINARY_DIR}/wine-env.sh.env")
  # The environment with two monitors at 144 DPI (scripts/wine-env.sh start <dir> displays).
  set(TINTORA_DISPLAYS_WINE_ENV_FILE "${CMAKE_BINARY_DIR}/displays/wine-env.sh.env")
  set(TINTORA_WINE_EXEC "${TINTORA_REPO_ROOT}/scripts/wine-exec")
  # Discover gtest cases when ctest runs (Wine is up then), not after linking.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  # Test properties of every test that runs under Wine. Tests that use the
  # display (windows, pointer, keys, screen pixels) take the display lock so
  # that parallel ctest never runs two of them at once.
  set(TINTORA_WINE_TEST_PROPERTIES
    ENVIRONMENT "TINTORA_WINE_ENV=${TINTORA_WINE_ENV_FILE}")
  set(TINTORA_DISPLAY_TEST_PROPERTIES
    ${TINTORA_WINE_TEST_PROPERTIES} RESOURCE_LOCK tintora_display)

  # tintora_add_e2e_test(NAME <name> COMMAND <command> [args...] [TIMEOUT <s>] [DISPLAYS])
  # An end-to-end test: a host command (script or native program) that drives
  # the real program under Wine. It finds DISPLAY and WINEPREFIX by sourcing
  # the file named by $TINTORA_WINE_ENV. DISPLAYS runs it in the environment
  # with two monitors at 144 DPI and labels it "displays".
  function(tintora_add_e2e_test)
    cmake_parse_arguments(PARSE_ARGV 0 arg "DISPLAYS" "NAME;TIMEOUT" "COMMAND")
    if(NOT arg_NAME OR NOT arg_COMMAND)
      message(FATAL_ERROR "tintora_add_e2e_test needs NAME and COMMAND")
    endif()
    if(NOT arg_TIMEOUT)
      set(arg_TIMEOUT 180)
    endif()
    add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
    if(arg_DISPLAYS)
      set_tests_properties(${arg_NAME} PROPERTIES
        ENVIRONMENT "TINTORA_WINE_ENV=${TINTORA_DISPLAYS_WINE_ENV_FILE}" RESOURCE_LOCK tintora_displays
        TIMEOUT ${arg_TIMEOUT} LABELS "e2e;displays")
    else()
      set_tests_properties(${arg_NAME} PROPERTIES
        ${TINTORA_DISPLAY_TEST_PROPERTIES} TIMEOUT ${arg_TIMEOUT} LABELS e2e)
    endif()
  endfunction()
endif()
