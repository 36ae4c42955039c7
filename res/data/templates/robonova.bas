' Parlix module program for the RoboNova MRC-3024, written by Parlix Desk from
' data/templates/robonova.bas. It wakes the module, sets its time-out, waits
' for the trigger, then listens for one command of the active group and runs
' that command's action.
'
' Wiring as for the Parlix bridge program: the module on the controller's
' second serial port (ETX to the module's RX, ERX from its TX), common ground.
' The module talks at 9600 baud, 8N1.
'$L=' The module's recognition language was %1!d! (0 English, 1 Italian, 2 Japanese,
'$L=' 3 German, 4 Spanish, 5 French) when this program was written.

CONST LISTEN_SEC = 5        ' the module listens this long for speech
CONST REPLY_DELAY = 11      ' 20 ms before each module reply
CONST TRIGGER = 0           ' the trigger group

' The groups that hold commands, and each group's commands by index.
'$G>%0
'$G+CONST GROUP_%2!d! = %2!d!
'$C>%0
'$C+CONST G%2!d!_%4 = %5!d!
'$C^%0
'$G^%0

DIM letter AS BYTE          ' a command letter to send
DIM value AS BYTE           ' its argument; a reply argument, 255 when none came
DIM b AS BYTE               ' a byte from the module; 0 when none came
DIM reply AS BYTE           ' the module's status byte
DIM grp AS BYTE             ' the group to listen to
DIM cmd AS BYTE             ' the command recognised
DIM active AS BYTE          ' the group listened to after the trigger
DIM tries AS BYTE           ' RECEIVE waits up to this many times 50 ms
DIM n AS BYTE

active = 1                  ' an action may change it
GOSUB START_MODULE
MAIN:
    grp = TRIGGER
    GOSUB RECOGNIZE
    IF reply = 114 OR reply = 115 THEN      ' "r" or "s": the trigger
        IF reply = 114 THEN
            GOSUB ACTION                    ' a command of the trigger group
        ENDIF
        grp = active
        GOSUB RECOGNIZE
        IF reply = 114 THEN
            GOSUB ACTION
        ENDIF
    ENDIF
    GOTO MAIN

' Runs the action of command cmd of group grp: fill in the actions.
ACTION:
'$G>%0
'$G+    IF grp = GROUP_%2!d! THEN
'$C>%0
'$C+        IF cmd = G%2!d!_%4 THEN
'$C=            ' What to do on %4.
'$C^        ENDIF
'$G^    ENDIF
    RETURN

' Wakes the module ("b" until it answers "o"), sets its time-out and reply delay.
START_MODULE:
    b = 98                  ' "b"
    ETX 9600, b
    tries = 4
    GOSUB RECEIVE
    IF b <> 111 THEN        ' "o"
        GOTO START_MODULE
    ENDIF
    letter = 111            ' "o": the time-out
    value = LISTEN_SEC
    GOSUB SEND
    tries = 20
    GOSUB RECEIVE
    letter = 121            ' "y": the reply delay
    value = REPLY_DELAY
    GOSUB SEND
    GOSUB RECEIVE
    RETURN

' Listens for a command of group grp. reply is "r" (114) with the command in
' cmd, "s" (115) for the built-in trigger word, "t" (116) when nobody spoke,
' "e" (101) on an error, 0 when the module did not answer.
RECOGNIZE:
    letter = 100            ' "d"
    value = grp
    GOSUB SEND
    tries = LISTEN_SEC * 20
    tries = tries + 40      ' two seconds more than the module listens
    GOSUB RECEIVE
    reply = b
    IF reply = 114 OR reply = 115 THEN
        GOSUB ARGUMENT
        cmd = value
        IF value = 255 THEN
            reply = 63      ' "?": the argument was lost
        ENDIF
    ELSEIF reply = 101 THEN
        GOSUB ARGUMENT      ' the error code, high and low 4 bits
        GOSUB ARGUMENT
    ELSEIF reply = 0 THEN
        GOSUB START_MODULE  ' no answer: wake the module again
    ENDIF
    RETURN

' Sends letter and its argument value (as "A" + value), after dropping stale bytes.
SEND:
    ERX 9600, b, SEND_NOW
    GOTO SEND
SEND_NOW:
    ETX 9600, letter
    b = 65 + value
    ETX 9600, b
    RETURN

' One argument of a reply into value: the module sends it when asked with a space.
ARGUMENT:
    b = 32
    ETX 9600, b
    tries = 20
    GOSUB RECEIVE
    value = 255
    IF b >= 65 AND b <= 96 THEN
        value = b - 65
    ENDIF
    RETURN

' The module's next byte into b; 0 when none came within tries x 50 ms.
RECEIVE:
    n = 0
RECEIVE_NEXT:
    ERX 9600, b, RECEIVE_NONE
    RETURN
RECEIVE_NONE:
    DELAY 50
    n = n + 1
    IF n < tries THEN
        GOTO RECEIVE_NEXT
    ENDIF
    b = 0
    RETURN
