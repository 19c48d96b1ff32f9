# Small Windows program files for the program reader's tests and fuzz seeds, built with
# both mingw-w64 compilers from tests/disc/programs: each does nothing but return.
#
#   discfront_program_samples(TARGET DIR)  builds into DIR:
#     x86-gui.exe (asInvoker manifest), x86-console.exe (requireAdministrator),
#     x64-gui.exe (highestAvailable), x64-console.exe (no manifest),
#     x86-gui-manifest2.exe (requireAdministrator, numbered 2: a manifest the loader does not read),
#     truncated.exe (x86-gui.exe cut short), text.exe (a text file),
#     version.exe and product.exe (x86, with the version resources of version.rc and product.rc)
function(discfront_program_samples target dir)
  set(src "${PROJECT_SOURCE_DIR}/tests/disc/programs")
  set(obj "${dir}-obj")  # resource scripts and objects, kept out of the fuzz seeds
  set(outputs)
  foreach(sample "x86;i686;gui;asInvoker" "x86;i686;console;requireAdministrator"
               "x64;x86_64;gui;highestAvailable" "x64;x86_64;console;" "x86;i686;gui;requireAdministrator;2")
    list(GET sample 0 arch)
    list(GET sample 1 cpu)
    list(GET sample 2 kind)
    list(GET sample 3 level)
    set(number 1)
    set(suffix)
    list(LENGTH sample fields)
    if(fields GREATER 4)
      list(GET sample 4 number)
      set(suffix "-manifest${number}")
    endif()
    set(prefix ${cpu}-w64-mingw32)
    find_program(${cpu}_samples_cc NAMES ${prefix}-gcc-posix ${prefix}-gcc REQUIRED)
    find_program(${cpu}_samples_rc NAMES ${prefix}-windres REQUIRED)
    set(exe "${dir}/${arch}-${kind}${suffix}.exe")
    set(entry entry)
    if(cpu STREQUAL "i686")
      set(entry _entry)  # 32-bit C names carry an underscore
    endif()
    set(flags -Os -s -nostdlib -Wl,--entry=${entry})
    if(kind STREQUAL "gui")
      list(APPEND flags -mwindows)
    endif()
    set(resource)
    set(commands COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}")
    set(depends "${src}/entry.c")
    if(level)
      list(APPEND depends "${src}/${level}.manifest")
      set(resource "${obj}/${arch}-${kind}${suffix}.res.o")
      file(WRITE "${obj}/${arch}-${kind}${suffix}.rc" "${number} 24 \"${src}/${level}.manifest\"\n")
      list(APPEND commands COMMAND ${${cpu}_samples_rc} "${obj}/${arch}-${kind}${suffix}.rc" -O coff -o "${resource}")
    endif()
    add_custom_command(OUTPUT "${exe}" ${commands}
      COMMAND ${${cpu}_samples_cc} ${flags} "${src}/entry.c" ${resource} -o "${exe}"
      DEPENDS ${depends} VERBATIM)
    list(APPEND outputs "${exe}")
  endforeach()
  foreach(sample version product)
    set(resource "${obj}/${sample}.res.o")
    add_custom_command(OUTPUT "${dir}/${sample}.exe"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${dir}" "${obj}"
      COMMAND ${i686_samples_rc} "${src}/${sample}.rc" -O coff -o "${resource}"
      COMMAND ${i686_samples_cc} -Os -s -nostdlib -Wl,--entry=_entry "${src}/entry.c" "${resource}" -o "${dir}/${sample}.exe"
      DEPENDS "${src}/entry.c" "${src}/${sample}.rc" VERBATIM)
    list(APPEND outputs "${dir}/${sample}.exe")
  endforeach()
  add_custom_command(OUTPUT "${dir}/truncated.exe" "${dir}/text.exe"
    COMMAND ${CMAKE_COMMAND} -E copy "${dir}/x86-gui.exe" "${dir}/truncated.exe"
    COMMAND truncate -s 1536 "${dir}/truncated.exe"
    COMMAND ${CMAKE_COMMAND} -E copy "${src}/entry.c" "${dir}/text.exe"
    DEPENDS "${dir}/x86-gui.exe" "${src}/entry.c" VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs} "${dir}/truncated.exe" "${dir}/text.exe")
endfunction()
