//C:\logo.bmp
   const int  Resim[]={
		0X00,0X7F,0XFF,
		0X18


};
