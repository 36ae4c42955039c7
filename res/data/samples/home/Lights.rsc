QuickT2SI project
Commands: LIGHTS ON, LIGHTS OFF, DIMMER
