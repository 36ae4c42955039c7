# Debian's real Arduino boot loaders, each merged with our bridge sketch, run
# in simavr behind a pseudo-terminal. Skipped without the AVR tool chain,
# simavr or srecord. They run once, in the normal build: the sanitizer builds
# add nothing to simavr, which is not instrumented, and would only slow the
# real-time peers down.
find_library(SIMAVR_LIB simavr)
find_path(SIMAVR_INCLUDE sim_avr.h PATH_SUFFIXES simavr)
find_library(ELF_LIB elf)
find_program(SREC_CAT srec_cat)
find_program(MAKE_PROGRAM NAMES make gmake)
set(boot_dir ${ARDUINO_AVR_DIR}/bootloaders)

if(PARLIX_FUZZ OR PARLIX_SANITIZE)
    # Not in the sanitizer builds (above).
elseif(NOT PARLIX_SKETCH_DIR OR NOT SIMAVR_LIB OR NOT SIMAVR_INCLUDE OR NOT ELF_LIB OR NOT SREC_CAT
   OR NOT MAKE_PROGRAM OR NOT EXISTS ${boot_dir}/optiboot/optiboot.c)
    message(STATUS "No simavr, srecord or AVR tool chain: the tests against real boot loaders are skipped")
else()
    set(images ${CMAKE_CURRENT_BINARY_DIR}/avr-images)
    # Debian's optiboot hex runs past the end of the flash: build it again
    # with a 1 KiB boot section. The copied hex files go, or make skips it.
    set(optiboot ${images}/optiboot/optiboot_atmega328.hex)
    add_custom_command(
        OUTPUT ${optiboot}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${images}/optiboot
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${boot_dir}/optiboot ${images}/optiboot
        COMMAND ${CMAKE_COMMAND} -E rm -f ${images}/optiboot/optiboot_atmega168.hex
                ${images}/optiboot/optiboot_atmega328.hex ${images}/optiboot/optiboot_atmega8.hex
        COMMAND ${MAKE_PROGRAM} -s -C ${images}/optiboot atmega328
                "LDSECTIONS=-Wl,--section-start=.text=0x7c00 -Wl,--section-start=.version=0x7ffe"
        DEPENDS ${boot_dir}/optiboot/optiboot.c VERBATIM)

    # parlix_avr_image(NAME BOOT_HEX SKETCH_HEX): NAME.hex, both in one image.
    set(avr_images)
    function(parlix_avr_image name boot sketch)
        add_custom_command(
            OUTPUT ${images}/${name}.hex
            COMMAND ${SREC_CAT} ${boot} -intel ${sketch} -intel -o ${images}/${name}.hex -intel
                    -disable=exec-start-address
            DEPENDS ${boot} ${sketch} arduino-bridge VERBATIM)
        set(avr_images ${avr_images} ${images}/${name}.hex PARENT_SCOPE)
    endfunction()
    parlix_avr_image(uno ${optiboot} ${PARLIX_SKETCH_DIR}/parlix_bridge-uno.hex)
    parlix_avr_image(atmega328 ${boot_dir}/atmega/ATmegaBOOT_168_atmega328.hex
                     ${PARLIX_SKETCH_DIR}/parlix_bridge-uno.hex)
    parlix_avr_image(atmega168 ${boot_dir}/atmega/ATmegaBOOT_168_diecimila.hex
                     ${PARLIX_SKETCH_DIR}/parlix_bridge-168.hex)
    parlix_avr_image(mega ${boot_dir}/stk500v2/stk500boot_v2_mega2560.hex
                     ${PARLIX_SKETCH_DIR}/parlix_bridge-mega.hex)
    add_custom_target(avr-images DEPENDS ${avr_images})

    parlix_test_program(test-avr avr LIBS parlix-sim-lib ${SIMAVR_LIB} ${ELF_LIB} ${CMAKE_DL_LIBS})
    target_include_directories(test-avr SYSTEM PRIVATE ${SIMAVR_INCLUDE})
    target_compile_definitions(test-avr PRIVATE PARLIX_AVR_IMAGES="${images}")
    add_dependencies(test-avr avr-images)
endif()
