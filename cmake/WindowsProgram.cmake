# What every Windows program we ship gets after linking, in one place.
#
# sp_run_from_swap(TARGET): Terminal Server aware (--tsaware), and marked to run from the
# swap file when started from removable media or a network share (cmake/pe-run-from-swap.py),
# so that a disc ejected or a share dropped while it runs does not kill it at its next page
# fault. Debian's Python edits the linked file; the PE checksum stays consistent.
set(SP_PE_RUN_FROM_SWAP ${CMAKE_CURRENT_LIST_DIR}/pe-run-from-swap.py)

function(sp_run_from_swap target)
  target_link_options(${target} PRIVATE -Wl,--tsaware)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND /usr/bin/python3 ${SP_PE_RUN_FROM_SWAP} $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
