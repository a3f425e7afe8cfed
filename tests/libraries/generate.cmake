# Runs pixmint-cli at build time: CLI with the arguments ARGS (a list) and --output OUTPUT.
# The build fails with the tool's messages when the tool fails; its notes on success (such as
# the short last line of a table) stay out of the build's output.
# -DCLI= -DOUTPUT= -DARGS=

get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${CLI} ${ARGS} --output ${OUTPUT}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    string(REPLACE ";" " " line "${ARGS}")
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "pixmint-cli ${line} --output ${OUTPUT}\nstatus ${status}\n${out}${err}")
endif()
