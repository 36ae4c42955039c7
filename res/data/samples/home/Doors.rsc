QuickT2SI project
Trigger: HOUSE
Commands: OPEN THE DOOR, CLOSE THE DOOR, LOCK
