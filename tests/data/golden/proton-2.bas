'C:\logo.bmp
	CData	$00,$7F
	CData	$FF,$18

