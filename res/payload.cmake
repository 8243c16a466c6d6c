# Packs the payload manifest into zlib "TEXT" resources. Defines MQ_PAYLOAD_RC (the
# generated resource script) and the target payload_packed that produces it.
set(MQ_PAYLOAD_GEN ${CMAKE_BINARY_DIR}/payload)
set(MQ_PAYLOAD_RC ${CMAKE_BINARY_DIR}/packed/payload.rc)
set(MQ_PAYLOAD_MANIFEST ${CMAKE_SOURCE_DIR}/res/payload.manifest)

# Every source the manifest names, so a changed payload file repacks the store.
file(STRINGS ${MQ_PAYLOAD_MANIFEST} _manifest_lines REGEX "^[0-9]")
set(_payload_sources)
foreach(_line IN LISTS _manifest_lines)
    string(REGEX REPLACE "[ \t]+" ";" _fields "${_line}")
    list(GET _fields 3 _vendor_name)
    list(GET _fields 4 _source)
    if(MQ_PAYLOAD_DIR)
        set(_source ${MQ_PAYLOAD_DIR}/${_vendor_name})
    else()
        string(REPLACE "@GEN@" "${MQ_PAYLOAD_GEN}" _source "${_source}")
        string(REPLACE "@SRC@" "${CMAKE_SOURCE_DIR}/payload" _source "${_source}")
    endif()
    list(APPEND _payload_sources ${_source})
endforeach()

set(_vendor_arg)
if(MQ_PAYLOAD_DIR)
    set(_vendor_arg --vendor ${MQ_PAYLOAD_DIR})
endif()

add_custom_command(
    OUTPUT ${MQ_PAYLOAD_RC}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/pack_payload.py
            ${MQ_PAYLOAD_MANIFEST} ${CMAKE_BINARY_DIR}/packed ${MQ_PAYLOAD_RC}
            --gen ${MQ_PAYLOAD_GEN} --src ${CMAKE_SOURCE_DIR}/payload ${_vendor_arg}
    DEPENDS ${MQ_PAYLOAD_MANIFEST} ${CMAKE_SOURCE_DIR}/tools/pack_payload.py ${_payload_sources}
    COMMENT "Packing the payload store"
    VERBATIM)
add_custom_target(payload_packed DEPENDS ${MQ_PAYLOAD_RC})
if(NOT MQ_PAYLOAD_DIR)
    add_dependencies(payload_packed payload_sources)
endif()
set_source_files_properties(${MQ_PAYLOAD_RC} PROPERTIES GENERATED TRUE)
