;--------------------------------------------------------
; File Created by SDCC : free open source ANSI-C Compiler
; Version 4.2.0 #13081 (Linux)
;--------------------------------------------------------
	.module font_parts
	.optsdcc -mmcs51 --model-small
	
;--------------------------------------------------------
; Public variables in this module
;--------------------------------------------------------
	.globl _segments
	.globl _font_part3
	.globl _font_part2
	.globl _font_part1
	.globl _main
	.globl _segment
	.globl _glyph_column
	.globl _glyph_column_PARM_2
;--------------------------------------------------------
; special function registers
;--------------------------------------------------------
	.area RSEG    (ABS,DATA)
	.org 0x0000
;--------------------------------------------------------
; special function bits
;--------------------------------------------------------
	.area RSEG    (ABS,DATA)
	.org 0x0000
;--------------------------------------------------------
; overlayable register banks
;--------------------------------------------------------
	.area REG_BANK_0	(REL,OVR,DATA)
	.ds 8
;--------------------------------------------------------
; internal ram data
;--------------------------------------------------------
	.area DSEG    (DATA)
_glyph_column_PARM_2:
	.ds 1
;--------------------------------------------------------
; overlayable items in internal ram
;--------------------------------------------------------
	.area	OSEG    (OVR,DATA)
;--------------------------------------------------------
; Stack segment in internal ram
;--------------------------------------------------------
	.area	SSEG
__start__stack:
	.ds	1

;--------------------------------------------------------
; indirectly addressable internal ram data
;--------------------------------------------------------
	.area ISEG    (DATA)
;--------------------------------------------------------
; absolute internal ram data
;--------------------------------------------------------
	.area IABS    (ABS,DATA)
	.area IABS    (ABS,DATA)
;--------------------------------------------------------
; bit data
;--------------------------------------------------------
	.area BSEG    (BIT)
;--------------------------------------------------------
; paged external ram data
;--------------------------------------------------------
	.area PSEG    (PAG,XDATA)
;--------------------------------------------------------
; external ram data
;--------------------------------------------------------
	.area XSEG    (XDATA)
;--------------------------------------------------------
; absolute external ram data
;--------------------------------------------------------
	.area XABS    (ABS,XDATA)
;--------------------------------------------------------
; external initialized ram data
;--------------------------------------------------------
	.area XISEG   (XDATA)
	.area HOME    (CODE)
	.area GSINIT0 (CODE)
	.area GSINIT1 (CODE)
	.area GSINIT2 (CODE)
	.area GSINIT3 (CODE)
	.area GSINIT4 (CODE)
	.area GSINIT5 (CODE)
	.area GSINIT  (CODE)
	.area GSFINAL (CODE)
	.area CSEG    (CODE)
;--------------------------------------------------------
; interrupt vector
;--------------------------------------------------------
	.area HOME    (CODE)
__interrupt_vect:
	ljmp	__sdcc_gsinit_startup
;--------------------------------------------------------
; global & static initialisations
;--------------------------------------------------------
	.area HOME    (CODE)
	.area GSINIT  (CODE)
	.area GSFINAL (CODE)
	.area GSINIT  (CODE)
	.globl __sdcc_gsinit_startup
	.globl __sdcc_program_startup
	.globl __start__stack
	.globl __mcs51_genXINIT
	.globl __mcs51_genXRAMCLEAR
	.globl __mcs51_genRAMCLEAR
	.area GSFINAL (CODE)
	ljmp	__sdcc_program_startup
;--------------------------------------------------------
; Home
;--------------------------------------------------------
	.area HOME    (CODE)
	.area HOME    (CODE)
__sdcc_program_startup:
	ljmp	_main
;	return from main will return to caller
;--------------------------------------------------------
; code
;--------------------------------------------------------
	.area CSEG    (CODE)
;------------------------------------------------------------
;Allocation info for local variables in function 'glyph_column'
;------------------------------------------------------------
;column                    Allocated with name '_glyph_column_PARM_2'
;c                         Allocated to registers r7 
;at                        Allocated to registers r5 r6 
;------------------------------------------------------------
;	font_parts.c:113: unsigned char glyph_column(unsigned char c, unsigned char column)
;	-----------------------------------------
;	 function glyph_column
;	-----------------------------------------
_glyph_column:
	ar7 = 0x07
	ar6 = 0x06
	ar5 = 0x05
	ar4 = 0x04
	ar3 = 0x03
	ar2 = 0x02
	ar1 = 0x01
	ar0 = 0x00
	mov	r7,dpl
;	font_parts.c:115: unsigned int at = (unsigned int)(c - 0x20) * 5 + column;
	mov	ar5,r7
	mov	r6,#0x00
	mov	a,r5
	add	a,#0xe0
	mov	r5,a
	mov	a,r6
	addc	a,#0xff
	mov	r6,a
	mov	__mulint_PARM_2,r5
	mov	(__mulint_PARM_2 + 1),r6
	mov	dptr,#0x0005
	push	ar7
	lcall	__mulint
	mov	r5,dpl
	mov	r6,dph
	pop	ar7
	mov	r3,_glyph_column_PARM_2
	mov	r4,#0x00
	mov	a,r3
	add	a,r5
	mov	r5,a
	mov	a,r4
	addc	a,r6
	mov	r6,a
;	font_parts.c:116: if (c < 0x40)
	cjne	r7,#0x40,00115$
00115$:
	jnc	00102$
;	font_parts.c:117: return font_part1[at];
	mov	a,r5
	add	a,#_font_part1
	mov	dpl,a
	mov	a,r6
	addc	a,#(_font_part1 >> 8)
	mov	dph,a
	clr	a
	movc	a,@a+dptr
	mov	dpl,a
	ret
00102$:
;	font_parts.c:118: if (c < 0x60)
	cjne	r7,#0x60,00117$
00117$:
	jnc	00104$
;	font_parts.c:119: return font_part2[at - 160];
	mov	a,r5
	add	a,#0x60
	mov	r4,a
	mov	a,r6
	addc	a,#0xff
	mov	r7,a
	mov	a,r4
	add	a,#_font_part2
	mov	dpl,a
	mov	a,r7
	addc	a,#(_font_part2 >> 8)
	mov	dph,a
	clr	a
	movc	a,@a+dptr
	mov	dpl,a
	ret
00104$:
;	font_parts.c:120: return font_part3[at - 320];
	mov	a,r5
	add	a,#0xc0
	mov	r5,a
	mov	a,r6
	addc	a,#0xfe
	mov	r6,a
	mov	a,r5
	add	a,#_font_part3
	mov	dpl,a
	mov	a,r6
	addc	a,#(_font_part3 >> 8)
	mov	dph,a
	clr	a
	movc	a,@a+dptr
;	font_parts.c:121: }
	mov	dpl,a
	ret
;------------------------------------------------------------
;Allocation info for local variables in function 'segment'
;------------------------------------------------------------
;digit                     Allocated to registers r7 
;------------------------------------------------------------
;	font_parts.c:123: unsigned char segment(unsigned char digit)
;	-----------------------------------------
;	 function segment
;	-----------------------------------------
_segment:
;	font_parts.c:125: return segments[digit];
	mov	a,dpl
	mov	dptr,#_segments
	movc	a,@a+dptr
;	font_parts.c:126: }
	mov	dpl,a
	ret
;------------------------------------------------------------
;Allocation info for local variables in function 'main'
;------------------------------------------------------------
;	font_parts.c:128: void main(void)
;	-----------------------------------------
;	 function main
;	-----------------------------------------
_main:
;	font_parts.c:130: }
	ret
	.area CSEG    (CODE)
	.area CONST   (CODE)
_font_part1:
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x2f	; 47
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x07	; 7
	.db #0x00	; 0
	.db #0x07	; 7
	.db #0x00	; 0
	.db #0x14	; 20
	.db #0x3e	; 62
	.db #0x14	; 20
	.db #0x3e	; 62
	.db #0x14	; 20
	.db #0x04	; 4
	.db #0x2a	; 42
	.db #0x3e	; 62
	.db #0x2a	; 42
	.db #0x10	; 16
	.db #0x13	; 19
	.db #0x08	; 8
	.db #0x04	; 4
	.db #0x32	; 50	'2'
	.db #0x00	; 0
	.db #0x14	; 20
	.db #0x2a	; 42
	.db #0x14	; 20
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x07	; 7
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x21	; 33
	.db #0x1e	; 30
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x2a	; 42
	.db #0x1c	; 28
	.db #0x2a	; 42
	.db #0x00	; 0
	.db #0x08	; 8
	.db #0x08	; 8
	.db #0x3e	; 62
	.db #0x08	; 8
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x40	; 64
	.db #0x30	; 48	'0'
	.db #0x10	; 16
	.db #0x00	; 0
	.db #0x08	; 8
	.db #0x08	; 8
	.db #0x08	; 8
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x30	; 48	'0'
	.db #0x30	; 48	'0'
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x10	; 16
	.db #0x08	; 8
	.db #0x04	; 4
	.db #0x02	; 2
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x1e	; 30
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x22	; 34
	.db #0x3f	; 63
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x22	; 34
	.db #0x31	; 49	'1'
	.db #0x29	; 41
	.db #0x26	; 38
	.db #0x00	; 0
	.db #0x11	; 17
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x1b	; 27
	.db #0x00	; 0
	.db #0x0c	; 12
	.db #0x0a	; 10
	.db #0x3f	; 63
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x17	; 23
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x19	; 25
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x18	; 24
	.db #0x00	; 0
	.db #0x01	; 1
	.db #0x31	; 49	'1'
	.db #0x0d	; 13
	.db #0x03	; 3
	.db #0x00	; 0
	.db #0x1a	; 26
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x1a	; 26
	.db #0x00	; 0
	.db #0x06	; 6
	.db #0x29	; 41
	.db #0x29	; 41
	.db #0x1e	; 30
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x36	; 54	'6'
	.db #0x36	; 54	'6'
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x40	; 64
	.db #0x36	; 54	'6'
	.db #0x16	; 22
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x08	; 8
	.db #0x14	; 20
	.db #0x22	; 34
	.db #0x00	; 0
	.db #0x14	; 20
	.db #0x14	; 20
	.db #0x14	; 20
	.db #0x14	; 20
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x22	; 34
	.db #0x14	; 20
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x02	; 2
	.db #0x29	; 41
	.db #0x06	; 6
	.db #0x00	; 0
_font_part2:
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x2d	; 45
	.db #0x0e	; 14
	.db #0x00	; 0
	.db #0x3e	; 62
	.db #0x09	; 9
	.db #0x09	; 9
	.db #0x3e	; 62
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x1a	; 26
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x21	; 33
	.db #0x12	; 18
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x21	; 33
	.db #0x21	; 33
	.db #0x1e	; 30
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x25	; 37
	.db #0x25	; 37
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x05	; 5
	.db #0x05	; 5
	.db #0x01	; 1
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x29	; 41
	.db #0x3a	; 58
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x04	; 4
	.db #0x04	; 4
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x21	; 33
	.db #0x3f	; 63
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x10	; 16
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x1f	; 31
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x0c	; 12
	.db #0x12	; 18
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x06	; 6
	.db #0x06	; 6
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x06	; 6
	.db #0x18	; 24
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x21	; 33
	.db #0x1e	; 30
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x09	; 9
	.db #0x09	; 9
	.db #0x06	; 6
	.db #0x00	; 0
	.db #0x1e	; 30
	.db #0x31	; 49	'1'
	.db #0x21	; 33
	.db #0x5e	; 94
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x09	; 9
	.db #0x19	; 25
	.db #0x26	; 38
	.db #0x00	; 0
	.db #0x12	; 18
	.db #0x25	; 37
	.db #0x29	; 41
	.db #0x12	; 18
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x01	; 1
	.db #0x3f	; 63
	.db #0x01	; 1
	.db #0x00	; 0
	.db #0x1f	; 31
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x1f	; 31
	.db #0x00	; 0
	.db #0x0f	; 15
	.db #0x30	; 48	'0'
	.db #0x30	; 48	'0'
	.db #0x0f	; 15
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x18	; 24
	.db #0x18	; 24
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x33	; 51	'3'
	.db #0x0c	; 12
	.db #0x0c	; 12
	.db #0x33	; 51	'3'
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x07	; 7
	.db #0x38	; 56	'8'
	.db #0x07	; 7
	.db #0x00	; 0
	.db #0x31	; 49	'1'
	.db #0x29	; 41
	.db #0x25	; 37
	.db #0x23	; 35
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x21	; 33
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x02	; 2
	.db #0x04	; 4
	.db #0x08	; 8
	.db #0x10	; 16
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x21	; 33
	.db #0x21	; 33
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x02	; 2
	.db #0x01	; 1
	.db #0x02	; 2
	.db #0x00	; 0
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x00	; 0
_font_part3:
	.db #0x00	; 0
	.db #0x01	; 1
	.db #0x02	; 2
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x14	; 20
	.db #0x3c	; 60
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x18	; 24
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x34	; 52	'4'
	.db #0x2c	; 44
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x08	; 8
	.db #0x3e	; 62
	.db #0x09	; 9
	.db #0x02	; 2
	.db #0x00	; 0
	.db #0x28	; 40
	.db #0x54	; 84	'T'
	.db #0x54	; 84	'T'
	.db #0x4c	; 76	'L'
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x04	; 4
	.db #0x04	; 4
	.db #0x38	; 56	'8'
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x24	; 36
	.db #0x3d	; 61
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x20	; 32
	.db #0x40	; 64
	.db #0x3d	; 61
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x08	; 8
	.db #0x14	; 20
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x21	; 33
	.db #0x3f	; 63
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x3c	; 60
	.db #0x08	; 8
	.db #0x0c	; 12
	.db #0x38	; 56	'8'
	.db #0x00	; 0
	.db #0x3c	; 60
	.db #0x04	; 4
	.db #0x04	; 4
	.db #0x38	; 56	'8'
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x18	; 24
	.db #0x00	; 0
	.db #0x7c	; 124
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x18	; 24
	.db #0x00	; 0
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x24	; 36
	.db #0x7c	; 124
	.db #0x00	; 0
	.db #0x3c	; 60
	.db #0x04	; 4
	.db #0x04	; 4
	.db #0x08	; 8
	.db #0x00	; 0
	.db #0x28	; 40
	.db #0x2c	; 44
	.db #0x34	; 52	'4'
	.db #0x14	; 20
	.db #0x00	; 0
	.db #0x04	; 4
	.db #0x1f	; 31
	.db #0x24	; 36
	.db #0x20	; 32
	.db #0x00	; 0
	.db #0x1c	; 28
	.db #0x20	; 32
	.db #0x20	; 32
	.db #0x3c	; 60
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x1c	; 28
	.db #0x20	; 32
	.db #0x1c	; 28
	.db #0x00	; 0
	.db #0x3c	; 60
	.db #0x30	; 48	'0'
	.db #0x30	; 48	'0'
	.db #0x3c	; 60
	.db #0x00	; 0
	.db #0x24	; 36
	.db #0x18	; 24
	.db #0x18	; 24
	.db #0x24	; 36
	.db #0x00	; 0
	.db #0x0c	; 12
	.db #0x50	; 80	'P'
	.db #0x20	; 32
	.db #0x1c	; 28
	.db #0x00	; 0
	.db #0x24	; 36
	.db #0x34	; 52	'4'
	.db #0x2c	; 44
	.db #0x24	; 36
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x04	; 4
	.db #0x1e	; 30
	.db #0x21	; 33
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x3f	; 63
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x00	; 0
	.db #0x21	; 33
	.db #0x1e	; 30
	.db #0x04	; 4
	.db #0x00	; 0
	.db #0x02	; 2
	.db #0x01	; 1
	.db #0x02	; 2
	.db #0x01	; 1
	.db #0x00	; 0
_segments:
	.db #0x3f	; 63
	.db #0x06	; 6
	.db #0x5b	; 91
	.db #0x4f	; 79	'O'
	.db #0x66	; 102	'f'
	.db #0x6d	; 109	'm'
	.db #0x7d	; 125
	.db #0x07	; 7
	.db #0x7f	; 127
	.db #0x6f	; 111	'o'
	.area XINIT   (CODE)
	.area CABS    (ABS,CODE)
