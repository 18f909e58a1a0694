# qlr_windows_program(TARGET ICON_KIND MANIFEST_NAME DESCRIPTION VERSION RC_TEMPLATE SOURCES...)
# A GUI program of the kit: its icon drawn at build time, its manifest and its resource script.
function(qlr_windows_program target icon_kind manifest_name description version rc_template)
  set(QLR_MANIFEST_NAME ${manifest_name})
  set(QLR_MANIFEST_DESCRIPTION ${description})
  set(QLR_MANIFEST_VERSION ${version})
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  configure_file(${PROJECT_SOURCE_DIR}/win32/app.manifest.in ${out}/${target}.manifest @ONLY)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_custom_command(
    OUTPUT ${out}/${target}.ico
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/art/make_icon.py ${icon_kind} ${out}/${target}.ico
    DEPENDS ${PROJECT_SOURCE_DIR}/art/make_icon.py
    COMMENT "Drawing the ${target} icon")
  set(QLR_ICON ${out}/${target}.ico)
  set(QLR_MANIFEST ${out}/${target}.manifest)
  configure_file(${rc_template} ${out}/${target}.rc @ONLY)
  set_source_files_properties(${out}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${out}/${target}.ico;${out}/${target}.manifest")
  add_executable(${target} WIN32 ${ARGN} ${out}/${target}.rc)
  target_link_libraries(${target} PRIVATE qlr_win32)
  # The oldest Windows the program runs on, as the PE header tells the system: XP (5.1), and for
  # a 64-bit program XP x64 and Server 2003 (5.2). Older systems refuse it with their own message
  # instead of failing on a function they lack (tests/kit/imports_test.py checks both).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(minor 2)
  else()
    set(minor 1)
  endif()
  target_link_options(${target} PRIVATE -Wl,--major-os-version,5 -Wl,--minor-os-version,${minor}
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,${minor})
  # The version the log of a run started with switches names.
  target_compile_definitions(${target} PRIVATE QLR_PROGRAM_VERSION="${version}")
  if(QLR_LEAN_RUNTIME)  # cmake/lean-runtime.cmake
    target_sources(${target} PRIVATE
      ${PROJECT_SOURCE_DIR}/win32/QuietTerminate.cpp
      ${PROJECT_SOURCE_DIR}/win32/LeanLibraryErrors.cpp
      ${PROJECT_SOURCE_DIR}/win32/RuntimeThreadPrimitives.cpp)
  endif()
endfunction()
