#pragma once

// The few names of the Arduino core that Adafruit_GFX.cpp uses, so that the library builds
// and draws on the host: the C library it expects, program memory that is plain memory,
// radians(), String and Print. ARDUINO is defined by the build (10819: the core of
// Arduino IDE 1.8.19), as the IDE defines it.

#include "Print.h"
#include "WString.h"
#include "avr/pgmspace.h"

#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

inline double radians(double degrees)
{
    return degrees * 0.017453292519943295769;
}
