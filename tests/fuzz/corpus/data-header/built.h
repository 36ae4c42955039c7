// Custom data for Parlix modules, written by kandata
// Sound table DEMO_SOUNDS (4 sounds)
#define SND_Beep 0
#define SND_Hello 1
#define SND_Goodbye 2
#define SND_Ready 3
// Grammar 4 ROBOT_TRIGGER (trigger, 1 word)
#define WS_ROBOT_TRIGGER 4
#define G_ROBOT_TRIGGER_HELLO_ROBOT 0
// Grammar 5 ROBOT_COMMANDS (command, 5 words)
#define WS_ROBOT_COMMANDS 5
#define G_ROBOT_FORWARD 0
#define G_ROBOT_BACKWARD 1
#define G_ROBOT_LEFT 2
#define G_ROBOT_RIGHT 3
#define G_ROBOT_STOP 4
// Grammar 6 LIGHTS (command, 3 words)
#define WS_LIGHTS 6
#define G_LIGHTS_LIGHTS_ON 0
#define G_LIGHTS_LIGHTS_OFF 1
#define G_LIGHTS_DIMMER 2
// Grammar 7 DOORS_TRIGGER (trigger, 1 word)
#define WS_DOORS_TRIGGER 7
#define G_DOORS_TRIGGER_HOUSE 0
// Grammar 8 DOORS (command, 3 words)
#define WS_DOORS 8
#define G_DOORS_OPEN_THE_DOOR 0
#define G_DOORS_CLOSE_THE_DOOR 1
#define G_DOORS_LOCK 2
