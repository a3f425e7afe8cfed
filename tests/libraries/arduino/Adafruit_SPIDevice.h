#pragma once

// Adafruit_GFX.h includes the bus classes of Adafruit BusIO, which a canvas never uses.
