#pragma once

// Arduino's String, as far as Adafruit GFX takes one: its length and its characters.

#include <cstddef>
#include <string>

class __FlashStringHelper;
// A text in program memory (on the host: anywhere), as Arduino's F("…") marks it.
#define F(text) (reinterpret_cast<const __FlashStringHelper*>(text))

class String {
public:
    String(const char* text = "") : m_text(text) {}
    std::size_t length() const { return m_text.size(); }
    const char* c_str() const { return m_text.c_str(); }

private:
    std::string m_text;
};
