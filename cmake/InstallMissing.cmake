# kernmine_install_missing(DESTINATION <folder> FILES <file>...)
#
# Installs each file into the folder only when no file of its name is there yet.
# The game's folder belongs to its player: a skin we once put there may have been
# changed since, and a reinstall must leave it as it is.
function(kernmine_install_missing)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "DESTINATION" "FILES")
  foreach(file IN LISTS arg_FILES)
    cmake_path(ABSOLUTE_PATH file OUTPUT_VARIABLE source)
    cmake_path(GET file FILENAME name)
    install(CODE "
      set(target \"\${CMAKE_INSTALL_PREFIX}/${arg_DESTINATION}/${name}\")
      if(EXISTS \"\$ENV{DESTDIR}\${target}\")
        message(STATUS \"Kept: \${target}\")
      else()
        file(INSTALL \"${source}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${arg_DESTINATION}\")
      endif()")
  endforeach()
endfunction()
