# Writes fonts with pixmint-cli font in every format and builds the texts: the C texts with
# gcc (C99, every warning an error; the GFX font against Adafruit's own gfxfont.h) and sdcc,
# the Arduino texts with avr-gcc for an ATmega328P (whose program memory then holds the
# cells' numbers, byte for byte), the Asm texts (Dt and Retlw) with gpasm. Each compiler
# that is not installed is left out.
# -DCLI= -DFONTS= -DGFXFONT=dir -DWORK= -DGCC= [-DSDCC=] [-DAVR_GCC= -DAVR_OBJCOPY=] [-DGPASM=]

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

# One text a format and language: the misc-fixed 5×7 in cells, DejaVu Sans Mono in widths
# and as a GFX font, all with the Turkish characters.
function(font_text name language)
    run(${CLI} font ${ARGN} --charset cp1254 --lang ${language} --name ${name}
        --output ${name}.h)
endfunction()
foreach(language IN ITEMS C Arduino)
    string(TOLOWER ${language} prefix)
    font_text(${prefix}_cells ${language} ${FONTS}/5x7.pcf.gz --format cells)
    font_text(${prefix}_widths ${language} ${FONTS}/DejaVuSansMono.ttf --size 12
        --format widths --layout rows-msb-left)
    font_text(${prefix}_gfx ${language} ${FONTS}/DejaVuSansMono.ttf --size 16 --format gfx)
endforeach()

file(WRITE ${WORK}/main.c
    "#include \"c_cells.h\"\n#include \"c_widths.h\"\n#include \"c_gfx.h\"\n"
    "int main(void)\n{\n"
    "    return c_cells[0] + c_widths[1] + c_gfx.yAdvance + c_gfxGlyphs[1].width +\n"
    "           c_gfx.bitmap[2];\n}\n")
run(${GCC} -std=c99 -Wall -Wextra -Werror -pedantic -I${GFXFONT} main.c -o main)
if(SDCC)
    run(${SDCC} -mmcs51 --std-c99 -I${GFXFONT} -c main.c -o main.rel)
endif()

if(AVR_GCC AND AVR_OBJCOPY)
    # What the GFX text needs of Adafruit_GFX.h: the font's types and program memory.
    file(WRITE ${WORK}/Adafruit_GFX.h
        "#include <avr/pgmspace.h>\n#include <stdint.h>\n#include \"gfxfont.h\"\n")
    file(WRITE ${WORK}/sketch.c
        "#include \"arduino_cells.h\"\n#include \"arduino_widths.h\"\n"
        "#include \"arduino_gfx.h\"\n"
        "int main(void)\n{\n"
        "    return pgm_read_byte(&arduino_cells[5]) + pgm_read_byte(&arduino_widths[1]) +\n"
        "           pgm_read_byte(&arduino_gfx.yAdvance);\n}\n")
    run(${AVR_GCC} -mmcu=atmega328p -Os -Wall -Werror -I${WORK} -I${GFXFONT} -c sketch.c
        -o sketch.o)
    file(WRITE ${WORK}/cells.c "#include \"arduino_cells.h\"\n"
        "int main(void) { return pgm_read_byte(&arduino_cells[5]); }\n")
    run(${AVR_GCC} -mmcu=atmega328p -Os -Wall -Werror -c cells.c -o cells.o)
    run(${AVR_OBJCOPY} -O binary -j .progmem.data cells.o progmem.bin)
    file(READ ${WORK}/progmem.bin inFlash HEX)
    # The numbers of the text once its comments are gone (they name the characters, "[" too,
    # which a CMake list would not split at).
    file(READ ${WORK}/arduino_cells.h text)
    string(REGEX REPLACE "//[^\n]*" "" text "${text}")
    string(REGEX MATCHALL "0x[0-9A-F][0-9A-F]" numbers "${text}")
    string(REPLACE "0x" "" numbers "${numbers}")
    string(REPLACE ";" "" numbers "${numbers}")
    string(TOLOWER "${numbers}" numbers)
    if(NOT inFlash STREQUAL numbers OR numbers STREQUAL "")
        message(FATAL_ERROR "program memory:\n${inFlash}\nthe table:\n${numbers}")
    endif()
endif()

if(GPASM)
    run(${CLI} font ${FONTS}/5x7.pcf.gz --charset cp1254 --lang Asm --name dt_cells
        --output dt_cells.inc)
    run(${CLI} font ${FONTS}/DejaVuSansMono.ttf --size 10 --charset cp1254 --format widths
        --lang Asm --command Retlw --name retlw_widths --output retlw_widths.inc)
    file(WRITE ${WORK}/main.asm
        "\tprocessor 16f877a\n\tradix dec\n\torg 0\n"
        "\tinclude \"dt_cells.inc\"\n\tinclude \"retlw_widths.inc\"\n\tend\n")
    run(${GPASM} main.asm)
endif()
