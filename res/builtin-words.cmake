# Turns builtin-words.json into a C++ source, so that the program looks up no
# file at run time. Run as: cmake -DINPUT=json -DOUTPUT=cpp -P builtin-words.cmake
file(READ "${INPUT}" json)

string(JSON languages LENGTH "${json}" languages)
if(NOT languages EQUAL 6)
    message(FATAL_ERROR "${INPUT}: 6 languages expected, found ${languages}")
endif()

set(body "")
math(EXPR lastLanguage "${languages} - 1")
foreach(l RANGE ${lastLanguage})
    string(JSON name GET "${json}" languages ${l} name)
    string(JSON tables LENGTH "${json}" languages ${l} tables)
    if(NOT tables EQUAL 4)
        message(FATAL_ERROR "${INPUT}: ${name} needs 4 tables, has ${tables}")
    endif()
    string(APPEND body "    // ${name}\n    BuiltinWordTables{{\n")
    foreach(t RANGE 3)
        string(JSON count LENGTH "${json}" languages ${l} tables ${t})
        if(count GREATER 11)
            message(FATAL_ERROR "${INPUT}: ${name} table ${t} has ${count} words, at most 11")
        endif()
        set(words "")
        if(count GREATER 0)
            math(EXPR lastWord "${count} - 1")
            foreach(w RANGE ${lastWord})
                string(JSON word GET "${json}" languages ${l} tables ${t} ${w})
                string(REPLACE "\\" "\\\\" word "${word}")
                string(REPLACE "\"" "\\\"" word "${word}")
                string(APPEND words "\"${word}\", ")
            endforeach()
        endif()
        string(APPEND body "        BuiltinWordTable{${count}, {{${words}}}},\n")
    endforeach()
    string(APPEND body "    }},\n")
endforeach()

set(source "// Generated from builtin-words.json by builtin-words.cmake. Do not edit.
#include \"module/BuiltinWords.h\"

namespace parlix {

extern const std::array<BuiltinWordTables, kBuiltinLanguages> kBuiltinWordData;

const std::array<BuiltinWordTables, kBuiltinLanguages> kBuiltinWordData{{
${body}}};

}  // namespace parlix
")
# Rewritten only when different, so that an unchanged table rebuilds nothing.
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${source}" @ONLY)
