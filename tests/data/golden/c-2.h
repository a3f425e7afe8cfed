//C:\logo.bmp
#include <stdint.h>
const uint8_t resim[]={
		0x00,0x7F,
		0xFF,0x18,
};
