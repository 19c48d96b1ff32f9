# Windows build: Unicode Win32 programs, statically linked so that each .exe needs
# nothing but the DLLs that come with Windows.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE MinSizeRel CACHE STRING "" FORCE)
endif()
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL "${CMAKE_EXE_LINKER_FLAGS_MINSIZEREL} -s")
enable_language(RC)

# A program of the product: a GUI subsystem executable with the project's warnings.
function(discfront_program target)
  add_executable(${target} WIN32 ${ARGN} "${PROJECT_SOURCE_DIR}/win32/quiet_terminate.cpp")
  target_link_libraries(${target} PRIVATE discfront_warnings)
  target_link_options(${target} PRIVATE -municode)
  discfront_link_map(${target})
endfunction()

# The linker's map of a program, build/<tree>/maps/TARGET.map: which library parts it
# took in, for tools/check-linked-libraries.sh.
function(discfront_link_map target)
  target_link_options(${target} PRIVATE "-Wl,-Map=${CMAKE_BINARY_DIR}/maps/${target}.map")
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/maps")
endfunction()

# Test programs run under Wine with the build tree's own prefix and a virtual display.
set(DISCFRONT_WINE_DIR "${CMAKE_BINARY_DIR}/wine")
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/wine-session.sh;run;${DISCFRONT_WINE_DIR}")
