#pragma once

// The program-memory names of avr-libc for a host build: on the host there is one memory,
// so PROGMEM places nothing and every pgm_read_* reads the address as it is. Included by
// the Arduino tables that pixmint-cli writes and by the Arduino stand-in. pgm_read_dword
// reads 32 bits, as on the AVR: Adafruit GFX reads its font's pointers with it only when
// built for the AVR, and takes them as they are elsewhere.

#include <stdint.h>
#include <string.h>

#define PROGMEM
#define PGM_P const char*
#define PSTR(text) (text)

#ifdef __cplusplus
#define PIXMINT_PGM_READ(type, address) \
    (*static_cast<const type*>(static_cast<const void*>(address)))
#else
#define PIXMINT_PGM_READ(type, address) (*(const type*)(address))
#endif

#define pgm_read_byte(address) PIXMINT_PGM_READ(uint8_t, address)
#define pgm_read_byte_near(address) PIXMINT_PGM_READ(uint8_t, address)
#define pgm_read_word(address) PIXMINT_PGM_READ(uint16_t, address)
#define pgm_read_dword(address) PIXMINT_PGM_READ(uint32_t, address)
#define pgm_read_ptr(address) PIXMINT_PGM_READ(void* const, address)
#define memcpy_P memcpy
#define strlen_P strlen
