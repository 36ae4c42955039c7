// Parlix module sketch, written by Parlix Desk from data/templates/arduino.ino.
// It wakes the module, sets its time-out, waits for the trigger, then listens
// for one command of the active group and runs that command's action.
//
// Wiring as for the Parlix bridge sketch: on an Uno (and other boards with
// one UART) the module's TX goes to pin 2 and its RX to pin 3; on a Mega the
// module is on Serial1 (its TX to RX1 pin 19, its RX to TX1 pin 18). Connect
// the grounds. The module talks at 9600 baud, 8N1.
//$L=// The module's recognition language was %1!d! (0 English, 1 Italian, 2 Japanese,
//$L=// 3 German, 4 Spanish, 5 French) when this sketch was written.
#include <Arduino.h>

#if defined(HAVE_HWSERIAL1)
#define MODULE_PORT Serial1
#else
#include <SoftwareSerial.h>
SoftwareSerial moduleSerial(2, 3);  // RX from the module's TX, TX to the module's RX
#define MODULE_PORT moduleSerial
#endif

// Seconds the module listens for speech before it answers "nobody spoke".
const int8_t kListenSeconds = 5;
// The trigger group: its commands, or the built-in trigger word, start a turn.
const int8_t kTriggerGroup = 0;

// The groups that hold commands, and each group's commands by index.
//$G>%0
//$G+const int8_t GROUP_%2!d! = %2!d!;
//$C>namespace group%2!d! {
//$C+const int8_t CMD_%4 = %5!d!;
//$C^%0
//$G=}  // namespace group%2!d!
//$G^%0

// The group listened to after the trigger; an action may change it.
int8_t activeGroup = 1;

// Called for each command the module recognised: fill in the actions.
void onCommand(int8_t group, int8_t command) {
    switch (group) {
//$G>%0
//$G+        case GROUP_%2!d!:
//$C>            switch (command) {
//$C+                case group%2!d!::CMD_%4:
//$C=                    // What to do on %4.
//$C^                    break;
//$G=            }
//$G^            break;
    }
    (void)command;  // for a module without commands
}

// Sends a command byte with one argument; a value v travels as 'A' + v.
void send(char command, int8_t argument) {
    while (MODULE_PORT.available() > 0) MODULE_PORT.read();  // stale bytes
    MODULE_PORT.write(command);
    MODULE_PORT.write(static_cast<uint8_t>('A' + argument));
}

// The module's next byte, or -1 when none came within `ms` milliseconds.
int receive(unsigned long ms) {
    const unsigned long start = millis();
    while (MODULE_PORT.available() == 0) {
        if (millis() - start >= ms) return -1;
    }
    return MODULE_PORT.read();
}

// One argument of a reply: the module sends it when asked with a space.
// -2 when none came or the byte was no argument.
int argument() {
    MODULE_PORT.write(' ');
    const int b = receive(1000);
    return b >= '@' && b <= '`' ? b - 'A' : -2;
}

// Wakes the module ('b' until it answers 'o') and sets its time-out.
void startModule() {
    do {
        MODULE_PORT.write('b');
    } while (receive(200) != 'o');
    send('o', kListenSeconds);
    if (receive(1000) != 'o') Serial.println(F("The module did not take the time-out."));
}

// Listens for a command of `group`. True when one was recognised: `result` is
// its index, or -1 - n for the built-in trigger word n.
bool recognize(int8_t group, int8_t& result) {
    send('d', group);
    const int status = receive((kListenSeconds + 2) * 1000UL);
    if (status == 'r' || status == 's') {
        const int n = argument();
        if (n < 0) return false;
        result = status == 'r' ? n : -1 - n;
        return true;
    }
    if (status == 'e') {
        const int high = argument();
        const int low = argument();
        Serial.print(F("Recognition error "));
        Serial.println(high * 16 + low);
    } else if (status < 0) {
        Serial.println(F("No answer: waking the module again."));
        startModule();
    }
    return false;  // 't': nobody spoke
}

// Runs the action of a recognised command (not of the built-in trigger word).
void heard(int8_t group, int8_t command) {
    Serial.print(F("Group "));
    Serial.print(group);
    Serial.print(F(", command "));
    Serial.println(command);
    onCommand(group, command);
}

void setup() {
    Serial.begin(9600);
    MODULE_PORT.begin(9600);
    startModule();
    Serial.println(F("Say the trigger."));
}

void loop() {
    int8_t command;
    if (!recognize(kTriggerGroup, command)) return;
    if (command >= 0) heard(kTriggerGroup, command);
    const int8_t group = activeGroup;
    if (recognize(group, command) && command >= 0) heard(group, command);
}
