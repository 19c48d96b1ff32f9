# GoogleTest for both builds, and the helpers that register tests.
#
#   discfront_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [GUI] [COM])
#
# COM (Windows only): the test program starts COM in its entry point, as a program
# that decodes pictures must.
#
# In the Windows build every test runs under Wine inside the build tree's Wine
# session (a CTest fixture starts it once and stops it at the end); GUI tests
# share one desktop and so never run at the same time.
if(DISCFRONT_WINDOWS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

  add_test(NAME wine_session_start
           COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" start "${DISCFRONT_WINE_DIR}")
  add_test(NAME wine_session_stop
           COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" stop "${DISCFRONT_WINE_DIR}")
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 180)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
  # Sessions whose display has a higher resolution (a prefix each), for the tests of
  # how the programs scale: see discfront_scale_test.
  foreach(dpi 144 192)
    add_test(NAME wine_session_${dpi}_start
             COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" start "${DISCFRONT_WINE_DIR}-${dpi}" ${dpi})
    add_test(NAME wine_session_${dpi}_stop
             COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" stop "${DISCFRONT_WINE_DIR}-${dpi}")
    set_tests_properties(wine_session_${dpi}_start PROPERTIES FIXTURES_SETUP wine_session_${dpi} TIMEOUT 180)
    set_tests_properties(wine_session_${dpi}_stop PROPERTIES FIXTURES_CLEANUP wine_session_${dpi})
  endforeach()
  # And one at 96 dpi whose message font is 18 points (text made larger, the display not).
  add_test(NAME wine_session_text18_start
           COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" start "${DISCFRONT_WINE_DIR}-text18" 96 18)
  add_test(NAME wine_session_text18_stop
           COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" stop "${DISCFRONT_WINE_DIR}-text18")
  set_tests_properties(wine_session_text18_start PROPERTIES FIXTURES_SETUP wine_session_text18 TIMEOUT 180)
  set_tests_properties(wine_session_text18_stop PROPERTIES FIXTURES_CLEANUP wine_session_text18)
else()
  find_package(GTest REQUIRED)
endif()

function(discfront_test name)
  cmake_parse_arguments(T "GUI;COM" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_COM)
    # Its own entry point, which starts COM as the programs' entry points do.
    add_executable(${name} ${T_SOURCES} "${PROJECT_SOURCE_DIR}/tests/com_test_main.cpp")
    target_link_libraries(${name} PRIVATE ${T_LIBS} win32 GTest::gtest discfront_warnings)
  else()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest discfront_warnings)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(DISCFRONT_WINDOWS)
    # Wine takes the user's interface language from the locale: the programs' tests run
    # in a Russian environment, and those of other languages set their programs' own.
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session
                         ENVIRONMENT "LANG=ru_RU.UTF-8;LC_ALL=ru_RU.UTF-8")
    if(T_GUI)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
    endif()
  endif()
endfunction()

# discfront_scale_test(NAME [TEXT]): the GUI test program NAME (made by discfront_test,
# which runs it at 96 dpi) run again as NAME_144 and NAME_192 in the sessions at those
# resolutions; DISCFRONT_TEST_DPI tells it which one it is in. With TEXT, also as
# NAME_text18 in the session of the larger message font.
function(discfront_scale_test name)
  cmake_parse_arguments(S "TEXT" "" "" ${ARGN})
  set(sessions 144 192)
  if(S_TEXT)
    list(APPEND sessions text18)
  endif()
  foreach(session IN LISTS sessions)
    set(dpi ${session})
    if(session STREQUAL "text18")
      set(dpi 96)
    endif()
    add_test(NAME ${name}_${session}
             COMMAND "${PROJECT_SOURCE_DIR}/tools/wine-session.sh" run "${DISCFRONT_WINE_DIR}-${session}" $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_${session} PROPERTIES FIXTURES_REQUIRED wine_session_${session} TIMEOUT 300
                         ENVIRONMENT "DISCFRONT_TEST_DPI=${dpi};LANG=ru_RU.UTF-8;LC_ALL=ru_RU.UTF-8")
  endforeach()
endfunction()
