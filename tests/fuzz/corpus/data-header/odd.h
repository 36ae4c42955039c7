//Grammar 4 X
#define	SND_A	  7
#define WSX 12 // note
#define SND_B
  // Sounds  
