# Compiles one ABC tune (SRC) into a MIDI file (DST) with abc2midi (ABC2MIDI).
# abc2midi reports mistakes in the notation but still exits with 0, so its
# messages are read: any error or warning fails the build, and the file is
# written aside first so a failed run never leaves a half-made tune behind.
foreach(var ABC2MIDI SRC DST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "abc2mid.cmake: ${var} is not set")
  endif()
endforeach()

get_filename_component(dir ${DST} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
set(tmp ${DST}.part)
file(REMOVE ${tmp})
execute_process(COMMAND ${ABC2MIDI} ${SRC} -o ${tmp}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "Error|Warning|error|warning" OR NOT EXISTS ${tmp})
  file(REMOVE ${tmp})
  message(FATAL_ERROR "abc2midi could not compile ${SRC}:\n${out}")
endif()
file(RENAME ${tmp} ${DST})
