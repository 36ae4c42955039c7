// Trigger grammar of Doors.rsc
#define G_DOORS_TRIGGER_HOUSE 0
