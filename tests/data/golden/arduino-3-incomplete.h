//C:\logo.bmp
#include <avr/pgmspace.h>
const uint8_t PROGMEM resim[]={
		0x00,0x7F,0xFF,
		0x18
};
