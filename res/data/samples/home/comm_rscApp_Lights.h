// Command grammar of Lights.rsc
#define G_LIGHTS_LIGHTS_ON 0
#define G_LIGHTS_LIGHTS_OFF 1
#define G_LIGHTS_DIMMER 2
