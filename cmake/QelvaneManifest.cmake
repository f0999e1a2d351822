# qelvane_manifest(<source manifest> <out variable>)
# The manifest a program embeds. The committed manifests name the shipped
# programs' architecture (x86); the 64-bit twin of the programs gets a copy
# that names amd64, since an application's own identity must match its image.
function(qelvane_manifest source out)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    get_filename_component(name ${source} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
    file(READ ${source} text)
    string(REPLACE "processorArchitecture=\"x86\"" "processorArchitecture=\"amd64\"" text "${text}")
    file(CONFIGURE OUTPUT ${copy} CONTENT "${text}" @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    set(${out} ${copy} PARENT_SCOPE)
  else()
    set(${out} ${source} PARENT_SCOPE)
  endif()
endfunction()
