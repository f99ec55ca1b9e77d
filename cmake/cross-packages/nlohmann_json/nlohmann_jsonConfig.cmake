# nlohmann/json for the cross build: the build machine's headers (package nlohmann-json3-dev).
include(${CMAKE_CURRENT_LIST_DIR}/../HostHeaders.cmake)
kestrow_host_header_library(nlohmann_json::nlohmann_json nlohmann)
