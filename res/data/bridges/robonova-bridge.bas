' Parlix Desk bridge for the RoboNova MRC-3024 controller.
' The PC and this program exchange the module protocol through RAM byte 320
' (the mailbox); the module is on the controller's second serial port.
'   2      the PC wants attention: answered 1
'   >= 4   a module byte from the PC: passed on, answered 1
'   3      the PC waits for the module's next byte; 3 again after it was
'          taken asks the module for one more reply argument (" ")
'   0      idle
' Program memory bytes 16 to 31 are data; the PC keeps the module language
' at byte 20, so no code may lie there.
DIM box AS BYTE
DIM b AS BYTE
DIM state AS BYTE     ' 0 collecting, 1 awaiting a module byte, 2 delivered

state = 0
MAIN:
    box = PEEK 320
    IF box = 2 THEN
        POKE 320, 1
        state = 0
    ELSEIF box >= 4 AND state <> 2 THEN
        ETXOUT box
        POKE 320, 1
    ELSEIF box = 3 THEN
        IF state = 0 THEN
            state = 1
        ELSEIF state = 2 THEN
            ETXOUT " "
            state = 1
        ELSE
            ERX 9600, b, MAIN
            POKE 320, b
            state = 2
        ENDIF
    ELSEIF box = 0 THEN
        state = 0
    ENDIF
    GOTO MAIN
