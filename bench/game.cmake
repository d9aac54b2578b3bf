add_executable(whole_game_bench ${CMAKE_CURRENT_LIST_DIR}/whole_game_bench.cpp)
target_link_libraries(whole_game_bench PRIVATE wf_loop benchmark::benchmark)
target_include_directories(whole_game_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
target_compile_definitions(whole_game_bench PRIVATE
  WF_DEMO_DIR="${PROJECT_SOURCE_DIR}/tests/game/demos")
