# The render suite once more with every output in an SDL window, under a
# virtual X server: proves the windowed path. Fails when no window or GL
# context can be made. Leak checking is left to the headless entries: SDL's
# D-Bus connection and the X11 GL driver keep allocations past their own
# teardown that are not ours.
find_program(XVFB_RUN xvfb-run REQUIRED)
add_test(NAME render.window
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
          env ZOL_RENDER_OUTPUT=window LSAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:render_tests>
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(render.window PROPERTIES LABELS render TIMEOUT 600)
