// Command grammar of Doors.rsc
#define G_DOORS_OPEN_THE_DOOR 0
#define G_DOORS_CLOSE_THE_DOOR 1
#define G_DOORS_LOCK 2
