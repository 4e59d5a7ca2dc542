# Makes the manual page OUT (a .1.gz) of PROGRAM from its --help and
# --version with help2man.  A program whose help lists commands (ispyt-tool)
# gets a section COMMANDS with each command's own --help.
get_filename_component(name ${PROGRAM} NAME)
set(summary_ispyt "the pupil's workstation for computer-based tests")
set(summary_ispyt-tool "author, check and print the files of ispyt")
set(summary_ispyt-receiver "the teacher's receiver of the results ispyt sends")
get_filename_component(dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
string(REGEX REPLACE "\\.gz$" "" page ${OUT})

# Roff takes a backslash as an escape and a line starting with . or ' as a
# request: the help texts are shown as they are.
function(roff_verbatim text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(include_args)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${name} --help failed")
endif()
string(REGEX MATCH "\ncommands:\n(  [a-z][^\n]*\n)+" listed "${help}")
if(listed)
  set(sections "[COMMANDS]\n")
  string(REGEX MATCHALL "\n  [a-z][a-z-]+ " commands "${listed}")
  foreach(command ${commands})
    string(STRIP "${command}" command)
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE text
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${name} ${command} --help failed")
    endif()
    roff_verbatim("${text}" text)
    string(APPEND sections ".SS ${command}\n.nf\n${text}.fi\n")
  endforeach()
  file(WRITE ${dir}/${name}.h2m "${sections}")
  set(include_args --include ${dir}/${name}.h2m)
endif()

execute_process(
  COMMAND ${HELP2MAN} --locale C.UTF-8 --no-info --section 1 --name "${summary_${name}}" ${include_args}
          --output ${page} ${PROGRAM}
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man ${name}: ${errors}")
endif()
# -n: no name or time in the gzip header, so equal pages are equal files.
file(REMOVE ${OUT})
execute_process(COMMAND gzip -9n ${page} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip ${page} failed")
endif()
