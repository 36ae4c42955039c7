// Sound table DEMO_SOUNDS
#define SND_Beep 0
#define SND_Hello 1
#define SND_Goodbye 2
#define SND_Ready 3
