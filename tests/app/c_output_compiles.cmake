# Writes the examples as C and Arduino tables with pixmint-cli and compiles them.
# -DCLI= -DEXAMPLES= -DWORK= -DGCC= [-DSDCC=] [-DAVR_GCC= -DAVR_OBJCOPY=]

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " line "${ARGN}")
        message(FATAL_ERROR "${line}\nstatus ${status}\n${out}${err}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# Several pictures in one header, the frames of the animation, and the committed icons.
run(${CLI} picture ${EXAMPLES}/logo-128x64.png ${EXAMPLES}/line-drawing.png
    ${EXAMPLES}/photo.jpg --lang C --output pictures.h)
run(${CLI} picture ${EXAMPLES}/bouncing-ball.gif --frames --width 32 --height 16 --lang C
    --output ball.h)
execute_process(COMMAND ${CLI} picture icons/battery.png icons/bell.png icons/heart.png
        --lang C --width 16 --height 16 --output icons.h --check
    WORKING_DIRECTORY ${EXAMPLES} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "examples/icons.h is not what its icons make: ${err}")
endif()
file(WRITE ${WORK}/main.c
    "#include \"pictures.h\"\n#include \"ball.h\"\n#include \"${EXAMPLES}/icons.h\"\n"
    "int main(void)\n{\n"
    "    return logo_128x64[0] + line_drawing[1] + photo[2] + bouncing_ball_0[3] +\n"
    "           bouncing_ball_3[4] + battery[5] + bell[6] + heart[7];\n}\n")
run(${GCC} -std=c99 -Wall -Wextra -Werror -pedantic main.c -o main)
if(SDCC)
    run(${SDCC} -mmcs51 --std-c99 -c main.c -o main.rel)
endif()

# The Arduino table of the logo, compiled for an ATmega328P: the bytes of the section
# .progmem.data are the numbers of the table.
if(AVR_GCC AND AVR_OBJCOPY)
    run(${CLI} picture ${EXAMPLES}/logo-128x64.png --lang Arduino --output logo.h)
    file(WRITE ${WORK}/sketch.c "#include \"logo.h\"\n"
        "int main(void) { return pgm_read_byte(&resim[5]); }\n")
    run(${AVR_GCC} -mmcu=atmega328p -Os -Wall -Werror -c sketch.c -o sketch.o)
    run(${AVR_OBJCOPY} -O binary -j .progmem.data sketch.o progmem.bin)
    file(READ ${WORK}/progmem.bin inFlash HEX)
    run(${CLI} picture ${EXAMPLES}/logo-128x64.png --lang C --prefix= --separator=
        --columns 1024 --output numbers.txt)
    file(STRINGS ${WORK}/numbers.txt lines)
    list(GET lines 3 numbers)
    string(STRIP "${numbers}" numbers)
    string(TOLOWER "${numbers}" numbers)
    if(NOT inFlash STREQUAL numbers)
        message(FATAL_ERROR "program memory:\n${inFlash}\nthe table:\n${numbers}")
    endif()
endif()
