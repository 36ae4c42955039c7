# The shipped code templates, expanded by parlix-cli over simulated modules:
# golden files of the BASIC Stamp and RoboNova programs, and the Arduino
# sketch compiled with Debian's arduino-mk (skipped without it or the AVR tool
# chain). Like the AVR peers they run once, in the normal build: the sanitizer
# builds instrument neither avr-g++ nor the templates.
if(PARLIX_FUZZ OR PARLIX_SANITIZE)
    return()
endif()
find_file(ARDUINO_MK Arduino.mk PATHS /usr/share/arduino NO_DEFAULT_PATH)
find_program(AVR_GCC avr-gcc)
find_program(MAKE_PROGRAM NAMES make gmake)

parlix_test_program(test-templates templates LIBS parlix-sim-lib)
add_dependencies(test-templates parlix-cli parlix-data)
if(ARDUINO_MK AND AVR_GCC AND MAKE_PROGRAM)
    # AVR_TOOLS_DIR is the prefix that holds bin/avr-gcc.
    get_filename_component(avr_bin ${AVR_GCC} DIRECTORY)
    get_filename_component(avr_prefix ${avr_bin} DIRECTORY)
    target_compile_definitions(test-templates PRIVATE PARLIX_ARDUINO_MK="${ARDUINO_MK}"
                               PARLIX_AVR_TOOLS_DIR="${avr_prefix}" PARLIX_MAKE="${MAKE_PROGRAM}")
else()
    message(STATUS "No arduino-mk or AVR tool chain: the generated sketch is not compiled")
endif()
