# The version of the build machine's package; the headers do not depend on the target.
include(/usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake)
