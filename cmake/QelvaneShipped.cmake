# How the Windows programs are compiled and linked so that what ships is
# small and the same bytes come out of every build of the same sources:
#  - optimised for size: the hot paths are system code (inflate, GDI+) and the
#    first frame and the copy measured no slower than at -O3;
#  - each function and object in a section of its own, and the linker drops
#    the ones nothing reaches;
#  - no build folder inside a program (source paths are written relative);
#  - no link time in the PE header (its time stamp is 0).
if(WIN32)
  add_compile_options(-Os -ffunction-sections -fdata-sections
    "-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=" "-ffile-prefix-map=${CMAKE_BINARY_DIR}/=")
  add_link_options(-Wl,--gc-sections -Wl,--no-insert-timestamp)
endif()

# qelvane_shipped(<target>): a program that reaches users (the installer and
# the programs in its payload) carries no symbols or debugging information.
function(qelvane_shipped target)
  target_link_options(${target} PRIVATE -s)
endfunction()
