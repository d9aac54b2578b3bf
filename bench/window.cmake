# The real game in the real window, timed: tick intervals, screen updates,
# CPU and pauses. Run by scripts/bench-window.sh under Xvfb.
if(TARGET wf_sdl)
  add_executable(window_bench ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_link_libraries(window_bench PRIVATE wf_sdl)
endif()
