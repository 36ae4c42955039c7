// Trigger grammar of Robot.rsc
#define G_ROBOT_TRIGGER_HELLO_ROBOT 0
