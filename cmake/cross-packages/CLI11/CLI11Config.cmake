# CLI11 for the cross build: the build machine's headers (package libcli11-dev).
include(${CMAKE_CURRENT_LIST_DIR}/../HostHeaders.cmake)
kestrow_host_header_library(CLI11::CLI11 CLI)
