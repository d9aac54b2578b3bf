# wf_embed(<target> <symbol> <file>)
# Builds <file> into <target> as `extern const unsigned char <symbol>[]` and
# `extern const std::size_t <symbol>_size`, declared in namespace `embedded`.
# The game reads no files at run time: pictures and fonts arrive this way.
function(wf_embed target symbol file)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYMBOL=${symbol}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
