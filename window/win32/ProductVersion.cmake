# sp_version_header(OUT): writes OUT from window/win32/version.h.in with the product's
# texts read from the core (texts/ProductTexts.h), so they are written once, for the
# version resources of both exes.
include_guard(GLOBAL)
function(sp_product_text texts name out)
  string(REGEX MATCH "${name}\\[\\] = \"([^\"]*)\"" match "${texts}")
  if(NOT match)
    message(FATAL_ERROR "texts/ProductTexts.h has no ${name}")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(sp_version_header out)
  file(READ ${PROJECT_SOURCE_DIR}/texts/ProductTexts.h texts)
  sp_product_text("${texts}" ProgramVersion SP_VERSION)
  sp_product_text("${texts}" ShortcutName SP_PRODUCT_NAME)
  sp_product_text("${texts}" ShortcutDescription SP_DESCRIPTION)
  sp_product_text("${texts}" CopyrightNotice SP_COPYRIGHT)
  string(REGEX MATCHALL "[0-9]+" parts "${SP_VERSION}")
  list(APPEND parts 0 0 0 0)
  list(SUBLIST parts 0 4 parts)
  list(JOIN parts "," SP_VERSION_NUMBERS)
  configure_file(${PROJECT_SOURCE_DIR}/window/win32/version.h.in ${out} @ONLY)
endfunction()
