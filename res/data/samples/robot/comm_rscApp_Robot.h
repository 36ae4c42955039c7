// Command grammar of Robot.rsc
#define G_ROBOT_FORWARD 0
#define G_ROBOT_BACKWARD 1
#define G_ROBOT_LEFT 2
#define G_ROBOT_RIGHT 3
#define G_ROBOT_STOP 4
