#pragma once

// Arduino's Print, as far as Adafruit GFX's text needs it: every print and write ends in
// the one write(uint8_t) that the canvas gives, a byte at a time, as on the board.

#include "WString.h"
#include "avr/pgmspace.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

class Print {
public:
    virtual ~Print() = default;

    virtual std::size_t write(std::uint8_t c) = 0;
    virtual std::size_t write(const std::uint8_t* bytes, std::size_t size)
    {
        std::size_t written = 0;
        for (std::size_t i = 0; i < size; ++i)
            written += write(bytes[i]);
        return written;
    }
    std::size_t write(const char* text)
    {
        return write(reinterpret_cast<const std::uint8_t*>(text), std::strlen(text));
    }

    std::size_t print(const char* text) { return write(text); }
    std::size_t print(char c) { return write(static_cast<std::uint8_t>(c)); }
    std::size_t print(const String& text) { return write(text.c_str()); }
    std::size_t print(const __FlashStringHelper* text)
    {
        const char* next = reinterpret_cast<const char*>(text);
        std::size_t written = 0;
        while (const std::uint8_t c = pgm_read_byte(next++))
            written += write(c);
        return written;
    }
    std::size_t println() { return write("\r\n"); }
    std::size_t println(const char* text) { return print(text) + println(); }
};
