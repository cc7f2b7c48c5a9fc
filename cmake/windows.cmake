# The Windows builds: real adapters, resources, a static GUI program with a Unicode entry point.
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/windows-flags.cmake)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# The release is small: unused code is dropped and symbols stripped.
add_compile_options($<$<CONFIG:MinSizeRel>:-ffunction-sections> $<$<CONFIG:MinSizeRel>:-fdata-sections>)
add_link_options($<$<CONFIG:MinSizeRel>:-Wl,--gc-sections> $<$<CONFIG:MinSizeRel>:-s>)

file(GLOB VH_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
list(FILTER VH_WIN32_SOURCES EXCLUDE REGEX ".*/WinMain\\.cpp$")
add_library(vh_win32 STATIC ${VH_WIN32_SOURCES})
target_link_libraries(vh_win32 PUBLIC vh_core
  user32 gdi32 comctl32 shell32 shlwapi advapi32 ole32 oleaut32 uuid wbemuuid wtsapi32 gdiplus)

add_executable(VarnoHotkey WIN32 platform/win32/WinMain.cpp res/VarnoHotkey.rc)
target_link_options(VarnoHotkey PRIVATE -municode)
target_link_libraries(VarnoHotkey PRIVATE vh_win32)
file(GLOB VH_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/png/[0-9]*.png)
set_source_files_properties(res/VarnoHotkey.rc PROPERTIES OBJECT_DEPENDS
  "${VH_PICTURES};${CMAKE_SOURCE_DIR}/res/VarnoHotkey.manifest;${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/icons/VarnoHotkey.ico;${CMAKE_SOURCE_DIR}/res/icons/NumLockOff.ico;${CMAKE_SOURCE_DIR}/res/icons/NumLockOn.ico")

# Test equipment: stand-ins for the vendor libraries and the companion program, and the driver
# of the end-to-end tests. Never part of the release.
add_subdirectory(testbed)

# The Setup launcher: kernel, shell and shell-utility libraries only.
if(EXISTS ${CMAKE_SOURCE_DIR}/setup/SetupLauncher.h)
  add_executable(Setup WIN32 platform/win32/setup/SetupWinMain.cpp platform/win32/setup/Win32LauncherSystem.cpp
    setup/Setup.rc)
  target_link_options(Setup PRIVATE -municode)
  target_link_libraries(Setup PRIVATE vh_setup kernel32 shell32 shlwapi)
  set_source_files_properties(setup/Setup.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/setup/Setup.manifest;${CMAKE_SOURCE_DIR}/setup/icons/Setup.ico")
endif()
