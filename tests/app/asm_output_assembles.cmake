# Writes pictures as Asm text with pixmint-cli, a Dt table and a named Retlw table, and
# assembles them with gpasm for a PIC16F877A: gpasm takes both without a word, and the
# program memory holds one retlw for every number of the two tables, in their order.
# The source sets `radix dec`, so a number is hexadecimal only because of its "0X".
# -DCLI= -DEXAMPLES= -DWORK= -DGPASM=

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
        string(REPLACE ";" " " line "${ARGN}")
        message(FATAL_ERROR "${line}\nstatus ${status}\n${out}${err}")
    endif()
endfunction()

# The numbers of an Asm text, in order, without those of its comment line.
function(table_numbers file variable)
    file(STRINGS ${file} lines)
    set(numbers)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^;")
            string(REGEX MATCHALL "0X[0-9A-F][0-9A-F]" found "${line}")
            string(REPLACE "0X" "" found "${found}")
            list(APPEND numbers ${found})
        endif()
    endforeach()
    set(${variable} ${numbers} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

run(${CLI} picture ${EXAMPLES}/logo-128x64.png --lang Asm --output dt.inc)
# 37 × 21 in pages: 111 numbers, so the last line is a short one.
execute_process(COMMAND ${CLI} picture ${EXAMPLES}/line-drawing.png --lang Asm --command Retlw
        --width 37 --height 21 --name line_drawing --output retlw.inc
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the Retlw table was not written: ${err}")
endif()
file(WRITE ${WORK}/main.asm
    "\tprocessor 16f877a\n\tradix dec\n\torg 0\nlogo\n"
    "\tinclude \"dt.inc\"\n\tinclude \"retlw.inc\"\n\tend\n")
run(${GPASM} main.asm)

table_numbers(${WORK}/dt.inc dt)
table_numbers(${WORK}/retlw.inc retlw)
list(LENGTH dt dtCount)
list(LENGTH retlw retlwCount)
if(NOT dtCount EQUAL 1024 OR NOT retlwCount EQUAL 111)
    message(FATAL_ERROR "the tables hold ${dtCount} and ${retlwCount} numbers")
endif()

# Program memory from the Intel HEX file, from word 0 on: each word is low byte, high byte;
# retlw k is 34 k. (Without NO_HEX_CONVERSION, file(STRINGS) turns a .hex file into its
# binary contents.)
file(STRINGS ${WORK}/main.hex records NO_HEX_CONVERSION)
set(program)
foreach(record IN LISTS records)
    string(SUBSTRING "${record}" 1 2 count)
    string(SUBSTRING "${record}" 3 4 address)
    string(SUBSTRING "${record}" 7 2 type)
    if(type STREQUAL "00" AND address STRLESS "4000")
        list(LENGTH program written)
        math(EXPR expected "${written} * 2" OUTPUT_FORMAT HEXADECIMAL)
        math(EXPR start "0x${address}" OUTPUT_FORMAT HEXADECIMAL)
        if(NOT start STREQUAL expected)
            message(FATAL_ERROR "program memory has a gap before ${address}: ${record}")
        endif()
        math(EXPR length "0x${count} * 2")
        string(SUBSTRING "${record}" 9 ${length} data)
        string(REGEX MATCHALL "...." words "${data}")
        foreach(word IN LISTS words)
            string(SUBSTRING "${word}" 0 2 low)
            string(SUBSTRING "${word}" 2 2 high)
            if(NOT high STREQUAL "34")
                message(FATAL_ERROR "word ${written} is ${high}${low}, no retlw: ${record}")
            endif()
            list(APPEND program ${low})
        endforeach()
    endif()
endforeach()
set(tables ${dt} ${retlw})
if(NOT program STREQUAL tables)
    message(FATAL_ERROR "program memory:\n${program}\nthe tables:\n${tables}")
endif()
