# Read by cpack for each generator. A package whose desktop entry points at another prefix's
# guide folder would start the program where it finds no pages.
if(NOT CPACK_ORVANE_CONFIGURED_PREFIX STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
  message(FATAL_ERROR
    "The build was configured for ${CPACK_ORVANE_CONFIGURED_PREFIX}, the package installs into "
    "${CPACK_PACKAGING_INSTALL_PREFIX}: configure it again with "
    "-DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX} (tools/package.sh does).")
endif()
