# kernmine_embed(<target> <function> <files>...)
# Compiles the files into <target> and generates
#   std::span<const unsigned char> <function>(std::string_view fileName);
# which returns a file's bytes by its name (without folders), or an empty span.
set(KERNMINE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedFiles.cmake)

function(kernmine_embed target function)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${function}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DFUNCTION=${function} "-DFILES=${ARGN}"
            -P ${KERNMINE_EMBED_SCRIPT}
    DEPENDS ${ARGN} ${KERNMINE_EMBED_SCRIPT}
    COMMENT "Embedding ${function}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
