# Lays out the demo program folder: the static files of demo/program are
# copied as they are; tests are compiled from their sources by ispyt-tool:
# demo/tests/<set>/<test>.txt becomes Base/<set>/<test>/test.txt, with the
# pictures the source names, and a bank of GIFT questions <test>.gift is
# imported the same way (every question of it must become a task); the
# sounds of Sound/ are made by ispyt-demo-sounds.  A fixed seed keeps the
# folder the same from build to build.
file(REMOVE_RECURSE ${DST})
file(MAKE_DIRECTORY ${DST}/Base)
file(COPY ${SRC}/ DESTINATION ${DST})

# One test of the demo from its source; a failure stops the build with
# what ispyt-tool said.
function(make_demo_test name)
  execute_process(COMMAND ${TOOL} ${ARGN} --seed 1
                  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "demo test ${name}: ${errors}")
  endif()
endfunction()

get_filename_component(DEMO ${SRC} DIRECTORY)
file(GLOB SETS LIST_DIRECTORIES true ${DEMO}/tests/*)
foreach(set_dir ${SETS})
  if(NOT IS_DIRECTORY ${set_dir})
    continue()
  endif()
  get_filename_component(set ${set_dir} NAME)
  file(GLOB sources ${set_dir}/*.txt)
  foreach(source ${sources})
    get_filename_component(test ${source} NAME_WLE)
    make_demo_test(${set}/${test} make-test ${source} -o ${DST}/Base/${set}/${test})
  endforeach()
  file(GLOB banks ${set_dir}/*.gift)
  foreach(bank ${banks})
    get_filename_component(test ${bank} NAME_WLE)
    make_demo_test(${set}/${test} import-gift ${bank} -o ${DST}/Base/${set}/${test} --strict)
  endforeach()
endforeach()

execute_process(COMMAND ${SOUNDS} ${DST}/Sound RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "demo sounds: ${errors}")
endif()
