// Parlix bridge: relays the module protocol between the board's USB serial
// port and a Parlix module on the board's pins, so that Parlix Desk reaches
// the module through the board. See ../README.md for wiring and upload.
#include <Arduino.h>
#include <EEPROM.h>

#if defined(HAVE_HWSERIAL1)
// Boards with a second UART (Mega): the module on Serial1, RX1 pin 19, TX1 pin 18.
#define MODULE_PORT Serial1
#else
#include <SoftwareSerial.h>
// Boards with one UART (Uno and older): the module on two ordinary pins.
const uint8_t kModuleRxPin = 2;  // to the module's TX
const uint8_t kModuleTxPin = 3;  // to the module's RX
SoftwareSerial moduleSerial(kModuleRxPin, kModuleTxPin);
#define MODULE_PORT moduleSerial
#endif

// The module always talks at 9600; so does the desk once the boot loader is left.
const unsigned long kModuleBaud = 9600;
const unsigned long kDeskBaud = 9600;

// The speed of the old STK500 boot loader of this chip: after the desk's
// EEPROM exchange with it the desk goes on at that speed.
#if defined(__AVR_ATmega168__)
const unsigned long kBootLoaderBaud = 19200;
#else
const unsigned long kBootLoaderBaud = 57600;
#endif

// Handshake: the desk's sign of life check. These bytes never occur in the
// module protocol, so they are answered in every state.
const uint8_t kHello = 0xBB;
const uint8_t kHelloReply = 0xCC;
const uint8_t kStart = 0xDD;
const uint8_t kStartReply = 0xEE;
// Sent by the desk after it left control mode: the session is over.
const uint8_t kEnd = '?';

// EEPROM bytes 0 and 1: "BB" at rest, "Bb" written by the desk through the
// old boot loader just before it starts this sketch.
const int kMarkerAddress = 0;

bool relaying = false;

void setup() {
    const bool afterExchange =
        EEPROM.read(kMarkerAddress) == 'B' && EEPROM.read(kMarkerAddress + 1) == 'b';
    // Put "BB" back so that the desk's next check passes; update() spares
    // the cells when they already hold it.
    EEPROM.update(kMarkerAddress, 'B');
    EEPROM.update(kMarkerAddress + 1, 'B');

    // After the exchange the desk neither goes back to 9600 nor sends the
    // handshake: it looks for the module at once at the boot loader's speed.
    Serial.begin(afterExchange ? kBootLoaderBaud : kDeskBaud);
    relaying = afterExchange;
    MODULE_PORT.begin(kModuleBaud);
}

void fromDesk(uint8_t byte) {
    if (byte == kHello) {
        Serial.write(kHelloReply);
    } else if (byte == kStart) {
        // Drop whatever the module said before the desk was listening.
        while (MODULE_PORT.available()) MODULE_PORT.read();
        relaying = true;
        Serial.write(kStartReply);
    } else if (relaying) {
        if (byte == kEnd) {
            relaying = false;
        } else {
            MODULE_PORT.write(byte);
        }
    }
}

void loop() {
    while (Serial.available() > 0) fromDesk(static_cast<uint8_t>(Serial.read()));
    while (MODULE_PORT.available() > 0) {
        const int byte = MODULE_PORT.read();
        // Until the handshake the desk may be probing for a module directly:
        // it must not find one through the board.
        if (relaying) Serial.write(static_cast<uint8_t>(byte));
    }
}
