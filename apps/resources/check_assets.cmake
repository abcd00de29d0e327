# Makes the icon and the click sound again into a scratch folder and fails when they differ from
# the files kept beside this script: the kept files must be what generate_assets.cpp makes.
#   cmake -DGENERATOR=<generate-assets> -DKEPT=<this folder> -DSCRATCH=<folder> -P check_assets.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generate-assets failed: ${status}")
endif()
foreach(name drelm-idle.ico add1.wav)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SCRATCH}/${name}" "${KEPT}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} differs from what generate-assets makes; run "
                        "generate-assets ${KEPT} and commit the result")
  endif()
endforeach()
